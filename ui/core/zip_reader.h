// ZipReader: one open archive behind a CResourceZipUI handle. It finds the end record, walks the
// central directory entry by entry, checks each entry's local header against the directory, and
// streams one entry at a time through a 16 KiB input buffer (raw inflate for deflated entries).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <zlib.h>

#include "ui/core/resource_zip_ui.h"
#include "ui/core/zip_crypto.h"
#include "ui/core/zip_source.h"

namespace Tovik {

class ZipReader {
public:
    // Null when the source holds no readable archive.
    static std::unique_ptr<ZipReader> Open(std::unique_ptr<ZipSource> source, const char* password);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    uint32_t Find(const wchar_t* name, bool ignoreCase, int* index, TZipEntryInfo* info);
    uint32_t Extract(int index, unsigned char* buffer, uint32_t size);

private:
    struct DirectoryRecord {
        uint16_t versionMadeBy;
        uint16_t flags;
        uint16_t method;
        uint16_t dosTime;
        uint16_t dosDate;
        uint32_t crc;
        uint32_t compressedSize;
        uint32_t uncompressedSize;
        uint16_t nameLength;
        uint16_t extraLength;
        uint16_t commentLength;
        uint32_t externalAttributes;
        uint32_t localHeaderOffset;
    };

    // Where the entry's data and its local extra field lie, once the local header checks out.
    struct LocalEntry {
        uint64_t extraOffset;
        uint16_t extraLength;
        uint64_t dataOffset;
    };

    struct OpenEntry;

    ZipReader(std::unique_ptr<ZipSource> source, const char* password);
    bool ReadEndRecord();
    bool FindEndRecord(uint64_t& position);

    // Directory walk.
    bool GoToFirst();
    bool GoToNext();
    bool GoTo(int index);
    bool ReadRecord(uint64_t offset, DirectoryRecord& record);
    bool CurrentNameIs(const std::string& name, bool ignoreCase);

    uint32_t CheckLocalHeader(const DirectoryRecord& record, LocalEntry& entry);
    uint32_t FillInfo(TZipEntryInfo& info);

    // Extraction.
    uint32_t OpenCurrentEntry();
    void CloseEntry();
    uint32_t ReadEntry(unsigned char* buffer, uint32_t size);
    uint32_t FillInput();

    std::unique_ptr<ZipSource> source_;
    std::string password_;
    bool hasPassword_ = false;

    int entryCount_ = 0;
    uint64_t directoryStart_ = 0;  // absolute, prepended bytes included
    uint64_t directoryEnd_ = 0;
    uint64_t prepended_ = 0;

    int currentIndex_ = -1;
    uint64_t currentOffset_ = 0;
    DirectoryRecord current_ = {};

    std::unique_ptr<OpenEntry> open_;

    int cachedInfoIndex_ = -1;
    TZipEntryInfo cachedInfo_ = {};
};

}  // namespace Tovik
