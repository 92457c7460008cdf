#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vdbq {

// Finds, among many follows texts, the few in which a name may stand right before a "." (the
// schedule part of a reference), so that a search for the schedules naming one schedule need
// not test every text. It answers a superset; callers confirm each candidate with the exact test.
//
// A name is known by its last two segments (its text after its last separator but one; "." ","
// and "#" separate): wherever the name stands before a ".", the text holds those two segments
// there too, so a name that many texts hold only as its last segment (the same schedule name on
// many workstations) does not make every text a candidate.
class DotReferenceIndex {
 public:
  enum class Match {
    // The name is preceded by the start of the text, ".", "," or "#" (how references are named).
    kWholeSegment,
    // The name may be preceded by anything (a plain substring test for name + "."). Only the
    // names given to Expect before the texts are added can be asked for.
    kSegmentTail,
  };

  explicit DotReferenceIndex(Match match) : match_(match) {}

  // Makes name one that Candidates may be asked for (kSegmentTail).
  void Expect(std::string_view name);

  // Adds the text under id; ids must come in ascending order. The index keeps views into the
  // text, which must therefore stay where it is while the index is used.
  void Add(uint32_t id, std::string_view text);

  // The ids, ascending and each once, whose texts may hold name followed by ".".
  const std::vector<uint32_t>& Candidates(std::string_view name) const;

 private:
  // The key of a text no longer than the powers reach.
  uint64_t KeyOf(std::string_view text) const;
  // Notes id under every expected key that the text before a "." ends with, looking back over
  // its last two segments (and perhaps under a few more keys).
  void NoteExpectedEndings(std::string_view before, uint32_t id);

  Match match_;
  // kWholeSegment: ids by the last segment and by the last two segments before a ".".
  std::unordered_map<std::string_view, std::vector<uint32_t>> ids_;
  // kSegmentTail: names are known by their length and a hash of their bytes, so that a text is
  // matched against all of them in one walk back from each ".", however long it and the names
  // are. Names that share a key share their ids, and callers confirm.
  std::unordered_set<uint64_t> expected_;
  std::unordered_map<uint64_t, std::vector<uint32_t>> endingIds_;
  std::vector<uint64_t> powers_{1};
};

}  // namespace vdbq
