#pragma once

#include <stop_token>
#include <string>
#include <vector>

#include "core/search/definition_search.h"

namespace vdbq {

// What a find box lists as the user types: the definitions whose key holds the pattern, then
// the lines that hold it (a key's first line is not listed twice), at most query.Limit in all.
// Throws SearchPatternError as SearchDefinitions does; a stopped search returns a prefix.
std::vector<SearchHit> QuickFindHits(const SearchCorpus& corpus, const SearchQuery& query,
                                     std::stop_token stop = {});

// The hits as the CSV file of an export: a heading, then kind, key, file, line, column and the
// line's text as the command line's search names them, the bytes as stored.
std::string SearchHitsCsv(const std::vector<SearchHit>& hits);

}  // namespace vdbq
