// An in-memory ZIP writer for tests.
#include "tests/portable/zip_builder.h"

#include <zlib.h>

#include <stdexcept>

namespace TestZip {
namespace {

void Append16(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Append32(std::string& out, uint32_t value) {
    Append16(out, static_cast<uint16_t>(value));
    Append16(out, static_cast<uint16_t>(value >> 16));
}

std::string RawDeflate(const std::string& data) {
    z_stream stream = {};
    if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("deflateInit2");
    }
    std::string out(deflateBound(&stream, data.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// The traditional ZIP cipher, encrypting.
class TraditionalCipher {
public:
    explicit TraditionalCipher(const std::string& password) {
        for (const char c : password) Update(static_cast<unsigned char>(c));
    }

    std::string Encrypt(const std::string& plain) {
        std::string out;
        for (const char c : plain) {
            const auto p = static_cast<unsigned char>(c);
            out += static_cast<char>(p ^ KeyByte());
            Update(p);
        }
        return out;
    }

private:
    static uint32_t CrcStep(uint32_t crc, unsigned char byte) {
        return ~static_cast<uint32_t>(crc32(~crc & 0xFFFFFFFFu, &byte, 1));
    }
    unsigned char KeyByte() const {
        const uint32_t t = (keys_[2] | 2) & 0xFFFF;
        return static_cast<unsigned char>((t * (t ^ 1)) >> 8);
    }
    void Update(unsigned char byte) {
        keys_[0] = CrcStep(keys_[0], byte);
        keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
        keys_[2] = CrcStep(keys_[2], static_cast<unsigned char>(keys_[1] >> 24));
    }

    uint32_t keys_[3] = {0x12345678u, 0x23456789u, 0x34567890u};
};

}  // namespace

void Put16(std::string& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

void Put32(std::string& bytes, size_t offset, uint32_t value) {
    Put16(bytes, offset, static_cast<uint16_t>(value));
    Put16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

namespace {

constexpr uint16_t kDosTime = (12 << 11) | (30 << 5);               // 12:30:00
constexpr uint16_t kDosDate = ((2024 - 1980) << 9) | (3 << 5) | 5;  // 2024-03-05

// One entry's payload (deflated or as it is) and the CRC of its data.
struct Packed {
    std::string payload;
    uint32_t crc;
};

// An encrypted payload starts with 12 header bytes whose last one is the CRC's high byte.
Packed Pack(const Entry& entry) {
    const auto crc = static_cast<uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), static_cast<uInt>(entry.data.size())));
    std::string payload = entry.method == kDeflated ? RawDeflate(entry.data) : entry.data;
    if (!entry.password.empty()) {
        std::string header = "corvana-8.";
        header += static_cast<char>(0x5A);
        header += static_cast<char>(crc >> 24);
        payload = TraditionalCipher(entry.password).Encrypt(header + payload);
    }
    return Packed{payload, crc};
}

// The run both headers share, from "version needed" to the name length.
void AppendSharedFields(std::string& out, const Entry& entry, const Packed& packed) {
    Append16(out, 20);
    Append16(out, entry.password.empty() ? 0 : 1);  // flags: bit 0, encrypted
    Append16(out, entry.method);
    Append16(out, kDosTime);
    Append16(out, kDosDate);
    Append32(out, packed.crc);
    Append32(out, static_cast<uint32_t>(packed.payload.size()));
    Append32(out, static_cast<uint32_t>(entry.data.size()));
    Append16(out, static_cast<uint16_t>(entry.name.size()));
}

void AppendLocalEntry(std::string& zip, const Entry& entry, const Packed& packed) {
    Append32(zip, 0x04034B50);
    AppendSharedFields(zip, entry, packed);
    Append16(zip, static_cast<uint16_t>(entry.localExtra.size()));
    zip += entry.name + entry.localExtra;
}

void AppendDirectoryRecord(std::string& directory, const Entry& entry, const Packed& packed, size_t localOffset) {
    Append32(directory, 0x02014B50);
    Append16(directory, entry.versionMadeBy);
    AppendSharedFields(directory, entry, packed);
    Append16(directory, 0);  // extra field length
    Append16(directory, 0);  // comment length
    Append16(directory, 0);  // disk number
    Append16(directory, 0);  // internal attributes
    Append32(directory, entry.externalAttributes);
    Append32(directory, static_cast<uint32_t>(localOffset));
    directory += entry.name;
}

void AppendEndRecord(std::string& zip, size_t entries, size_t directorySize, size_t directoryOffset,
                     const std::string& comment) {
    Append32(zip, 0x06054B50);
    Append16(zip, 0);
    Append16(zip, 0);
    Append16(zip, static_cast<uint16_t>(entries));
    Append16(zip, static_cast<uint16_t>(entries));
    Append32(zip, static_cast<uint32_t>(directorySize));
    Append32(zip, static_cast<uint32_t>(directoryOffset));
    Append16(zip, static_cast<uint16_t>(comment.size()));
    zip += comment;
}

}  // namespace

Archive Build(const std::vector<Entry>& entries, const std::string& comment, const std::string& prefix) {
    Archive archive;
    std::string zip;
    std::string directory;
    for (const Entry& entry : entries) {
        const Packed packed = Pack(entry);
        const size_t localOffset = zip.size();
        archive.localHeaders.push_back(prefix.size() + localOffset);
        AppendLocalEntry(zip, entry, packed);
        archive.dataOffsets.push_back(prefix.size() + zip.size());
        zip += packed.payload;
        archive.directoryRecords.push_back(directory.size());
        AppendDirectoryRecord(directory, entry, packed, localOffset);
    }
    const size_t directoryOffset = zip.size();
    for (size_t& record : archive.directoryRecords) record += prefix.size() + directoryOffset;
    zip += directory;
    archive.endRecord = prefix.size() + zip.size();
    AppendEndRecord(zip, entries.size(), directory.size(), directoryOffset, comment);
    archive.bytes = prefix + zip;
    return archive;
}

}  // namespace TestZip
