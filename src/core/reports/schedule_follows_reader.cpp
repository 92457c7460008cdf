#include "core/reports/schedule_follows_reader.h"

#include <algorithm>

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

void AppendQualified(std::string& out, std::string_view text, std::string_view defaultWorkstation) {
  if (text.empty() || text.find('#') != std::string_view::npos) {
    out += text;
    return;
  }
  out += defaultWorkstation;
  out += '#';
  out += text;
}

}  // namespace

ScheduleFollows ReadScheduleFollows(const LineList& lines, long long start,
                                    std::string_view defaultWorkstation, Progress& progress) {
  ScheduleFollows result;
  const long long count = lines.Count();
  long long j = std::max(0LL, start);
  while (j < count) {
    progress.Tick();
    const std::string_view current = TrimmedView(lines.At(j++));
    if (current == ":") break;
    if (current.empty() || current.front() == '*' || !StartsWith(current, "FOLLOWS")) continue;
    result.Text.clear();
    AppendQualified(result.Text, TrimmedView(current.substr(std::min<size_t>(current.size(), 8))),
                    defaultWorkstation);
    bool colonRead = false;
    while (!result.Text.empty() && result.Text.back() == ',' && j < count) {
      progress.Tick();
      const std::string_view next = TrimmedView(lines.At(j++));
      // The ":" closes the header even when a clause wrongly runs on into it.
      if (next == ":") {
        colonRead = true;
        break;
      }
      AppendQualified(result.Text, next, defaultWorkstation);
    }
    if (colonRead) break;
  }
  result.NextLine = j;
  return result;
}

}  // namespace vdbq
