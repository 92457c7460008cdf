#pragma once

#include <memory>
#include <mutex>
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

// The integrity check's findings on the database as loaded, worked out on first use from any
// thread and kept for every removal check after it until Reset, which is due before a load
// replaces the extracts, or until a check is asked for with another today. The check reads a
// catalogue of its own, so it writes none of the loaded catalogue's caches, which the interface
// thread may be filling meanwhile.
class LoadedFindingsCache {
 public:
  std::shared_ptr<const std::vector<Finding>> Get(const ExtractStore& store,
                                                  const Catalogue& catalogue,
                                                  const CheckOptions& options);
  void Reset();

 private:
  std::mutex mutex_;
  std::shared_ptr<const std::vector<Finding>> findings_;
  DayNumber today_ = 0;
};

// What a removal check is run with: the check's options, and where the findings of the
// database as loaded are kept between checks.
struct RemovalCheck {
  LoadedFindingsCache& Loaded;
  CheckOptions Options;
};

// The findings the integrity check gives for the database without that definition and not for
// the database as loaded, sorted as the check sorts them. The extracts are not copied: the
// check reads a view of them in which the definition's lines are empty, so every other line
// keeps its number. When `loaded` keeps no findings yet, the check of the database as loaded
// runs beside the one without the definition.
std::vector<Finding> FindingsIfLeftOut(const ExtractStore& store, const Catalogue& catalogue,
                                       const LeftOut& leftOut, const RemovalCheck& check,
                                       Progress& progress);

}  // namespace vdbq
