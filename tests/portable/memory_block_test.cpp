// MemoryBlock: chunk arithmetic of the three modes, ZeroFill, ReleaseChunks and concurrent use.
#include "support/memory_block.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

using Chunks = std::vector<std::pair<int, int>>;  // (used, capacity) per chunk

Chunks ChunksOf(const MemoryBlock& block) {
    Chunks chunks;
    for (const auto& chunk : block.GetChunks()) chunks.emplace_back(chunk.used, chunk.capacity);
    return chunks;
}

std::string Bytes(int length, char first = 'a') {
    std::string bytes(length, '\0');
    for (int i = 0; i < length; ++i) bytes[i] = static_cast<char>(first + i % 26);
    return bytes;
}

std::string Contents(const MemoryBlock& block) {
    std::string bytes(block.GetUsed(), '\0');
    bytes.resize(block.Read(&bytes[0], static_cast<int>(bytes.size())));
    return bytes;
}

TEST(MemoryBlock, ChunkSizeIsAtLeast512) {
    for (int requested : {0, -4, 100, 511}) {
        MemoryBlock block(requested);
        block.Append("x", 1);
        EXPECT_EQ(ChunksOf(block), (Chunks{{1, 512}})) << requested;
    }
    MemoryBlock big(4096);
    big.Append("x", 1);
    EXPECT_EQ(big.GetCapacity(), 4096);
}

TEST(MemoryBlock, GrowableFillsEachChunkBeforeAddingTheNext) {
    MemoryBlock block(512);
    const std::string first = Bytes(100), second = Bytes(500, 'A');
    EXPECT_EQ(block.Append(first.data(), 100), 100);
    EXPECT_EQ(ChunksOf(block), (Chunks{{100, 512}}));
    EXPECT_EQ(block.GetCurrentChunk(), 0);
    EXPECT_EQ(block.Append(second.data(), 500), 500);
    EXPECT_EQ(ChunksOf(block), (Chunks{{512, 512}, {88, 512}}));
    EXPECT_EQ(block.GetUsed(), 600);
    EXPECT_EQ(block.GetCapacity(), 1024);
    EXPECT_EQ(block.GetCurrentChunk(), 1);
    EXPECT_EQ(Contents(block), first + second);
}

TEST(MemoryBlock, ALargeFirstAppendGetsOneChunkOfItsOwnSize) {
    MemoryBlock block(512);
    const std::string bytes = Bytes(2000);
    EXPECT_EQ(block.Append(bytes.data(), 2000), 2000);
    EXPECT_EQ(ChunksOf(block), (Chunks{{2000, 2000}}));
    EXPECT_EQ(Contents(block), bytes);
}

TEST(MemoryBlock, FixedModeTakesAllOrNothing) {
    MemoryBlock block(512);
    const std::string bytes = Bytes(500);
    block.Append(bytes.data(), 500);
    block.SetMode(MemoryBlock::kFixed);
    EXPECT_EQ(block.Append(bytes.data(), 13), 0);
    EXPECT_EQ(block.GetUsed(), 500);
    EXPECT_EQ(block.Append(bytes.data(), 12), 12);
    EXPECT_EQ(ChunksOf(block), (Chunks{{512, 512}}));
    EXPECT_EQ(block.Append(bytes.data(), 1), 0);

    MemoryBlock empty(512);
    empty.SetMode(MemoryBlock::kFixed);
    EXPECT_EQ(empty.Append("x", 1), 0);
    EXPECT_TRUE(empty.GetChunks().empty());
}

TEST(MemoryBlock, TruncatingModeTakesWhatFits) {
    MemoryBlock block(512);
    const std::string bytes = Bytes(600);
    block.Append(bytes.data(), 500);
    block.SetMode(MemoryBlock::kTruncating);
    EXPECT_EQ(block.Append(bytes.data() + 500, 100), 12);
    EXPECT_EQ(block.Append(bytes.data(), 5), 0);
    EXPECT_EQ(Contents(block), bytes.substr(0, 512));
}

TEST(MemoryBlock, RefusesNullDataNonPositiveLengthsAndUnknownModes) {
    MemoryBlock block(512);
    EXPECT_EQ(block.Append(nullptr, 10), 0);
    EXPECT_EQ(block.Append("x", 0), 0);
    EXPECT_EQ(block.Append("x", -1), 0);
    block.SetMode(7);
    EXPECT_EQ(block.Append("x", 1), 0);
    EXPECT_EQ(block.GetCapacity(), 0);
}

TEST(MemoryBlock, ZeroFillKeepsChunksAndRestartsAtTheFirst) {
    MemoryBlock untouched(512);
    untouched.ZeroFill();
    EXPECT_EQ(untouched.GetCurrentChunk(), -1);
    EXPECT_TRUE(untouched.GetChunks().empty());

    MemoryBlock block(512);
    const std::string bytes = Bytes(600);
    block.Append(bytes.data(), 100);
    block.Append(bytes.data(), 500);
    block.ZeroFill();
    EXPECT_EQ(ChunksOf(block), (Chunks{{0, 512}, {0, 512}}));
    EXPECT_EQ(block.GetUsed(), 0);
    EXPECT_EQ(block.GetCurrentChunk(), 0);
    EXPECT_EQ(block.Append("xyz", 3), 3);
    EXPECT_EQ(ChunksOf(block), (Chunks{{3, 512}, {0, 512}}));
    EXPECT_EQ(Contents(block), "xyz");
    EXPECT_EQ(block.Append(bytes.data(), 600), 600);
    EXPECT_EQ(ChunksOf(block), (Chunks{{512, 512}, {91, 512}}));
}

TEST(MemoryBlock, ReleaseChunksGivesEverythingBack) {
    MemoryBlock block(512);
    block.Append(Bytes(700).data(), 700);
    block.ReleaseChunks();
    EXPECT_TRUE(block.GetChunks().empty());
    EXPECT_EQ(block.GetUsed(), 0);
    EXPECT_EQ(block.GetCapacity(), 0);
    EXPECT_EQ(block.GetCurrentChunk(), -1);
    EXPECT_EQ(block.Append("ab", 2), 2);
    EXPECT_EQ(ChunksOf(block), (Chunks{{2, 512}}));
}

TEST(MemoryBlock, ConcurrentAppendsAndClearsKeepTheInvariant) {
    MemoryBlock block(512);
    const std::string bytes = Bytes(97);
    std::thread producer([&] {
        for (int i = 0; i < 2000; ++i) block.Append(bytes.data(), 97);
    });
    for (int i = 0; i < 200; ++i) {
        block.ZeroFill();
        const int used = block.GetUsed();
        EXPECT_LE(used, block.GetCapacity());
    }
    producer.join();
    int total = 0;
    for (const auto& chunk : block.GetChunks()) total += chunk.used;
    EXPECT_EQ(total, block.GetUsed());
}

}  // namespace
