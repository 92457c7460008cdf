#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"

namespace vdbq {

// One row of the resource history list.
struct ResourceRow {
  std::string Resource;
  std::string Workstation;  // LabResCpu
  std::string Amount;
  std::string Description;
};

// The history is capped so that a long session cannot grow it without bound; the oldest rows
// go first.
inline constexpr size_t kResourceHistoryLimit = 1000;

// What the resource page shows: the title and the history of every resource shown, newest
// first, duplicates included.
struct ResourcePage {
  std::string Name;  // LabResName
  std::string Workstation;
  std::deque<ResourceRow> History;  // ListView1
  // The amount and description last read, quotes as in the extract; a resource that is not
  // found carries these into its row.
  std::string LastAmount;
  std::string LastDescription;
};

void ShowResource(const ExtractStore& store, const Catalogue& catalogue,
                  std::string_view selectedName, ResourcePage& page);

}  // namespace vdbq
