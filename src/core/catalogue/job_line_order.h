#pragma once

#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"

namespace vdbq {

// The job listings sort the same keys on every run; the orders are worked out once per loaded
// jobs file and kept in the catalogue, which every refresh empties.

// Every job header line, in the order of the sorted job keys.
const std::vector<long long>& JobLinesSortedByKey(const ExtractStore& store,
                                                  const Catalogue& catalogue);

// The job header lines whose key holds "#", in the order of the sorted texts job name, "#",
// workstation.
const std::vector<long long>& JobLinesSortedByName(const ExtractStore& store,
                                                   const Catalogue& catalogue);

}  // namespace vdbq
