// The archive structure around zlib: end record, central directory, local headers, and the
// streaming of one entry's data with decryption, inflation and CRC checking.
#include "ui/core/zip_reader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace Tovik {
namespace {

constexpr uint32_t kEndRecordSignature = 0x06054B50;
constexpr uint32_t kDirectoryRecordSignature = 0x02014B50;
constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kDirectoryRecordSize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr uint64_t kEndRecordSearchSpan = 65535;
constexpr size_t kSearchStep = 1024;
constexpr size_t kSearchBlock = kSearchStep + 4;
constexpr size_t kMaxStoredName = 256;
constexpr size_t kInputBufferSize = 16 * 1024;
constexpr int kEncryptionHeaderSize = 12;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kFlagEncrypted = 0x1;
constexpr uint16_t kFlagDataDescriptor = 0x8;
// Claims beyond these are not believed: deflate cannot expand more than 1,032 times, and no skin
// file is anywhere near 64 MiB.
constexpr uint64_t kMaxInflationRatio = 1032;
constexpr uint64_t kMaxEntrySize = 64u << 20;

uint16_t Read16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

uint32_t Read32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

unsigned char FoldAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

FILETIME UnixTimeToFileTime(uint32_t seconds) {
    const uint64_t ticks = (static_cast<uint64_t>(seconds) + 11644473600ULL) * 10000000ULL;
    FILETIME time;
    time.dwLowDateTime = static_cast<uint32_t>(ticks);
    time.dwHighDateTime = static_cast<uint32_t>(ticks >> 32);
    return time;
}

// The stored name as a file name: no drive prefix, no leading slashes, nothing up to the last
// parent-folder step.
std::wstring SafeEntryName(std::wstring name) {
    if (name.size() >= 2 && name[1] == L':') name.erase(0, 2);
    const size_t firstKept = name.find_first_not_of(L"\\/");
    name.erase(0, firstKept == std::wstring::npos ? name.size() : firstKept);
    size_t cut = 0;
    for (const wchar_t* step : {L"\\..\\", L"\\../", L"/../", L"/..\\"}) {
        const size_t at = name.rfind(step);
        if (at != std::wstring::npos) cut = std::max(cut, at + 4);
    }
    return name.substr(cut);
}

uint32_t AttributesOf(uint16_t versionMadeBy, uint32_t external) {
    constexpr int kUnixHost = 3;
    if ((versionMadeBy >> 8) == kUnixHost) {
        const uint32_t mode = external >> 16;
        const bool directory = (mode & 0170000) == 0040000;
        return (directory ? 0x10 : 0x20) | ((mode & 0200) == 0 ? 0x1 : 0);
    }
    return external & 0x37;
}

}  // namespace

struct ZipReader::OpenEntry {
    int index = -1;
    uint16_t method = kStored;
    std::unique_ptr<unsigned char[]> input{new unsigned char[kInputBufferSize]};
    size_t inputStart = 0;
    size_t inputEnd = 0;
    z_stream stream = {};
    bool inflating = false;
    uint32_t crc = 0;
    uint32_t expectedCrc = 0;
    uint64_t nextCompressed = 0;
    uint32_t compressedLeft = 0;
    uint32_t uncompressedLeft = 0;
    std::unique_ptr<ZipDecryptor> decryptor;
    int headerLeft = 0;
    unsigned char checkByte = 0;

    ~OpenEntry() {
        if (inflating) inflateEnd(&stream);
    }
};

ZipReader::ZipReader(std::unique_ptr<ZipSource> source, const char* password) : source_(std::move(source)) {
    hasPassword_ = password != nullptr && *password != 0;
    if (hasPassword_) password_ = password;
}

ZipReader::~ZipReader() = default;

std::unique_ptr<ZipReader> ZipReader::Open(std::unique_ptr<ZipSource> source, const char* password) {
    if (source == nullptr) return nullptr;
    std::unique_ptr<ZipReader> reader(new ZipReader(std::move(source), password));
    if (!reader->ReadEndRecord()) return nullptr;
    return reader;
}

