// File and memory sources of ZIP archives.
#include "ui/core/zip_source.h"

#include <cstring>

#include "support/platform.h"

namespace Tovik {
namespace {

class FileSource : public ZipSource {
public:
    FileSource(FILE* file, uint64_t size) : file_(file), size_(size) {}
    ~FileSource() override { std::fclose(file_); }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    uint64_t Size() const override { return size_; }

    size_t ReadAt(uint64_t offset, void* out, size_t length) override {
        if (offset >= size_ || length == 0) return 0;
        if (offset != position_ && !Platform::SeekFile(file_, static_cast<int64_t>(offset), SEEK_SET)) {
            position_ = UINT64_MAX;
            return 0;
        }
        const size_t read = std::fread(out, 1, length, file_);
        position_ = offset + read;
        return read;
    }

private:
    FILE* file_;
    uint64_t size_;
    uint64_t position_ = 0;
};

class MemorySource : public ZipSource {
public:
    MemorySource(const void* data, size_t size) : data_(static_cast<const unsigned char*>(data)), size_(size) {}

    uint64_t Size() const override { return size_; }

    size_t ReadAt(uint64_t offset, void* out, size_t length) override {
        if (offset >= size_ || length == 0) return 0;
        const size_t available = static_cast<size_t>(size_ - offset);
        const size_t read = length < available ? length : available;
        std::memcpy(out, data_ + offset, read);
        return read;
    }

private:
    const unsigned char* data_;
    size_t size_;
};

}  // namespace

std::unique_ptr<ZipSource> ZipSource::OpenFile(const wchar_t* path) {
    if (path == nullptr) return nullptr;
    FILE* file = Platform::OpenFile(path, L"rb");
    if (file == nullptr) return nullptr;
    const int64_t size = Platform::FileSize(file);
    if (size < 0) {
        std::fclose(file);
        return nullptr;
    }
    return std::make_unique<FileSource>(file, static_cast<uint64_t>(size));
}

std::unique_ptr<ZipSource> ZipSource::FromMemory(const void* data, size_t size) {
    if (data == nullptr || size == 0) return nullptr;
    return std::make_unique<MemorySource>(data, size);
}

}  // namespace Tovik
