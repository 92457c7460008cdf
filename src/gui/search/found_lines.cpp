#include "gui/search/found_lines.h"

#include <utility>

#include "core/search/quick_find.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

// The match the hit's column points at, to highlight it; the matcher is the search's own, so
// it finds the same match again.
std::vector<TextMatch> MatchesOf(const std::vector<SearchHit>& hits, const SearchQuery& query) {
  const TextMatcher matcher(query.Pattern, query.Regex, query.MatchCase);
  std::vector<TextMatch> matches;
  matches.reserve(hits.size());
  for (const SearchHit& hit : hits) {
    const size_t from = static_cast<size_t>(hit.Column - 1);
    const std::optional<TextMatch> match = matcher.Find(hit.Text, from, hit.Text.size());
    matches.push_back(match.value_or(TextMatch{from, from}));
  }
  return matches;
}

template <typename Search>
FoundLines Find(std::shared_ptr<const SearchCorpus> corpus, const SearchQuery& query,
                Search search) {
  FoundLines lines;
  try {
    search(*corpus, lines);
    lines.Matches = MatchesOf(lines.Hits, query);
  } catch (const SearchPatternError& error) {
    lines = FoundLines{};
    lines.Error = ToQString(error.what());
  }
  lines.Corpus = std::move(corpus);
  return lines;
}

}  // namespace

FoundLines FindQuick(std::shared_ptr<const SearchCorpus> corpus, const SearchQuery& query,
                     std::stop_token stop) {
  SearchQuery quick = query;
  quick.Limit = kQuickFindLimit;
  quick.CountAll = false;
  return Find(std::move(corpus), quick, [&](const SearchCorpus& from, FoundLines& lines) {
    lines.Hits = QuickFindHits(from, quick, stop);
    lines.Total = lines.Hits.size();
  });
}

FoundLines FindAll(std::shared_ptr<const SearchCorpus> corpus, const SearchQuery& query,
                   std::stop_token stop) {
  return Find(std::move(corpus), query, [&](const SearchCorpus& from, FoundLines& lines) {
    Progress progress;
    SearchResult result = SearchDefinitions(from, query, progress, stop);
    lines.Hits = std::move(result.Hits);
    lines.Total = result.Total;
    lines.Truncated = result.Truncated;
  });
}

}  // namespace vdbq::gui
