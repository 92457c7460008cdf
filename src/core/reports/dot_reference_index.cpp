#include "core/reports/dot_reference_index.h"

namespace vdbq {
namespace {

bool IsSeparator(char c) { return c == '.' || c == ',' || c == '#'; }

// The part of a name after its last separator. Wherever name + "." occurs, this part is the
// text just before the ".", and it begins at a separator unless the name holds none.
std::string_view TailOf(std::string_view name) {
  size_t start = name.size();
  while (start > 0 && !IsSeparator(name[start - 1])) --start;
  return name.substr(start);
}

}  // namespace

void DotReferenceIndex::Note(std::string_view segment, uint32_t id) {
  std::vector<uint32_t>& ids = ids_[segment];
  if (ids.empty() || ids.back() != id) ids.push_back(id);
}

void DotReferenceIndex::Add(uint32_t id, std::string_view text) {
  size_t segmentStart = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!IsSeparator(c)) continue;
    if (c == '.') {
      const std::string_view segment = text.substr(segmentStart, i - segmentStart);
      if (match_ == Match::kWholeSegment) {
        Note(segment, id);
      } else {
        for (size_t cut = 0; cut <= segment.size(); ++cut) Note(segment.substr(cut), id);
      }
    }
    segmentStart = i + 1;
  }
}

const std::vector<uint32_t>& DotReferenceIndex::Candidates(std::string_view name) const {
  static const std::vector<uint32_t> kNone;
  const auto found = ids_.find(TailOf(name));
  return found == ids_.end() ? kNone : found->second;
}

}  // namespace vdbq
