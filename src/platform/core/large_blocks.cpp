#include "platform/core/large_blocks.hpp"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include <sys/mman.h>

namespace platform {
namespace {

constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kSmallPage = 4096;
// Freed blocks beyond this many idle bytes go back to the system.
constexpr size_t kIdleLimit = size_t(96) << 20;

struct Block {
    void* p;
    size_t bytes;
};

struct Pool {
    std::mutex mutex;
    std::vector<Block> idle;
    std::vector<Block> inUse;

    std::mutex warmerMutex;
    std::thread warmer;

    // The caller holds `mutex`.
    size_t IdleBytes() const {
        size_t total = 0;
        for (const Block& b : idle) total += b.bytes;
        return total;
    }

    // Gives every idle block back to the system; the caller holds `mutex`.
    void FreeIdleBlocks() {
        for (const Block& b : idle) std::free(b.p);
        idle.clear();
    }

    void WaitForWarmer() {
        std::lock_guard lock(warmerMutex);
        if (warmer.joinable())
            warmer.join();
    }
};

// Never destroyed: pictures held by other static objects give their blocks back during the
// process's exit, and a preparation still running then is simply abandoned.
Pool& ThePool() {
    static Pool* pool = new Pool;
    return *pool;
}

size_t RoundedToHugePages(size_t bytes) {
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

void* FreshBlock(size_t rounded) {
    void* p = std::aligned_alloc(kHugePage, rounded);
    if (!p)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(p, rounded, MADV_HUGEPAGE);  // a hint; without huge pages nothing changes
#endif
    return p;
}

void TouchEveryPage(void* p, size_t bytes) {
    auto* bytePointer = static_cast<volatile unsigned char*>(p);
    for (size_t i = 0; i < bytes; i += kSmallPage) bytePointer[i] = 0;
}

// Runs on the preparing thread, where an escaping exception would end the process: a block the
// system cannot give now is just not prepared, and the level start that needs it asks for it
// itself (and reports a real shortage there, as any allocation would).
void PrepareBlock(Pool& pool, size_t bytes) noexcept {
    const size_t rounded = RoundedToHugePages(std::max<size_t>(bytes, 1));
    void* p = nullptr;
    try {
        p = FreshBlock(rounded);
        TouchEveryPage(p, rounded);
        std::lock_guard poolLock(pool.mutex);
        pool.idle.push_back({p, rounded});
    } catch (const std::exception&) {
        std::free(p);
    }
}

}  // namespace

void* AllocateLarge(size_t bytes) {
    Pool& pool = ThePool();
    pool.WaitForWarmer();
    const size_t rounded = RoundedToHugePages(std::max<size_t>(bytes, 1));
    std::lock_guard lock(pool.mutex);
    // The smallest idle block that fits, so a small request does not take the big block.
    auto best = pool.idle.end();
    for (auto it = pool.idle.begin(); it != pool.idle.end(); ++it)
        if (it->bytes >= rounded && (best == pool.idle.end() || it->bytes < best->bytes))
            best = it;
    Block block{nullptr, rounded};
    if (best != pool.idle.end()) {
        block = *best;
        pool.idle.erase(best);
    } else {
        // Every idle block is too small for this and later requests of this size: hand them
        // back rather than hold memory the game is not using.
        pool.FreeIdleBlocks();
        block.p = FreshBlock(rounded);
    }
    pool.inUse.push_back(block);
    return block.p;
}

void FreeLarge(void* p) {
    if (!p)
        return;
    Pool& pool = ThePool();
    std::lock_guard lock(pool.mutex);
    auto it = std::find_if(pool.inUse.begin(), pool.inUse.end(),
                           [p](const Block& b) { return b.p == p; });
    if (it == pool.inUse.end()) {
        std::free(p);
        return;
    }
    const Block block = *it;
    pool.inUse.erase(it);
    if (pool.IdleBytes() + block.bytes <= kIdleLimit) {
        pool.idle.push_back(block);
    } else {
        std::free(block.p);
    }
}

void WarmLargeBlocks(std::vector<size_t> sizes) {
    if (sizes.empty())
        return;
    Pool& pool = ThePool();
    pool.WaitForWarmer();
    std::lock_guard lock(pool.warmerMutex);
    try {
        pool.warmer = std::thread([&pool, sizes = std::move(sizes)] {
            for (size_t bytes : sizes) PrepareBlock(pool, bytes);
        });
    } catch (const std::system_error&) {
        // No thread to be had: the blocks are simply made when a level asks for them.
    }
}

size_t IdleLargeBytes() {
    Pool& pool = ThePool();
    pool.WaitForWarmer();
    std::lock_guard lock(pool.mutex);
    return pool.IdleBytes();
}

void ReleaseIdleLargeBlocks() {
    Pool& pool = ThePool();
    pool.WaitForWarmer();
    std::lock_guard lock(pool.mutex);
    pool.FreeIdleBlocks();
}

}  // namespace platform
