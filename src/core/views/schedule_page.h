#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/text/line_number.h"

namespace vdbq {

// What the schedule page shows: the title and the lines of its colouring memo.
struct SchedulePage {
  std::string Workstation;  // LabTabSchCpu
  std::string Schedule;     // LabTabSchName
  // One memo line per extract line: the comments and blank lines after the previous "END",
  // then the definition through its own "END". Empty when the schedule is not found.
  std::vector<std::string> Lines;  // CM1
  // Where the memo's first line stands in ScheduleLines.
  LineIndex FirstLine;
};

// Shows the schedule selectedCpu#selectedName. Blocks of other schedules are stepped over
// through the block index, so the walk touches each line at most once.
void ShowSchedule(const ExtractStore& store, const Catalogue& catalogue,
                  std::string_view selectedCpu, std::string_view selectedName, SchedulePage& page);

// The memo line that shows line `number` of the schedules extract; nothing when the page does
// not show that line.
std::optional<std::size_t> MemoRowOfLine(const SchedulePage& page, LineNumber number);

}  // namespace vdbq
