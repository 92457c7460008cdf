#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vdbq {

#if defined(__linux__) && defined(MADV_HUGEPAGE)
inline constexpr size_t kHugePageSize = size_t{2} << 20;
#endif

// Asks for huge pages over the whole huge pages inside [begin, begin + size): memory that is
// about to be written fresh then faults in 2 MB steps instead of one per 4 KB.
inline void AdviseHugePages([[maybe_unused]] void* begin, [[maybe_unused]] size_t size) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  const auto from = reinterpret_cast<uintptr_t>(begin);
  const uintptr_t first = (from + kHugePageSize - 1) & ~uintptr_t{kHugePageSize - 1};
  const uintptr_t end = (from + size) & ~uintptr_t{kHugePageSize - 1};
  if (first < end) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

// A block of `size` bytes, not filled, to be released with std::free. A block of megabytes is
// put on huge pages where the system offers them: the kernel then maps it in a few steps
// instead of taking a page fault per 4 KB as it is first written, which costs more than
// filling it. Throws std::bad_alloc when there is no memory.
inline void* AllocateOnHugePages(size_t size) {
  void* block = nullptr;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  if (size >= kHugePageSize) {
    const size_t rounded = (size + kHugePageSize - 1) / kHugePageSize * kHugePageSize;
    block = std::aligned_alloc(kHugePageSize, rounded);
    if (block != nullptr) AdviseHugePages(block, rounded);
  }
#endif
  if (block == nullptr) block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

// A standard allocator over AllocateOnHugePages, for arrays over every job or schedule that are
// written fresh in every run; on huge pages their lookups also miss the address cache less.
template <typename T>
struct HugePageAllocator {
  using value_type = T;

  HugePageAllocator() = default;
  template <typename U>
  HugePageAllocator(const HugePageAllocator<U>&) {}  // NOLINT: converting, as allocators do

  T* allocate(size_t count) { return static_cast<T*>(AllocateOnHugePages(count * sizeof(T))); }
  void deallocate(T* block, size_t) { std::free(block); }

  template <typename U>
  bool operator==(const HugePageAllocator<U>&) const {
    return true;
  }
};

template <typename T>
using HugeVector = std::vector<T, HugePageAllocator<T>>;

}  // namespace vdbq
