#include "core/memory/open_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/memory/flat_view_map.h"

namespace vdbq {
namespace {

// Random keys over a small alphabet, so that many repeat; lengths cross the hash's word sizes.
std::vector<std::string> RandomKeys(std::mt19937& random, size_t count, size_t maxLength) {
  std::vector<std::string> keys(count);
  for (std::string& key : keys) {
    key.resize(random() % (maxLength + 1));
    for (char& c : key) c = static_cast<char>('A' + random() % 3);
  }
  return keys;
}

struct MapRow {
  const char* Name;
  size_t Keys;
  size_t MaxLength;
  size_t Reserved;  // 0: the map grows from empty
};

class FlatViewMapTest : public testing::TestWithParam<MapRow> {};

// Inserts answer as std::unordered_map's do, and every key, present or not, is found as there.
TEST_P(FlatViewMapTest, AnswersAsTheStandardMap) {
  std::mt19937 random(7);
  const std::vector<std::string> keys = RandomKeys(random, GetParam().Keys, GetParam().MaxLength);
  const std::vector<std::string> asked = RandomKeys(random, 200, GetParam().MaxLength + 1);
  FlatViewMap map;
  if (GetParam().Reserved > 0) map.reserve(GetParam().Reserved);
  std::unordered_map<std::string_view, uint32_t> expected;
  for (uint32_t k = 0; k < keys.size(); ++k) {
    const auto [slot, added] = map.try_emplace(keys[k], k);
    const auto [place, expectedAdded] = expected.try_emplace(keys[k], k);
    ASSERT_EQ(added, expectedAdded) << keys[k];
    EXPECT_EQ(slot->second, place->second) << keys[k];
  }
  EXPECT_EQ(map.size(), expected.size());
  for (const std::string& key : asked) {
    const auto found = expected.find(key);
    ASSERT_EQ(map.contains(key), found != expected.end()) << key;
    if (found != expected.end()) {
      EXPECT_EQ(map.find(key)->second, found->second) << key;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FlatViewMapTest,
                         testing::Values(MapRow{"empty", 0, 4, 0}, MapRow{"few", 10, 3, 0},
                                         MapRow{"growing", 5000, 12, 0},
                                         MapRow{"reserved", 5000, 12, 6000},
                                         MapRow{"underReserved", 3000, 20, 10}),
                         [](const auto& info) { return std::string(info.param.Name); });

// A table over keys kept by the test, each slot referring to one, with the hashes of a row.
struct KeyTable {
  using Slot = RefSlot<uint32_t>;
  std::vector<std::string> Keys;
  uint64_t (*Hash)(std::string_view);
  OpenTable<Slot> Table;

  // The batched lookup's questions: the keys asked, every fifth skipped.
  static constexpr int kKeyHops = 2;
  std::vector<std::string> Asked;
  std::vector<long long> Answers;
  const void* KeyBytes(size_t k) const { return Asked[k].data(); }
  uint64_t HashOf(size_t k) const { return Hash(Asked[k]); }
  bool Wanted(size_t k) const { return k % 5 != 4; }
  void PrefetchKey(const Slot&, int) const {}
  bool Holds(const Slot& slot, size_t k) const { return Keys[slot.Ref()] == Asked[k]; }
  void Found(size_t k, const Slot* slot) {
    Answers[k] = slot ? static_cast<long long>(slot->Ref()) : -1;
  }

  long long FirstIndexOf(std::string_view key) const {
    const auto at = std::find(Keys.begin(), Keys.end(), key);
    return at == Keys.end() ? -1 : at - Keys.begin();
  }
};

struct CollisionRow {
  const char* Name;
  uint64_t (*HashOf)(std::string_view);
};

class OpenTableCollisions : public testing::TestWithParam<CollisionRow> {};

// Keys whose hashes collide are told apart by their keys, runs wrap past the table's end, and
// the batched lookup answers for a batch and a half of keys, present, absent and skipped.
TEST_P(OpenTableCollisions, KeysAreToldApart) {
  KeyTable table{{"a", "b", "a", "cc", "", "b", "dd", "ee", "cc"}, GetParam().HashOf, {}, {}, {}};
  table.Table.Reset(table.Keys.size());
  for (uint32_t k = 0; k < table.Keys.size(); ++k) {
    const std::string& key = table.Keys[k];
    const uint64_t hash = table.Hash(key);
    const auto [slot, added] = table.Table.Insert(
        hash, [&](const KeyTable::Slot& s) { return table.Keys[s.Ref()] == key; });
    if (added) *slot = KeyTable::Slot::Of(hash, k);
    EXPECT_EQ(slot->Ref(), table.FirstIndexOf(key)) << key;
  }
  EXPECT_EQ(table.Table.Taken(), 6U);
  for (int k = 0; k < 48; ++k) table.Asked.push_back(table.Keys[k % 9] + (k % 4 == 3 ? "x" : ""));
  table.Answers.assign(table.Asked.size(), -2);
  table.Table.FindEach(table.Asked.size(), table);
  for (size_t k = 0; k < table.Asked.size(); ++k) {
    EXPECT_EQ(table.Answers[k], k % 5 == 4 ? -1 : table.FirstIndexOf(table.Asked[k])) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Hashes, OpenTableCollisions,
    testing::Values(CollisionRow{"spread", [](std::string_view key) { return HashBytes(key); }},
                    CollisionRow{"allTheSame", [](std::string_view) { return uint64_t{5}; }},
                    CollisionRow{"sameHomeOtherTags",
                                 [](std::string_view key) { return HashBytes(key) << 32 | 3; }},
                    CollisionRow{"wrapAtTheEnd",
                                 [](std::string_view key) { return (key.size() << 32) | 31; }}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace vdbq
