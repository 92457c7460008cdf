#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vdbq {

// An allocator that puts blocks of megabytes on huge pages where the system offers them. The
// check's arrays over every job and schedule are written once, fresh, in every run: on 4 KB
// pages they would take a page fault per 4 KB, which costs more than filling them, and their
// lookups would miss the address cache at every step.
template <typename T>
struct HugePageAllocator {
  using value_type = T;

  HugePageAllocator() = default;
  template <typename U>
  HugePageAllocator(const HugePageAllocator<U>&) {}  // NOLINT: converting, as allocators do

  T* allocate(size_t count) {
    const size_t size = count * sizeof(T);
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
    return static_cast<T*>(block);
  }
  void deallocate(T* block, size_t) { std::free(block); }

  template <typename U>
  bool operator==(const HugePageAllocator<U>&) const {
    return true;
  }
};

template <typename T>
using HugeVector = std::vector<T, HugePageAllocator<T>>;

}  // namespace vdbq
