#include "core/search/quick_find.h"

#include <algorithm>
#include <utility>

#include "core/output/csv_text.h"

namespace vdbq {

std::vector<SearchHit> QuickFindHits(const SearchCorpus& corpus, const SearchQuery& query,
                                     std::stop_token stop) {
  std::vector<SearchHit> hits = SearchKeys(corpus, query, stop);
  if (hits.size() >= query.Limit || stop.stop_requested()) return hits;
  // As many lines as the limit, so that the repeats of key lines dropped below still leave
  // enough to fill it.
  SearchQuery lines = query;
  lines.CountAll = false;
  Progress progress;
  const SearchResult found = SearchDefinitions(corpus, lines, progress, stop);
  std::vector<std::pair<const char*, long long>> keyLines;
  keyLines.reserve(hits.size());
  for (const SearchHit& hit : hits) keyLines.emplace_back(hit.File, hit.Line);
  std::sort(keyLines.begin(), keyLines.end());
  for (const SearchHit& hit : found.Hits) {
    if (hits.size() >= query.Limit) break;
    if (!std::binary_search(keyLines.begin(), keyLines.end(), std::pair(hit.File, hit.Line))) {
      hits.push_back(hit);
    }
  }
  return hits;
}

std::string SearchHitsCsv(const std::vector<SearchHit>& hits) {
  std::string csv = "Kind,Key,File,Line,Column,Text\r\n";
  for (const SearchHit& hit : hits) {
    csv += CsvFileField(KindName(hit.Kind)) + "," + CsvFileField(hit.Key) + "," +
           CsvFileField(hit.File) + "," + std::to_string(hit.Line) + "," +
           std::to_string(hit.Column) + "," + CsvFileField(hit.Text) + "\r\n";
  }
  return csv;
}

}  // namespace vdbq
