#include "core/reports/schedule_follows_reader.h"

#include <algorithm>

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

std::string Qualified(std::string text, std::string_view defaultWorkstation) {
  if (text.empty() || Contains(text, "#")) return text;
  std::string qualified(defaultWorkstation);
  qualified += '#';
  return qualified + text;
}

}  // namespace

ScheduleFollows ReadScheduleFollows(const LineList& lines, long long start,
                                    std::string_view defaultWorkstation, Progress& progress) {
  ScheduleFollows result;
  const long long count = lines.Count();
  long long j = std::max(0LL, start);
  while (j < count) {
    progress.Tick();
    const std::string current = TrimBlanks(lines.At(j++));
    if (current == ":") break;
    if (current.empty() || current.front() == '*' || !StartsWith(current, "FOLLOWS")) continue;
    result.Text = Qualified(TrimBlanks(CopyFrom(current, 9)), defaultWorkstation);
    bool colonRead = false;
    while (!result.Text.empty() && result.Text.back() == ',' && j < count) {
      progress.Tick();
      const std::string next = TrimBlanks(lines.At(j++));
      // The ":" closes the header even when a clause wrongly runs on into it.
      if (next == ":") {
        colonRead = true;
        break;
      }
      result.Text += Qualified(next, defaultWorkstation);
    }
    if (colonRead) break;
  }
  result.NextLine = j;
  return result;
}

}  // namespace vdbq
