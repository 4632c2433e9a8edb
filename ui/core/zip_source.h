// Where a ZIP archive's bytes come from: a file opened for reading, or a block of memory that the
// caller keeps alive. Reads past the end deliver only the bytes that exist.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace Tovik {

class ZipSource {
public:
    virtual ~ZipSource() = default;
    virtual uint64_t Size() const = 0;
    // Copies up to `length` bytes from `offset`; returns how many there were.
    virtual size_t ReadAt(uint64_t offset, void* out, size_t length) = 0;

    bool ReadExactly(uint64_t offset, void* out, size_t length) { return ReadAt(offset, out, length) == length; }

    // Null when the file cannot be opened or its size cannot be told.
    static std::unique_ptr<ZipSource> OpenFile(const wchar_t* path);
    static std::unique_ptr<ZipSource> FromMemory(const void* data, size_t size);
};

}  // namespace Tovik
