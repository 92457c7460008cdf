#pragma once

#include <cstddef>
#include <memory_resource>
#include <vector>

namespace vdbq {

// Where a catalogue's nodes live: blocks that are handed out in order and freed together when
// the tree is rebuilt. The first block is sized for the whole tree and put on huge pages, so
// that hundreds of thousands of nodes cost no allocation each and a few page faults in all
// instead of one per 4 KB.
class TreeArena : public std::pmr::memory_resource {
 public:
  TreeArena() = default;
  ~TreeArena() override;
  TreeArena(const TreeArena&) = delete;
  TreeArena& operator=(const TreeArena&) = delete;

  // Frees every block: nothing allocated from the arena may be used afterwards. The next block
  // holds at least `bytes`.
  void Reset(size_t bytes);

 private:
  void* do_allocate(size_t bytes, size_t alignment) override;
  // Memory goes back with the next Reset.
  void do_deallocate(void*, size_t, size_t) override {}
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
    return this == &other;
  }

  std::vector<void*> blocks_;
  char* next_ = nullptr;
  char* end_ = nullptr;
  size_t nextBlockSize_ = size_t{64} << 10;
};

}  // namespace vdbq
