#pragma once

#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/object_kind.h"
#include "core/check/check_database.h"
#include "core/check/finding.h"
#include "core/extracts/extract_store.h"
#include "core/extracts/progress.h"

namespace vdbq {

// One object's definition, to be left out: lines [First, End) of its kind's extract, or for a
// parameter or prompt its row of the list.
struct LeftOut {
  ObjectKind Kind = ObjectKind::None;
  long long First = 0;
  long long End = 0;
  size_t Row = 0;
};

// The findings the integrity check gives for the database without that definition and not for
// the database as loaded, sorted as the check sorts them. The extracts are not copied: the
// check reads a view of them in which the definition's lines are empty, so every other line
// keeps its number.
std::vector<Finding> FindingsIfLeftOut(const ExtractStore& store, const Catalogue& catalogue,
                                       const LeftOut& leftOut, const CheckOptions& options,
                                       Progress& progress);

}  // namespace vdbq
