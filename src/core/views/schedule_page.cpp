#include "core/views/schedule_page.h"

#include <algorithm>

#include "core/text/text_routines.h"

namespace vdbq {

void ShowSchedule(const ExtractStore& store, const Catalogue& /*catalogue*/,
                  std::string_view selectedCpu, std::string_view selectedName, SchedulePage& page) {
  std::vector<std::string>& memo = page.CM1;
  memo.clear();
  page.LabTabSchCpu = std::string(selectedCpu);
  page.LabTabSchName = std::string(selectedName);
  std::string target(selectedCpu);
  target += '#';
  target += selectedName;

  const LineList& lines = store.ScheduleLines;
  const long long count = store.ScheduleLineCount;
  long long i = 0;
  while (i < count) {
    std::string_view line = lines.At(i);
    if (!StartsWith(line, "SCHEDULE ")) {
      memo.emplace_back(line);
      if (line == "END") memo.clear();
      ++i;
    } else if (line.compare(9, std::string::npos, target) != 0) {
      // Another schedule: what was gathered belonged to it. Go on where the next block starts
      // (never backwards, whatever the index holds).
      memo.clear();
      i = std::max(i + 1, store.NextBlockStart(i));
    } else {
      for (; i < count; ++i) {
        memo.emplace_back(lines.At(i));
        if (lines.At(i) == "END") break;
      }
      break;
    }
  }
}

}  // namespace vdbq
