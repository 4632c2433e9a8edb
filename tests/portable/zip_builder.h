// Builds ZIP archives in memory for tests, stored or deflated, and tells where each structure
// landed so a test can damage exactly the field it means to.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace TestZip {

constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;

struct Entry {
    Entry(std::string entryName, std::string entryData, uint16_t entryMethod = kDeflated, uint16_t madeBy = 0x0314,
          uint32_t external = 0100644u << 16)
        : name(std::move(entryName)),
          data(std::move(entryData)),
          method(entryMethod),
          versionMadeBy(madeBy),
          externalAttributes(external) {}

    std::string name;
    std::string data;
    uint16_t method;
    uint16_t versionMadeBy;       // 0x03xx: Unix host, 0x00xx: DOS
    uint32_t externalAttributes;  // Unix mode in the high half, DOS attributes in the low byte
    std::string localExtra;
    // Non-empty: the entry is encrypted with the format's traditional cipher, without a data
    // descriptor (the password check byte is the CRC's high byte).
    std::string password;
};

struct Archive {
    std::string bytes;
    std::vector<size_t> localHeaders;      // offset of each local header
    std::vector<size_t> directoryRecords;  // offset of each central directory record
    std::vector<size_t> dataOffsets;       // offset of each entry's data
    size_t endRecord = 0;                  // offset of the end-of-central-directory record
};

// `prefix` goes in front of the archive (like a self-extracting stub); offsets inside the archive
// stay relative to its own start, as such tools write them.
Archive Build(const std::vector<Entry>& entries, const std::string& comment = "", const std::string& prefix = "");

void Put16(std::string& bytes, size_t offset, uint16_t value);
void Put32(std::string& bytes, size_t offset, uint32_t value);

// Offsets of fields within the structures.
namespace Local {
constexpr size_t kMethod = 8, kCrc = 14, kCompressedSize = 18, kUncompressedSize = 22, kNameLength = 26;
}
namespace Directory {
constexpr size_t kMethod = 10, kCrc = 16, kCompressedSize = 20, kUncompressedSize = 24, kLocalHeaderOffset = 42;
}
namespace End {
constexpr size_t kEntriesHere = 8, kEntriesTotal = 10, kDirectorySize = 12, kDirectoryOffset = 16;
}

}  // namespace TestZip
