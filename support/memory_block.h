// MemoryBlock: a lock-guarded byte buffer made of a chain of zero-filled chunks. Bytes are stored
// contiguously from the start of the first chunk, each chunk filled before the next receives any.
// Append, ZeroFill and ReleaseChunks may be called from different threads; construction and
// destruction must not overlap other use.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

class MemoryBlock {
public:
    enum Mode { kFixed = 0, kGrowable = 1, kTruncating = 2 };
    static constexpr int kMinChunkSize = 512;

    struct ChunkInfo {
        int used;
        int capacity;
    };

    explicit MemoryBlock(int chunkSize);
    MemoryBlock(const MemoryBlock&) = delete;
    MemoryBlock& operator=(const MemoryBlock&) = delete;
    ~MemoryBlock();

    void SetMode(int mode);
    // Returns how many bytes were accepted: fixed mode takes all or nothing, growable mode takes
    // all (adding a chunk when needed), truncating mode takes what fits.
    int Append(const void* data, int length);
    // Keeps the chunks for reuse but marks everything empty; the next append starts at the first.
    void ZeroFill();
    void ReleaseChunks();

    // Copies up to `capacity` stored bytes from the start; returns how many were copied.
    int Read(void* buffer, int capacity) const;
    int GetUsed() const;
    int GetCapacity() const;
    int GetCurrentChunk() const;
    std::vector<ChunkInfo> GetChunks() const;

private:
    struct Chunk {
        std::unique_ptr<unsigned char[]> bytes;
        int used;
        int capacity;
    };

    void FillFreeSpace(const unsigned char* data, int length);
    void AddChunk(const unsigned char* data, int length);

    mutable std::mutex lock_;
    std::vector<Chunk> chunks_;
    int chunkSize_;
    int used_ = 0;
    int capacity_ = 0;
    int currentChunk_ = -1;
    int mode_ = kGrowable;
};
