#pragma once

#include <QString>
#include <cstddef>
#include <memory>
#include <stop_token>
#include <vector>

#include "core/search/definition_search.h"

namespace vdbq::gui {

// The outcome of one search for a list on screen: the hits with where the match lies on each
// line, and the corpus they point into, which the list keeps until it is emptied (before the
// next load at the latest).
struct FoundLines {
  std::shared_ptr<const SearchCorpus> Corpus;
  std::vector<SearchHit> Hits;
  std::vector<TextMatch> Matches;  // one a hit, into its Text
  size_t Total = 0;
  bool Truncated = false;
  QString Error;  // the core's message for a pattern that cannot be searched for
};

// The first hits of the find box: keys first, then definition lines.
inline constexpr size_t kQuickFindLimit = 50;
FoundLines FindQuick(std::shared_ptr<const SearchCorpus> corpus, const SearchQuery& query,
                     std::stop_token stop);
// Every hit up to the query's limit, counting all lines.
FoundLines FindAll(std::shared_ptr<const SearchCorpus> corpus, const SearchQuery& query,
                   std::stop_token stop);

}  // namespace vdbq::gui
