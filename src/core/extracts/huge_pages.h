#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vdbq {

// A block of `size` bytes, not filled, to be released with std::free. A block of megabytes is
// put on huge pages where the system offers them: the kernel then maps it in a few steps
// instead of taking a page fault per 4 KB as it is first written, which costs more than
// filling it. Throws std::bad_alloc when there is no memory.
inline void* AllocateOnHugePages(size_t size) {
  void* block = nullptr;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr size_t kHugePage = size_t{2} << 20;
  if (size >= kHugePage) {
    const size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    block = std::aligned_alloc(kHugePage, rounded);
    if (block != nullptr) madvise(block, rounded, MADV_HUGEPAGE);
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
