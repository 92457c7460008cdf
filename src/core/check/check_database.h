#pragma once

#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/check/finding.h"
#include "core/extracts/extract_store.h"
#include "core/extracts/progress.h"
#include "core/forecast/civil_day.h"

namespace vdbq {

struct CheckOptions {
  // The date the run-day rules count from, as the calendar reports take today.
  DayNumber Today = 0;
};

// Checks the loaded database's integrity: every broken reference, cycle and duplicate, the
// objects nothing uses, and schedules whose run days stop. Findings sorted by file, line and
// rule. The catalogue must have been built from the store; its caches of the usage reports and
// the run days are filled on the way.
std::vector<Finding> CheckDatabase(const ExtractStore& store, const Catalogue& catalogue,
                                   const CheckOptions& options, Progress& progress);

}  // namespace vdbq
