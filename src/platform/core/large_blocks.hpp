// Memory for the game's big buffers: level pictures and the collision grid, tens of MB each.
#pragma once
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

// On some machines first touching fresh memory costs far more than the work done in it
// (a level's 25 MB map cost 50-100 ms that way on the machine the game was tuned on). Large
// blocks are therefore backed by huge pages where the system has them, and kept once freed,
// so the next level reuses memory that is already in place.
constexpr size_t kLargeAllocation = size_t(4) << 20;
void* AllocateLarge(size_t bytes);
void FreeLarge(void* p);

// Prepares blocks of these sizes on a background thread (touching every page), so the first
// large buffers of a given size are ready when they are asked for. Asking for a large block
// waits for this preparation to finish.
void WarmLargeBlocks(std::vector<size_t> sizes);

// Bytes held in blocks that are prepared or freed and not in use (for tests and figures).
size_t IdleLargeBytes();
// Gives every idle block back to the system.
void ReleaseIdleLargeBlocks();

// A standard allocator that takes big arrays from the large blocks.
template <typename T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <typename U>
    LargeAllocator(const LargeAllocator<U>&) {}

    T* allocate(size_t n) {
        if (n * sizeof(T) >= kLargeAllocation)
            return static_cast<T*>(AllocateLarge(n * sizeof(T)));
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, size_t n) {
        if (n * sizeof(T) >= kLargeAllocation)
            FreeLarge(p);
        else
            std::allocator<T>().deallocate(p, n);
    }
    template <typename U>
    bool operator==(const LargeAllocator<U>&) const {
        return true;
    }
};

// As LargeAllocator, but new elements are left uninitialised: pictures are written in full
// right after sizing.
template <typename T>
struct UninitialisedAllocator : LargeAllocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <typename U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) {}
    template <typename U>
    void construct(U* p) {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

}  // namespace platform
