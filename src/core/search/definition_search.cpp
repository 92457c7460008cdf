#include "core/search/definition_search.h"

#include <algorithm>
#include <cstring>

namespace vdbq {
namespace {

// How much text a scan covers between two looks at the stop token.
constexpr size_t kChunkBytes = size_t{1} << 20;
constexpr long long kSlowLinesPerLook = 4096;

// Where line `index` (below the count) starts in the list's bytes.
size_t LineStart(const LineList& lines, long long index) {
  return lines.OffsetOf(lines.At(index));
}

bool Wanted(const SearchQuery& query, ObjectKind kind) {
  return query.Kinds.empty() ||
         std::find(query.Kinds.begin(), query.Kinds.end(), kind) != query.Kinds.end();
}

// The line holding offset at, found from line `from` on (at lies at or after its start) by
// doubling steps, then halving: hits are met in order, most of them near the last one.
long long LineAt(const LineList& lines, long long from, size_t at) {
  const long long count = lines.Count();
  long long low = from;
  long long step = 1;
  while (low + step < count && LineStart(lines, low + step) <= at) {
    low += step;
    step *= 2;
  }
  long long high = std::min(count, low + step);  // LineStart(high) > at, or high is the end
  while (high - low > 1) {
    const long long mid = low + (high - low) / 2;
    (LineStart(lines, mid) <= at ? low : high) = mid;
  }
  return low;
}

// Collects the hits of one file, giving each the definition that holds its line: the
// definitions are walked once, in order, alongside the hits.
class HitCollector {
 public:
  HitCollector(const SearchSource& source, const SearchQuery& query, SearchResult& result)
      : source_(source), query_(query), result_(result) {}

  // false when the search is to end: a line past the limit was met and nothing more is counted.
  bool Add(long long line, size_t column) {
    ++result_.Total;
    if (result_.Hits.size() >= query_.Limit) {
      result_.Truncated = true;
      return query_.CountAll;
    }
    const std::vector<ExtractObject>& objects = source_.Objects;
    const auto index = static_cast<std::uint32_t>(line);
    while (next_ < objects.size() && objects[next_].First + objects[next_].Count <= index) {
      ++next_;
    }
    SearchHit hit;
    if (next_ < objects.size() && objects[next_].First <= index) {
      hit.Kind = source_.Kind;
      hit.Key = objects[next_].Key;
    }
    hit.File = source_.File;
    hit.Line = line + 1;
    hit.Column = static_cast<long long>(column) + 1;
    hit.Text = source_.Lines->At(line);
    result_.Hits.push_back(hit);
    return true;
  }

 private:
  const SearchSource& source_;
  const SearchQuery& query_;
  SearchResult& result_;
  size_t next_ = 0;
};

// Line by line: for lines that end in CR, where a regular expression's "$" would not hold
// before the break in the whole text.
bool SearchLines(const SearchSource& source, const TextMatcher& matcher, HitCollector& hits,
                 Progress& progress, std::stop_token& stop, SearchResult& result) {
  const LineList& lines = *source.Lines;
  for (long long i = 0; i < lines.Count(); ++i) {
    progress.Tick();
    if (i % kSlowLinesPerLook == 0 && stop.stop_requested()) {
      result.Stopped = true;
      return false;
    }
    const std::string_view line = lines.At(i);
    const std::optional<TextMatch> match = matcher.Find(line, 0, line.size());
    if (match && !hits.Add(i, match->Begin)) return false;
  }
  return true;
}

// The whole text at once, a chunk ending at a line break at a time: a match is found in the
// bytes, placed on its line, and the scan goes on at the next line. A match that runs over a
// line break is searched for again within its line alone.
bool SearchText(const SearchSource& source, const TextMatcher& matcher, HitCollector& hits,
                Progress& progress, std::stop_token& stop, SearchResult& result) {
  const LineList& lines = *source.Lines;
  const std::string_view text = BytesOfLines(lines);
  size_t from = 0;
  long long line = 0;
  // "<=": an expression that matches an empty string also holds on an empty line at the end of
  // a chunk or of the text, where from meets the end.
  while (from <= text.size()) {
    if (stop.stop_requested()) {
      result.Stopped = true;
      return false;
    }
    progress.Tick();
    size_t chunkEnd = text.size();
    if (text.size() - from > kChunkBytes) {
      const void* lf = std::memchr(text.data() + from + kChunkBytes, '\n',
                                   text.size() - from - kChunkBytes);
      if (lf != nullptr) chunkEnd = static_cast<size_t>(static_cast<const char*>(lf) - text.data());
    }
    while (from <= chunkEnd) {
      std::optional<TextMatch> match = matcher.Find(text, from, chunkEnd);
      if (!match) break;
      line = LineAt(lines, line, match->Begin);
      const std::string_view lineText = lines.At(line);
      const size_t lineStart = LineStart(lines, line);
      const size_t column = match->Begin - lineStart;
      if (match->End > lineStart + lineText.size() && column <= lineText.size()) {
        match = matcher.Find(lineText, column, lineText.size());
        if (match) match->Begin += lineStart;
      } else if (column > lineText.size()) {
        match.reset();  // it starts in the line break
      }
      if (match && !hits.Add(line, match->Begin - lineStart)) return false;
      if (line + 1 >= lines.Count()) return true;
      from = LineStart(lines, ++line);
    }
    if (chunkEnd >= text.size()) break;
    from = std::max(from, chunkEnd + 1);
  }
  return true;
}

}  // namespace

SearchResult SearchDefinitions(const SearchCorpus& corpus, const SearchQuery& query,
                               Progress& progress, std::stop_token stop) {
  const TextMatcher matcher(query.Pattern, query.Regex, query.MatchCase);
  SearchResult result;
  for (const SearchSource& source : corpus.Sources()) {
    // An empty file has no line for even an empty match to stand on.
    if (!Wanted(query, source.Kind) || source.Lines->IsEmpty()) continue;
    HitCollector hits(source, query, result);
    const std::string_view text = BytesOfLines(*source.Lines);
    const bool lineByLine = query.Regex && !text.empty() &&
                            std::memchr(text.data(), '\r', text.size()) != nullptr;
    const bool goOn = lineByLine ? SearchLines(source, matcher, hits, progress, stop, result)
                                 : SearchText(source, matcher, hits, progress, stop, result);
    if (!goOn) break;
  }
  return result;
}

std::vector<SearchHit> SearchKeys(const SearchCorpus& corpus, const SearchQuery& query,
                                  std::stop_token stop) {
  const TextMatcher matcher(query.Pattern, query.Regex, query.MatchCase);
  std::vector<SearchHit> hits;
  for (const SearchSource& source : corpus.Sources()) {
    if (!Wanted(query, source.Kind)) continue;
    for (size_t k = 0; k < source.Objects.size(); ++k) {
      if (hits.size() >= query.Limit || (k % kSlowLinesPerLook == 0 && stop.stop_requested())) {
        return hits;
      }
      const ExtractObject& object = source.Objects[k];
      const std::optional<TextMatch> match = matcher.Find(object.Key, 0, object.Key.size());
      if (!match) continue;
      const std::string_view line = source.Lines->At(object.First);
      hits.push_back(SearchHit{source.Kind, object.Key, source.File, object.First + 1LL,
                               static_cast<long long>(object.Key.data() - line.data() +
                                                      static_cast<std::ptrdiff_t>(match->Begin)) +
                                   1,
                               line});
    }
  }
  return hits;
}

}  // namespace vdbq
