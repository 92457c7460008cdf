#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vdbq {

// Finds, among many follows texts, the few in which a name may stand right before a "." (the
// schedule part of a reference), so that a search for the schedules naming one schedule need
// not test every text. It answers a superset; callers confirm each candidate with the exact test.
class DotReferenceIndex {
 public:
  enum class Match {
    // The name is preceded by the start of the text, ".", "," or "#" (how references are named).
    kWholeSegment,
    // The name may be preceded by anything (a plain substring test for name + ".").
    kSegmentTail,
  };

  explicit DotReferenceIndex(Match match) : match_(match) {}

  // Adds the text under id; ids must come in ascending order. The index keeps views into the
  // text, which must therefore stay where it is while the index is used.
  void Add(uint32_t id, std::string_view text);

  // The ids, ascending and each once, whose texts may hold name followed by ".".
  const std::vector<uint32_t>& Candidates(std::string_view name) const;

 private:
  void Note(std::string_view segment, uint32_t id);

  Match match_;
  std::unordered_map<std::string_view, std::vector<uint32_t>> ids_;
};

}  // namespace vdbq