// Searches backwards over at most the last 65,535 bytes in blocks of up to 1,028 bytes that step
// back 1,024 at a time, so a signature across a block boundary is still seen; within a block the
// occurrence nearest the end wins.
bool ZipReader::FindEndRecord(uint64_t& position) {
    const uint64_t size = source_->Size();
    const uint64_t span = std::min(size, kEndRecordSearchSpan);
    unsigned char block[kSearchBlock];
    for (uint64_t back = 4; back < span;) {
        back = std::min(back + kSearchStep, span);
        const uint64_t start = size - back;
        const size_t length = static_cast<size_t>(std::min<uint64_t>(kSearchBlock, size - start));
        if (!source_->ReadExactly(start, block, length)) return false;
        for (size_t i = length - 3; i-- > 0;) {
            if (Read32(block + i) == kEndRecordSignature) {
                position = start + i;
                return true;
            }
        }
    }
    return false;
}

bool ZipReader::ReadEndRecord() {
    uint64_t position = 0;
    unsigned char record[kEndRecordSize];
    if (!FindEndRecord(position) || !source_->ReadExactly(position, record, kEndRecordSize)) return false;
    const uint16_t thisDisk = Read16(record + 4);
    const uint16_t directoryDisk = Read16(record + 6);
    const uint16_t entriesHere = Read16(record + 8);
    const uint16_t entriesTotal = Read16(record + 10);
    const uint32_t directorySize = Read32(record + 12);
    const uint32_t directoryOffset = Read32(record + 16);
    const uint64_t directoryEnd = static_cast<uint64_t>(directoryOffset) + directorySize;
    if (thisDisk != 0 || directoryDisk != 0 || entriesHere != entriesTotal || directoryEnd > position) return false;
    entryCount_ = entriesTotal;
    prepended_ = position - directoryEnd;
    directoryStart_ = prepended_ + directoryOffset;
    directoryEnd_ = position;
    return entryCount_ == 0 || GoToFirst();
}

bool ZipReader::ReadRecord(uint64_t offset, DirectoryRecord& record) {
    unsigned char bytes[kDirectoryRecordSize];
    if (offset + kDirectoryRecordSize > directoryEnd_ || !source_->ReadExactly(offset, bytes, sizeof bytes) ||
        Read32(bytes) != kDirectoryRecordSignature) {
        return false;
    }
    record.versionMadeBy = Read16(bytes + 4);
    record.flags = Read16(bytes + 8);
    record.method = Read16(bytes + 10);
    record.dosTime = Read16(bytes + 12);
    record.dosDate = Read16(bytes + 14);
    record.crc = Read32(bytes + 16);
    record.compressedSize = Read32(bytes + 20);
    record.uncompressedSize = Read32(bytes + 24);
    record.nameLength = Read16(bytes + 28);
    record.extraLength = Read16(bytes + 30);
    record.commentLength = Read16(bytes + 32);
    record.externalAttributes = Read32(bytes + 38);
    record.localHeaderOffset = Read32(bytes + 42);
    return true;
}

bool ZipReader::GoToFirst() {
    if (entryCount_ == 0 || !ReadRecord(directoryStart_, current_)) return false;
    currentIndex_ = 0;
    currentOffset_ = directoryStart_;
    return true;
}

bool ZipReader::GoToNext() {
    if (currentIndex_ < 0 || currentIndex_ + 1 >= entryCount_) return false;
    const uint64_t next =
        currentOffset_ + kDirectoryRecordSize + current_.nameLength + current_.extraLength + current_.commentLength;
    DirectoryRecord record;
    if (!ReadRecord(next, record)) return false;
    current_ = record;
    currentOffset_ = next;
    ++currentIndex_;
    return true;
}

bool ZipReader::GoTo(int index) {
    if (index < currentIndex_ || currentIndex_ < 0) {
        if (!GoToFirst()) return false;
    }
    while (currentIndex_ < index) {
        if (!GoToNext()) return false;
    }
    return true;
}

