#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"

namespace vdbq {

// What the schedule page shows: the title and the lines of its colouring memo.
struct SchedulePage {
  std::string LabTabSchCpu;
  std::string LabTabSchName;
  // One memo line per extract line: the comments and blank lines after the previous "END",
  // then the definition through its own "END". Empty when the schedule is not found.
  std::vector<std::string> CM1;
};

// Shows the schedule selectedCpu#selectedName. Blocks of other schedules are stepped over
// through the block index, so the walk touches each line at most once.
void ShowSchedule(const ExtractStore& store, const Catalogue& catalogue,
                  std::string_view selectedCpu, std::string_view selectedName, SchedulePage& page);

}  // namespace vdbq
