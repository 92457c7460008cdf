#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/object_kind.h"
#include "core/check/check_database.h"
#include "core/check/finding.h"
#include "core/extracts/extract_store.h"
#include "core/extracts/progress.h"
#include "core/impact/left_out_check.h"
#include "core/text/line_number.h"

namespace vdbq {

// One definition that names the object, and how it names it: "FOLLOWS", "job line", "ON",
// "EXCEPT", "NEEDS", "PROMPT" or "command".
struct DirectUse {
  ObjectKind Kind = ObjectKind::None;
  std::string Key;
  const char* File = "";
  LineNumber Line;
  const char* How = "";
};

// A schedule that waits for the object through `Steps` links: 1 for a schedule that names it
// (or, for a job, holds it), one more for each FOLLOWS edge after that.
struct DownstreamSchedule {
  std::string Key;
  int Steps = 0;
};

struct ObjectImpact {
  bool Exists = false;
  // In file order.
  std::vector<DirectUse> Direct;
  // By steps, then key (byte order).
  std::vector<DownstreamSchedule> Downstream;
  // What the integrity check finds with the object left out and not with it, as it sorts them.
  std::vector<Finding> CheckFindingsIfRemoved;
};

// What depends on the object of that kind and key (the catalogue's key), directly and through
// the schedule graph. A workstation is no kind of this question; it gives Exists false. The
// removal check runs the whole check, and on first use after a load also the one of the
// database as loaded, so it is asked for apart: it runs when `removalCheck` is given, the
// loaded database's findings kept there.
ObjectImpact ImpactOf(const ExtractStore& store, const Catalogue& catalogue, ObjectKind kind,
                      std::string_view key, const RemovalCheck* removalCheck, Progress& progress);

}  // namespace vdbq
