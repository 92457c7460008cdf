#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/memory/flat_view_map.h"

namespace vdbq {

// Answers, for many texts at once, whether "," + text + "," occurs in "," + list, where list is
// entries each followed by a comma. A text without a comma must be one of the entries; a text
// with commas must be a run of consecutive entries, its parts in order. All texts asked about
// are given first and matched together in one pass over the entries (an automaton over the
// entries' parts), so that many long texts with commas cost no more than the list once.
class EntryRuns {
 public:
  // The list and the texts must outlive the object.
  EntryRuns(std::string_view list, const std::vector<std::string>& texts);
  // The same over views of the texts.
  static EntryRuns OfViews(std::string_view list, const std::vector<std::string_view>& texts);

  // Whether text occurs; a text with commas must be one of those given.
  bool Holds(std::string_view text) const;

 private:
  static constexpr uint32_t kNoNode = UINT32_MAX;
  struct Node {
    std::unordered_map<uint32_t, uint32_t> Next;
    uint32_t Fail = 0;
    // The nearest node on the fail chain (this one excluded) that ends a text, or kNoNode.
    uint32_t Output = kNoNode;
    bool EndsText = false;
    bool Seen = false;
  };

  EntryRuns() = default;
  template <typename Text>
  void Build(std::string_view list, const std::vector<Text>& texts);
  uint32_t Child(uint32_t node, uint32_t part) const;
  void Insert(std::string_view text);
  void Link();
  void Match(const std::vector<uint32_t>& entries);

  // The entries, each with a number of its own.
  FlatViewMap partIds_;
  // The automaton over the texts with commas; node 0 is the root.
  std::vector<Node> nodes_{Node{}};
  FlatViewMap textNodes_;
};

// For each text, whether it is one of the entries of list (entries each followed by a comma);
// texts that hold a comma get false (EntryRuns answers for them). Gives what EntryRuns::Holds
// gives for such texts, but from one compact table over the entries probed in batches, so that
// for hundreds of thousands of entries and texts the cache misses overlap.
// withComma, when given, is set to whether any text holds a comma.
std::vector<char> EntriesAmong(std::string_view list, const std::vector<std::string_view>& texts,
                               bool* withComma = nullptr);

}  // namespace vdbq
