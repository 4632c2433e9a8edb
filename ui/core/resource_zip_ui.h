// CResourceZipUI: reads entries of a ZIP archive held in a file or in memory, so a skin with its
// images and fonts can travel as one archive. Stored and deflated entries, optionally with the
// format's traditional encryption. Every operation returns a result code and also leaves it in
// a process-wide last result. Damaged or hostile archives give failure codes, never reads or
// writes outside the buffers involved, and never an allocation sized by what the archive claims.
#pragma once

#include <cstdint>

#include "support/platform.h"

namespace Tovik {

namespace ZipResult {
constexpr uint32_t kSuccess = 0x0;
constexpr uint32_t kCannotOpen = 0x200;
constexpr uint32_t kNotFound = 0x500;
constexpr uint32_t kMoreData = 0x600;
constexpr uint32_t kBadLocalHeader = 0x700;
constexpr uint32_t kBadExtraData = 0x800;
constexpr uint32_t kWrongPassword = 0x1000;
constexpr uint32_t kBadArgument = 0x10000;
constexpr uint32_t kNotAnArchive = 0x80000;
constexpr uint32_t kAlreadyOpen = 0x1000000;
constexpr uint32_t kNotSeekable = 0x2000000;
constexpr uint32_t kReadError = 0x5000000;
}  // namespace ZipResult

struct TZipEntryInfo {
    static constexpr int kNameCapacity = 260;
    int index;  // −1 when not found
    wchar_t name[kNameCapacity];
    uint32_t attributes;  // read-only 0x1, hidden 0x2, system 0x4, directory 0x10, archive 0x20
    FILETIME accessTime;
    FILETIME creationTime;
    FILETIME modificationTime;
    uint32_t compressedSize;
    uint32_t uncompressedSize;
};

class ZipReader;

// An open archive; the kind tag tells archive handles from anything else passed in. The reader
// belongs to the handle and both are freed by CloseArchive.
struct TZipHandle {
    static constexpr uint32_t kArchiveReader = 1;
    uint32_t kind;
    ZipReader* reader;
};
using HZIP = TZipHandle*;

class CResourceZipUI {
public:
    // Null (and kCannotOpen) when the source cannot be opened or holds no readable archive. The
    // password is in the ANSI code page; null or empty means none. Memory is not copied and
    // must outlive the handle.
    static HZIP OpenArchiveFile(const wchar_t* path, const char* password);
    static HZIP OpenArchiveMemory(const void* data, uint32_t size, const char* password);

    // Finds an entry by name, byte for byte in UTF-8 or, with `ignoreCase`, folding ASCII letters
    // only. `index` and `info` may be null.
    static uint32_t FindEntry(HZIP archive, const wchar_t* name, bool ignoreCase, int* index, TZipEntryInfo* info);

    // Delivers the next at most `size` bytes of the entry's data: kSuccess at the entry's end,
    // kMoreData when the buffer is full and more remain (the next call continues).
    static uint32_t ExtractEntry(HZIP archive, int index, void* buffer, uint32_t size);

    static uint32_t CloseArchive(HZIP archive);

    static uint32_t GetLastResult();
};

}  // namespace Tovik
