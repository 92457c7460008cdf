#pragma once

#include <cstddef>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/object_kind.h"
#include "core/extracts/progress.h"
#include "core/search/search_corpus.h"
#include "core/search/text_matcher.h"

namespace vdbq {

inline constexpr size_t kDefaultSearchLimit = 10000;

struct SearchQuery {
  std::string Pattern;
  bool Regex = false;
  bool MatchCase = false;
  std::vector<ObjectKind> Kinds;  // empty: every kind
  size_t Limit = kDefaultSearchLimit;
  // Whether Total counts the lines past the limit too; a find box that shows the first hits
  // stops at the limit instead.
  bool CountAll = true;
};

// A line that holds a match: the definition it belongs to (Kind None and no key for a line
// outside every definition), and where the first match on it starts, from 1.
struct SearchHit {
  ObjectKind Kind = ObjectKind::None;
  std::string_view Key;
  const char* File = "";
  long long Line = 0;
  long long Column = 0;
  std::string_view Text;
};

struct SearchResult {
  std::vector<SearchHit> Hits;  // file by file in load order, lines in order
  size_t Total = 0;             // the lines that hold a match
  bool Truncated = false;       // more lines matched than the limit allows
  bool Stopped = false;         // the stop token asked to end it early; the hits are a prefix
};

// Every line of the corpus's files that holds the pattern, one hit a line. Throws
// SearchPatternError for a pattern that cannot be searched for. Checks stop (and ticks
// progress) every megabyte or so, so that a newer search can take over at once.
SearchResult SearchDefinitions(const SearchCorpus& corpus, const SearchQuery& query,
                               Progress& progress, std::stop_token stop = {});

// The definitions whose key holds the pattern, at most limit of them in file order: what a find
// box lists before the definition lines. The hit points at the key in the definition's first
// line.
std::vector<SearchHit> SearchKeys(const SearchCorpus& corpus, const SearchQuery& query,
                                  std::stop_token stop = {});

}  // namespace vdbq
