// MemoryBlock chunk arithmetic.
#include "support/memory_block.h"

#include <algorithm>
#include <cstring>

MemoryBlock::MemoryBlock(int chunkSize) : chunkSize_(std::max(chunkSize, kMinChunkSize)) {}

MemoryBlock::~MemoryBlock() { ReleaseChunks(); }

void MemoryBlock::SetMode(int mode) {
    std::lock_guard<std::mutex> guard(lock_);
    mode_ = mode;
}

int MemoryBlock::Append(const void* data, int length) {
    if (data == nullptr || length <= 0) return 0;
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::lock_guard<std::mutex> guard(lock_);
    const int free = capacity_ - used_;
    switch (mode_) {
    case kFixed:
        if (free < length) return 0;
        FillFreeSpace(bytes, length);
        return length;
    case kGrowable:
        if (chunks_.empty()) {
            AddChunk(bytes, length);
        } else if (free >= length) {
            FillFreeSpace(bytes, length);
        } else {
            FillFreeSpace(bytes, free);
            AddChunk(bytes + free, length - free);
        }
        return length;
    case kTruncating: {
        if (free <= 0) return 0;
        const int accepted = std::min(free, length);
        FillFreeSpace(bytes, accepted);
        return accepted;
    }
    default: return 0;
    }
}

// Walks the chunks from the current one (the first when there is none yet); each takes what its
// free space allows and becomes the current chunk.
void MemoryBlock::FillFreeSpace(const unsigned char* data, int length) {
    int remaining = length;
    for (int i = std::max(currentChunk_, 0); remaining > 0 && i < static_cast<int>(chunks_.size()); ++i) {
        Chunk& chunk = chunks_[i];
        const int taken = std::min(chunk.capacity - chunk.used, remaining);
        std::memcpy(chunk.bytes.get() + chunk.used, data, taken);
        chunk.used += taken;
        data += taken;
        remaining -= taken;
        currentChunk_ = i;
    }
    used_ += length;
}

void MemoryBlock::AddChunk(const unsigned char* data, int length) {
    const int capacity = std::max(chunkSize_, length);
    Chunk chunk{std::unique_ptr<unsigned char[]>(new unsigned char[capacity]()), length, capacity};
    std::memcpy(chunk.bytes.get(), data, length);
    chunks_.push_back(std::move(chunk));
    capacity_ += capacity;
    used_ += length;
    ++currentChunk_;
}

void MemoryBlock::ZeroFill() {
    std::lock_guard<std::mutex> guard(lock_);
    if (capacity_ <= 0) return;
    for (Chunk& chunk : chunks_) {
        std::memset(chunk.bytes.get(), 0, chunk.used);
        chunk.used = 0;
    }
    used_ = 0;
    currentChunk_ = chunks_.empty() ? -1 : 0;
}

void MemoryBlock::ReleaseChunks() {
    std::lock_guard<std::mutex> guard(lock_);
    if (capacity_ <= 0) return;
    chunks_.clear();
    used_ = 0;
    capacity_ = 0;
    currentChunk_ = -1;
}

int MemoryBlock::Read(void* buffer, int capacity) const {
    std::lock_guard<std::mutex> guard(lock_);
    auto* out = static_cast<unsigned char*>(buffer);
    int copied = 0;
    for (const Chunk& chunk : chunks_) {
        const int taken = std::min(chunk.used, capacity - copied);
        if (taken <= 0) break;
        std::memcpy(out + copied, chunk.bytes.get(), taken);
        copied += taken;
    }
    return copied;
}

int MemoryBlock::GetUsed() const {
    std::lock_guard<std::mutex> guard(lock_);
    return used_;
}

int MemoryBlock::GetCapacity() const {
    std::lock_guard<std::mutex> guard(lock_);
    return capacity_;
}

int MemoryBlock::GetCurrentChunk() const {
    std::lock_guard<std::mutex> guard(lock_);
    return currentChunk_;
}

std::vector<MemoryBlock::ChunkInfo> MemoryBlock::GetChunks() const {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<ChunkInfo> infos;
    for (const Chunk& chunk : chunks_) infos.push_back({chunk.used, chunk.capacity});
    return infos;
}
