// The definition search on the generated 80,000-schedule / 400,000-job set (about 3.4 million
// lines, 88 MB): a plain word over everything, against `grep -c` over the same seven files in
// the same run; regular expressions with and without a literal to look for; the first 50 hits
// a find box shows; and the split into definitions done once per load.
// VARNOLTDBQ_BENCH_DB points at a set of one's own instead.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "core/search/definition_search.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

struct SearchBench {
  bench::ReportBenchDatabase Db{"search", bench::GeneratedLargestSet("search")};
  SearchCorpus Corpus{Db.Store, ParmsText(), PromptsText()};
  std::string ParmsText() const { return ReadExtractText(Db.Dir().string() + "/", kParmsFile); }
  std::string PromptsText() const { return ReadExtractText(Db.Dir().string() + "/", kPromptsFile); }
};

SearchBench& Bench() {
  static SearchBench bench;
  return bench;
}

void RunSearch(benchmark::State& state, const char* pattern, bool regex = false,
               bool matchCase = false) {
  SearchQuery query;
  query.Pattern = pattern;
  query.Regex = regex;
  query.MatchCase = matchCase;
  const SearchCorpus& corpus = Bench().Corpus;
  Progress progress;
  size_t total = 0;
  for (auto _ : state) {
    const SearchResult result = SearchDefinitions(corpus, query, progress);
    total = result.Total;
    benchmark::DoNotOptimize(result.Hits.data());
  }
  state.counters["lines"] = static_cast<double>(total);
}

void BM_SearchPlainWord(benchmark::State& state) { RunSearch(state, "stocktake_03"); }
BENCHMARK(BM_SearchPlainWord)->Unit(benchmark::kMillisecond);

void BM_SearchPlainWordCase(benchmark::State& state) {
  RunSearch(state, "STOCKTAKE_03", false, true);
}
BENCHMARK(BM_SearchPlainWordCase)->Unit(benchmark::kMillisecond);

// grep over the same files, from the page cache: the process start is part of its figure.
void Grep(benchmark::State& state, const char* options) {
  std::string command = std::string("grep -c ") + options + " STOCKTAKE_03";
  for (const char* file : kExtractLoadOrder)
    command += " '" + (Bench().Db.Dir() / file).string() + "'";
  command += " > /dev/null";
  for (auto _ : state) {
    // grep exits 1 for a file without the word.
    if (std::system(command.c_str()) == -1) state.SkipWithError("grep did not run");
  }
}
void BM_GrepCount(benchmark::State& state) { Grep(state, ""); }
BENCHMARK(BM_GrepCount)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_GrepCountIgnoreCase(benchmark::State& state) { Grep(state, "-i"); }
BENCHMARK(BM_GrepCountIgnoreCase)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SearchRegexWithLiteral(benchmark::State& state) {
  RunSearch(state, "DW_(LOAD|MERGE)", true);
}
BENCHMARK(BM_SearchRegexWithLiteral)->Unit(benchmark::kMillisecond);

void BM_SearchRegexClasses(benchmark::State& state) {
  RunSearch(state, "FOLLOWS \\w+_3[0-9]{5}$", true);
}
BENCHMARK(BM_SearchRegexClasses)->Unit(benchmark::kMillisecond);

// What a find box shows after a keystroke: the first 50 keys, then the first 50 lines.
void BM_SearchFirst50(benchmark::State& state) {
  const SearchCorpus& corpus = Bench().Corpus;
  SearchQuery query;
  query.Pattern = "merge_21";
  query.Limit = 50;
  query.CountAll = false;
  Progress progress;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SearchKeys(corpus, query).data());
    benchmark::DoNotOptimize(SearchDefinitions(corpus, query, progress).Hits.data());
  }
}
BENCHMARK(BM_SearchFirst50)->Unit(benchmark::kMillisecond);

void BM_SearchCorpusSplit(benchmark::State& state) {
  for (auto _ : state) {
    const SearchCorpus corpus(Bench().Db.Store, Bench().ParmsText(), Bench().PromptsText());
    benchmark::DoNotOptimize(corpus.Sources().data());
  }
}
BENCHMARK(BM_SearchCorpusSplit)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
