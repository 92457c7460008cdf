#include "core/views/schedule_page.h"

#include <algorithm>

#include "core/text/text_routines.h"

namespace vdbq {

void ShowSchedule(const ExtractStore& store, const Catalogue& /*catalogue*/,
                  std::string_view selectedCpu, std::string_view selectedName, SchedulePage& page) {
  std::vector<std::string>& memo = page.Lines;
  memo.clear();
  page.FirstLine = LineIndex();
  page.Workstation = std::string(selectedCpu);
  page.Schedule = std::string(selectedName);
  std::string target(selectedCpu);
  target += '#';
  target += selectedName;

  const LineList& lines = store.ScheduleLines;
  const long long count = store.ScheduleLineCount;
  // The memo gathers from here: the line after the last END, or the start of the block that a
  // skipped schedule left for. Only the found schedule's lines are copied, so a long stretch
  // without END costs nothing, and a schedule that is not there leaves the memo empty.
  long long memoStart = 0;
  long long i = 0;
  while (i < count) {
    std::string_view line = lines.At(i);
    if (!StartsWith(line, "SCHEDULE ")) {
      ++i;
      if (line == "END") memoStart = i;
    } else if (line.compare(9, std::string::npos, target) != 0) {
      // Another schedule: what was gathered belonged to it. Go on where the next block starts
      // (never backwards, whatever the index holds).
      i = std::max(i + 1, store.NextBlockStart(i));
      memoStart = i;
    } else {
      page.FirstLine = LineIndex(memoStart);
      for (long long k = memoStart; k < i; ++k) memo.emplace_back(lines.At(k));
      for (; i < count; ++i) {
        memo.emplace_back(lines.At(i));
        if (lines.At(i) == "END") break;
      }
      break;
    }
  }
}

std::optional<std::size_t> MemoRowOfLine(const SchedulePage& page, LineNumber number) {
  const long long row = IndexOfNumber(number).Value - page.FirstLine.Value;
  if (row < 0 || row >= static_cast<long long>(page.Lines.size())) return std::nullopt;
  return static_cast<std::size_t>(row);
}

}  // namespace vdbq
