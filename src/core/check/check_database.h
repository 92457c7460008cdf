#pragma once

#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/check/finding.h"
#include "core/extracts/extract_store.h"
#include "core/extracts/progress.h"

namespace vdbq {

// Checks the loaded database's integrity: every broken reference, cycle and duplicate, and
// the objects nothing uses. Findings sorted by file, line and rule. The catalogue must have
// been built from the store; its caches of the usage reports are filled on the way.
std::vector<Finding> CheckDatabase(const ExtractStore& store, const Catalogue& catalogue,
                                   Progress& progress);

}  // namespace vdbq