bool ZipReader::CurrentNameIs(const std::string& name, bool ignoreCase) {
    if (current_.nameLength != name.size() || name.size() >= kMaxStoredName) return false;
    unsigned char stored[kMaxStoredName];
    if (!source_->ReadExactly(currentOffset_ + kDirectoryRecordSize, stored, name.size())) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto wanted = static_cast<unsigned char>(name[i]);
        if (ignoreCase ? FoldAscii(stored[i]) != FoldAscii(wanted) : stored[i] != wanted) return false;
    }
    return true;
}

uint32_t ZipReader::Find(const wchar_t* name, bool ignoreCase, int* index, TZipEntryInfo* info) {
    const std::string wanted =
        name == nullptr ? std::string() : Platform::ToNarrowString(Platform::CodePage::Utf8, name);
    const int previousIndex = currentIndex_;
    const uint64_t previousOffset = currentOffset_;
    const DirectoryRecord previous = current_;
    bool found = false;
    if (!wanted.empty() && wanted.size() < kMaxStoredName && GoToFirst()) {
        do {
            found = CurrentNameIs(wanted, ignoreCase);
        } while (!found && GoToNext());
    }
    if (!found) {
        currentIndex_ = previousIndex;
        currentOffset_ = previousOffset;
        current_ = previous;
        if (index != nullptr) *index = -1;
        if (info != nullptr) {
            *info = TZipEntryInfo{};
            info->index = -1;
        }
        return ZipResult::kNotFound;
    }
    CloseEntry();
    if (index != nullptr) *index = currentIndex_;
    if (cachedInfoIndex_ != currentIndex_) {
        const uint32_t result = FillInfo(cachedInfo_);
        if (result != ZipResult::kSuccess) {
            cachedInfoIndex_ = -1;
            return result;
        }
        cachedInfoIndex_ = currentIndex_;
    }
    if (info != nullptr) *info = cachedInfo_;
    return ZipResult::kSuccess;
}

// The local header must agree with the directory, and the sizes must be believable before anyone
// allocates by them: the data lies inside the source, a stored entry is as long as its data, and
// a deflated one expands within deflate's limit and 64 MiB.
uint32_t ZipReader::CheckLocalHeader(const DirectoryRecord& record, LocalEntry& entry) {
    unsigned char bytes[kLocalHeaderSize];
    const uint64_t headerOffset = prepended_ + record.localHeaderOffset;
    if (!source_->ReadExactly(headerOffset, bytes, sizeof bytes) || Read32(bytes) != kLocalHeaderSignature) {
        return ZipResult::kBadLocalHeader;
    }
    const uint16_t method = Read16(bytes + 8);
    if (method != record.method || (method != kStored && method != kDeflated)) return ZipResult::kBadLocalHeader;
    if ((record.flags & kFlagDataDescriptor) == 0 &&
        (Read32(bytes + 14) != record.crc || Read32(bytes + 18) != record.compressedSize ||
         Read32(bytes + 22) != record.uncompressedSize)) {
        return ZipResult::kBadLocalHeader;
    }
    if (Read16(bytes + 26) != record.nameLength) return ZipResult::kBadLocalHeader;
    entry.extraLength = Read16(bytes + 28);
    entry.extraOffset = headerOffset + kLocalHeaderSize + record.nameLength;
    entry.dataOffset = entry.extraOffset + entry.extraLength;

    const uint32_t overhead = (record.flags & kFlagEncrypted) ? kEncryptionHeaderSize : 0;
    if (record.compressedSize < overhead || entry.dataOffset + record.compressedSize > source_->Size()) {
        return ZipResult::kBadLocalHeader;
    }
    const uint64_t payload = record.compressedSize - overhead;
    const bool believable = method == kStored ? payload == record.uncompressedSize
                                              : record.uncompressedSize <= kMaxEntrySize &&
                                                    record.uncompressedSize <= payload * kMaxInflationRatio;
    return believable ? ZipResult::kSuccess : ZipResult::kBadLocalHeader;
}

