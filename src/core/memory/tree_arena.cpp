#include "core/memory/tree_arena.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/memory/huge_pages.h"

namespace vdbq {

TreeArena::~TreeArena() { Reset(0); }

void TreeArena::Reset(size_t bytes) {
  for (void* block : blocks_) std::free(block);
  blocks_.clear();
  next_ = end_ = nullptr;
  nextBlockSize_ = std::max(bytes, size_t{64} << 10);
}

void* TreeArena::do_allocate(size_t bytes, size_t alignment) {
  auto aligned = [alignment](char* at) {
    const auto address = reinterpret_cast<uintptr_t>(at);
    return at + ((alignment - address % alignment) % alignment);
  };
  // The padding may itself run past the end of the block, so it is measured before the room.
  const auto fits = [&] {
    if (next_ == nullptr) return false;
    const char* at = aligned(next_);
    return at <= end_ && bytes <= static_cast<size_t>(end_ - at);
  };
  if (!fits()) {
    const size_t size = std::max(nextBlockSize_, bytes + alignment);
    blocks_.reserve(blocks_.size() + 1);
    char* block = static_cast<char*>(AllocateOnHugePages(size));
    blocks_.push_back(block);
    next_ = block;
    end_ = block + size;
    // A tree larger than foreseen takes blocks each twice the last.
    nextBlockSize_ = size * 2;
  }
  char* at = aligned(next_);
  next_ = at + bytes;
  return at;
}

}  // namespace vdbq
