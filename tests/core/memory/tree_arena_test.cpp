#include "core/memory/tree_arena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace vdbq {
namespace {

struct ArenaRow {
  const char* Name;
  size_t Foreseen;  // what Reset is told the tree needs
  size_t Size;
  size_t Alignment;
  int Count;
};

class TreeArenaTest : public testing::TestWithParam<ArenaRow> {};

// Every allocation is aligned, apart from every other and keeps what was written to it, within
// the first block and across the blocks that follow when the tree outgrows it; after a Reset the
// arena hands out memory again.
TEST_P(TreeArenaTest, HandsOutAlignedBlocksThatDoNotOverlap) {
  const ArenaRow& row = GetParam();
  TreeArena arena;
  for (int round = 0; round < 2; ++round) {
    arena.Reset(row.Foreseen);
    std::vector<std::pair<char*, char*>> taken;
    for (int k = 0; k < row.Count; ++k) {
      auto* at = static_cast<char*>(arena.allocate(row.Size, row.Alignment));
      ASSERT_EQ(reinterpret_cast<uintptr_t>(at) % row.Alignment, 0U) << k;
      std::memset(at, k & 0xFF, row.Size);
      taken.emplace_back(at, at + row.Size);
    }
    for (int k = 0; k < row.Count; ++k) {
      EXPECT_EQ(taken[k].first[row.Size - 1], static_cast<char>(k & 0xFF)) << k;
    }
    std::sort(taken.begin(), taken.end());
    for (size_t k = 1; k < taken.size(); ++k) EXPECT_LE(taken[k - 1].second, taken[k].first);
  }
}

INSTANTIATE_TEST_SUITE_P(Shapes, TreeArenaTest,
                         testing::Values(ArenaRow{"smallInOneBlock", 1 << 20, 24, 8, 1000},
                                         ArenaRow{"oddSizesAligned", 0, 13, 16, 20000},
                                         ArenaRow{"outgrowsTheForeseen", 4096, 40, 8, 50000},
                                         ArenaRow{"largerThanABlock", 0, 300000, 64, 5}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace vdbq