namespace {

// The extended timestamp ("UT") in an extra field: flags, then the times its bits announce, in
// Unix seconds. Every read stays inside the field's own length and the extra field.
void ReadTimestamps(const std::vector<unsigned char>& extra, TZipEntryInfo& info) {
    for (size_t at = 0; at + 4 <= extra.size();) {
        const uint16_t id = Read16(extra.data() + at);
        const uint16_t length = Read16(extra.data() + at + 2);
        const size_t end = std::min<size_t>(at + 4 + length, extra.size());
        if (id == 0x5455 && at + 4 < end) {
            const unsigned char flags = extra[at + 4];
            size_t field = at + 5;
            FILETIME* times[] = {&info.modificationTime, &info.accessTime, &info.creationTime};
            for (int bit = 0; bit < 3; ++bit) {
                if ((flags & (1 << bit)) == 0 || field + 4 > end) continue;
                *times[bit] = UnixTimeToFileTime(Read32(extra.data() + field));
                field += 4;
            }
        }
        at = at + 4 + length;
    }
}

}  // namespace

uint32_t ZipReader::FillInfo(TZipEntryInfo& info) {
    LocalEntry entry;
    const uint32_t checked = CheckLocalHeader(current_, entry);
    if (checked != ZipResult::kSuccess) return checked;

    info = TZipEntryInfo{};
    info.index = currentIndex_;
    unsigned char stored[kMaxStoredName] = {};
    const size_t nameLength = std::min<size_t>(current_.nameLength, kMaxStoredName);
    const size_t nameRead = source_->ReadAt(currentOffset_ + kDirectoryRecordSize, stored, nameLength);
    const std::wstring name = SafeEntryName(
        Platform::ToWideString(Platform::CodePage::Utf8, std::string(reinterpret_cast<const char*>(stored), nameRead)));
    const size_t copied = std::min<size_t>(name.size(), TZipEntryInfo::kNameCapacity - 1);
    std::copy(name.begin(), name.begin() + copied, info.name);
    info.attributes = AttributesOf(current_.versionMadeBy, current_.externalAttributes);
    info.compressedSize = current_.compressedSize;
    info.uncompressedSize = current_.uncompressedSize;
    info.modificationTime = Platform::DosTimeToFileTime(current_.dosDate, current_.dosTime);
    info.accessTime = info.creationTime = info.modificationTime;

    std::vector<unsigned char> extra(entry.extraLength);
    if (!source_->ReadExactly(entry.extraOffset, extra.data(), extra.size())) return ZipResult::kBadExtraData;
    ReadTimestamps(extra, info);
    return ZipResult::kSuccess;
}

uint32_t ZipReader::OpenCurrentEntry() {
    LocalEntry entry;
    const uint32_t checked = CheckLocalHeader(current_, entry);
    if (checked != ZipResult::kSuccess) return checked;
    auto open = std::make_unique<OpenEntry>();
    open->index = currentIndex_;
    open->method = current_.method;
    open->expectedCrc = current_.crc;
    open->nextCompressed = entry.dataOffset;
    open->compressedLeft = current_.compressedSize;
    open->uncompressedLeft = current_.uncompressedSize;
    if (current_.flags & kFlagEncrypted) {
        open->decryptor = std::make_unique<ZipDecryptor>(hasPassword_ ? password_.c_str() : nullptr);
        open->headerLeft = kEncryptionHeaderSize;
        const uint16_t checkSource =
            (current_.flags & kFlagDataDescriptor) ? current_.dosTime : static_cast<uint16_t>(current_.crc >> 16);
        open->checkByte = static_cast<unsigned char>(checkSource >> 8);
    }
    if (open->method == kDeflated) {
        if (inflateInit2(&open->stream, -MAX_WBITS) != Z_OK) return ZipResult::kReadError;
        open->inflating = true;
    }
    open_ = std::move(open);
    return ZipResult::kSuccess;
}

