#include "core/reports/dot_reference_index.h"

#include <algorithm>

namespace vdbq {
namespace {

bool IsSeparator(char c) { return c == '.' || c == ',' || c == '#'; }

// Where the last segment of a text begins: after its last separator.
size_t LastSegmentStart(std::string_view text) {
  size_t start = text.size();
  while (start > 0 && !IsSeparator(text[start - 1])) --start;
  return start;
}

// The last two segments of a name: its text after its last separator but one, or the whole
// name when it has fewer than two separators.
std::string_view LastTwoSegments(std::string_view name) {
  const size_t last = LastSegmentStart(name);
  if (last == 0) return name;
  return name.substr(LastSegmentStart(name.substr(0, last - 1)));
}

constexpr uint64_t kHashBase = 1000003;

// A hash of a text's last bytes, built from its end: each byte further back adds its value
// times the next power of the base.
uint64_t Step(uint64_t hash, char c, uint64_t power) {
  return hash + (static_cast<uint64_t>(static_cast<unsigned char>(c)) + 1) * power;
}

uint64_t Keyed(uint64_t hash, size_t length) {
  return hash ^ (static_cast<uint64_t>(length) * 0x9E3779B97F4A7C15ull);
}

void NoteId(std::vector<uint32_t>& ids, uint32_t id) {
  if (ids.empty() || ids.back() != id) ids.push_back(id);
}

}  // namespace

uint64_t DotReferenceIndex::KeyOf(std::string_view text) const {
  uint64_t hash = 0;
  for (size_t k = 1; k <= text.size(); ++k)
    hash = Step(hash, text[text.size() - k], powers_[k - 1]);
  return Keyed(hash, text.size());
}

void DotReferenceIndex::Expect(std::string_view name) {
  const std::string_view key = LastTwoSegments(name);
  while (powers_.size() < key.size()) powers_.push_back(powers_.back() * kHashBase);
  expected_.insert(KeyOf(key));
}

void DotReferenceIndex::NoteExpectedEndings(std::string_view before, uint32_t id) {
  // Neither a key longer than every expected one nor one reaching over two separators can be
  // asked for, so the walk stops there.
  const size_t lastStart = LastSegmentStart(before);
  const size_t twoStart = lastStart == 0 ? 0 : LastSegmentStart(before.substr(0, lastStart - 1));
  const size_t reach = std::min(before.size() - twoStart, powers_.size());
  uint64_t hash = 0;
  for (size_t k = 0;; ++k) {
    const uint64_t key = Keyed(hash, k);
    if (expected_.contains(key)) NoteId(endingIds_[key], id);
    if (k == reach) break;
    hash = Step(hash, before[before.size() - k - 1], powers_[k]);
  }
}

void DotReferenceIndex::Add(uint32_t id, std::string_view text) {
  // The starts of the last two segments before the current position.
  size_t segmentStart = 0;
  size_t previousStart = 0;
  bool hasPrevious = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!IsSeparator(c)) continue;
    if (c == '.') {
      if (match_ == Match::kWholeSegment) {
        NoteId(ids_[text.substr(segmentStart, i - segmentStart)], id);
        if (hasPrevious) NoteId(ids_[text.substr(previousStart, i - previousStart)], id);
      } else {
        NoteExpectedEndings(text.substr(0, i), id);
      }
    }
    previousStart = segmentStart;
    hasPrevious = true;
    segmentStart = i + 1;
  }
}

const std::vector<uint32_t>& DotReferenceIndex::Candidates(std::string_view name) const {
  static const std::vector<uint32_t> kNone;
  const std::string_view key = LastTwoSegments(name);
  if (match_ == Match::kSegmentTail) {
    // Only expected keys are noted, and none is longer than the powers reach.
    if (key.size() > powers_.size()) return kNone;
    const auto found = endingIds_.find(KeyOf(key));
    return found == endingIds_.end() ? kNone : found->second;
  }
  const auto found = ids_.find(key);
  return found == ids_.end() ? kNone : found->second;
}

}  // namespace vdbq
