// The pool behind the big buffers: prepared blocks serve the first requests, freed blocks
// serve the next ones, and idle memory is not hoarded.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/core/large_blocks.hpp"

namespace {

constexpr size_t kMB = size_t(1) << 20;

class LargeBlocks : public ::testing::Test {
  protected:
    void SetUp() override { platform::ReleaseIdleLargeBlocks(); }
    void TearDown() override { platform::ReleaseIdleLargeBlocks(); }
};

}  // namespace

TEST_F(LargeBlocks, PreparedBlocksServeTheRequestsTheyFitBest) {
    platform::WarmLargeBlocks({10 * kMB, 5 * kMB + 1});
    EXPECT_EQ(platform::IdleLargeBytes(), 16 * kMB);  // whole 2 MB pages

    // 5 MB fits both; the smaller (6 MB) block is taken, the 10 MB one stays for the map.
    void* small = platform::AllocateLarge(5 * kMB);
    EXPECT_EQ(platform::IdleLargeBytes(), 10 * kMB);
    void* big = platform::AllocateLarge(9 * kMB);
    EXPECT_EQ(platform::IdleLargeBytes(), 0u);
    std::memset(small, 0x5A, 5 * kMB);
    std::memset(big, 0xA5, 9 * kMB);

    // A freed block comes back for the next request of its size.
    platform::FreeLarge(small);
    EXPECT_EQ(platform::IdleLargeBytes(), 6 * kMB);
    EXPECT_EQ(platform::AllocateLarge(6 * kMB), small);
    platform::FreeLarge(small);
    platform::FreeLarge(big);
    EXPECT_EQ(platform::IdleLargeBytes(), 16 * kMB);
}

TEST_F(LargeBlocks, IdleBlocksTooSmallForARequestGoBackToTheSystem) {
    platform::WarmLargeBlocks({6 * kMB, 8 * kMB});
    void* p = platform::AllocateLarge(20 * kMB);
    EXPECT_EQ(platform::IdleLargeBytes(), 0u);
    platform::FreeLarge(p);
    EXPECT_EQ(platform::IdleLargeBytes(), 20 * kMB);
}

TEST_F(LargeBlocks, FreedMemoryKeptIdleIsCapped) {
    void* blocks[3];
    for (void*& b : blocks) b = platform::AllocateLarge(40 * kMB);
    for (void* b : blocks) platform::FreeLarge(b);
    EXPECT_EQ(platform::IdleLargeBytes(), 80 * kMB);
}

TEST_F(LargeBlocks, VectorsOnTheLargeAllocatorBehaveAsStandardOnes) {
    std::vector<int16_t, platform::LargeAllocator<int16_t>> cells(3 * kMB, -1);
    EXPECT_EQ(platform::IdleLargeBytes(), 0u);
    EXPECT_EQ(cells.front(), -1);
    EXPECT_EQ(cells.back(), -1);
    cells = {};  // small again: the big block is freed into the pool
    cells.shrink_to_fit();
    EXPECT_EQ(platform::IdleLargeBytes(), 6 * kMB);
    std::vector<int16_t, platform::LargeAllocator<int16_t>> small(10, 7);
    EXPECT_EQ(platform::IdleLargeBytes(), 6 * kMB);  // small arrays never touch the pool
}

// The preparing thread must not end the game when the system refuses a block: that block is
// just not prepared, the others are, and a later request is served as usual.
TEST_F(LargeBlocks, ABlockTheSystemRefusesIsLeftOutOfThePreparation) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer ends the process on a refused allocation by itself";
#else
    platform::WarmLargeBlocks({size_t(1) << 62, 4 * kMB});
    EXPECT_EQ(platform::IdleLargeBytes(), 4 * kMB);
    void* block = platform::AllocateLarge(4 * kMB);
    ASSERT_NE(block, nullptr);
    std::memset(block, 0x11, 4 * kMB);
    platform::FreeLarge(block);
#endif
}