void ZipReader::CloseEntry() { open_.reset(); }

uint32_t ZipReader::Extract(int index, unsigned char* buffer, uint32_t size) {
    if (buffer == nullptr && size > 0) return ZipResult::kBadArgument;
    if (open_ == nullptr || open_->index != index) {
        CloseEntry();
        if (index < 0 || index >= entryCount_) return ZipResult::kBadArgument;
        if (!GoTo(index)) return ZipResult::kReadError;
        const uint32_t opened = OpenCurrentEntry();
        if (opened != ZipResult::kSuccess) return opened;
    }
    const uint32_t result = ReadEntry(buffer, size);
    if (result != ZipResult::kMoreData) CloseEntry();
    return result;
}

// Reads the next block of compressed data, decrypted, and consumes the encryption header first.
uint32_t ZipReader::FillInput() {
    OpenEntry& e = *open_;
    const size_t length = std::min<size_t>(kInputBufferSize, e.compressedLeft);
    if (length == 0 || !source_->ReadExactly(e.nextCompressed, e.input.get(), length)) return ZipResult::kReadError;
    e.nextCompressed += length;
    e.compressedLeft -= static_cast<uint32_t>(length);
    if (e.decryptor != nullptr) e.decryptor->Decrypt(e.input.get(), length);
    e.inputStart = 0;
    e.inputEnd = length;
    if (e.headerLeft > 0) {
        const size_t header = std::min<size_t>(e.headerLeft, length);
        e.headerLeft -= static_cast<int>(header);
        e.inputStart = header;
        if (e.headerLeft == 0 && e.input[header - 1] != e.checkByte) return ZipResult::kWrongPassword;
    }
    return ZipResult::kSuccess;
}

uint32_t ZipReader::ReadEntry(unsigned char* buffer, uint32_t size) {
    OpenEntry& e = *open_;
    // The password header is checked even when no data follows it (an empty encrypted entry).
    while (e.headerLeft > 0) {
        const uint32_t filled = FillInput();
        if (filled != ZipResult::kSuccess) return filled;
    }
    uint32_t delivered = 0;
    while (delivered < size && e.uncompressedLeft > 0) {
        if (e.inputStart == e.inputEnd) {
            const uint32_t filled = FillInput();
            if (filled != ZipResult::kSuccess) return filled;
            continue;
        }
        const uint32_t room = std::min(size - delivered, e.uncompressedLeft);
        unsigned char* out = buffer + delivered;
        uint32_t produced = 0;
        if (e.method == kStored) {
            produced = static_cast<uint32_t>(std::min<size_t>(room, e.inputEnd - e.inputStart));
            std::memcpy(out, e.input.get() + e.inputStart, produced);
            e.inputStart += produced;
        } else {
            e.stream.next_in = e.input.get() + e.inputStart;
            e.stream.avail_in = static_cast<uInt>(e.inputEnd - e.inputStart);
            e.stream.next_out = out;
            e.stream.avail_out = room;
            const int status = inflate(&e.stream, Z_SYNC_FLUSH);
            const size_t consumed = (e.inputEnd - e.inputStart) - e.stream.avail_in;
            produced = room - e.stream.avail_out;
            e.inputStart += consumed;
            const bool ended = status == Z_STREAM_END;
            if ((status != Z_OK && !ended) || (consumed == 0 && produced == 0 && !ended)) return ZipResult::kReadError;
            if (ended && produced < e.uncompressedLeft) return ZipResult::kReadError;  // shorter than claimed
        }
        e.crc = static_cast<uint32_t>(crc32(e.crc, out, produced));
        e.uncompressedLeft -= produced;
        delivered += produced;
    }
    if (e.uncompressedLeft > 0) return ZipResult::kMoreData;  // the buffer is full
    // Corrupted bytes are never delivered as a success.
    return e.crc == e.expectedCrc ? ZipResult::kSuccess : ZipResult::kReadError;
}

}  // namespace Tovik
