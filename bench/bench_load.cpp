// Times loading the extracts (LoadExtracts) and the whole refresh (load + catalogue build) on
// three generated sets up to 20,000 schedules and 100,000 jobs, and measures the peak memory
// of a fresh process that refreshes each set once, against the size of its extract files.
//
// VARNOLTDBQ_BENCH_DB names one set to use instead; otherwise gen_extracts (from
// VARNOLTDBQ_GEN_EXTRACTS, or beside this program) writes the three sets into a temporary
// directory that is removed at the end.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProbeFlag = "--probe-refresh-memory";

struct SetSize {
  const char* Name;
  int Schedules;
  int Jobs;
  int Workstations;
};

constexpr SetSize kSizes[] = {
    {"small", 2000, 10000, 40},
    {"medium", 8000, 40000, 100},
    {"large", 20000, 100000, 200},
};

struct BenchSet {
  std::string Name;
  std::string DirText;  // with the trailing separator
  double FileMegabytes = 0;
  double PeakMegabytes = 0;
};

// A path as one word of a shell command.
std::string Quoted(const std::string& text) {
  std::string quoted(1, '\'');
  quoted.append(text);
  quoted.push_back('\'');
  return quoted;
}

fs::path SelfPath() { return fs::read_symlink("/proc/self/exe"); }

fs::path GeneratorPath() {
  if (const char* given = std::getenv("VARNOLTDBQ_GEN_EXTRACTS")) return given;
  return SelfPath().parent_path() / "gen_extracts";
}

double FileMegabytes(const fs::path& dir) {
  std::uintmax_t bytes = 0;
  for (const char* name : kExtractLoadOrder) bytes += fs::file_size(dir / name);
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

double PeakMegabytesSoFar() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

// The peak memory of a fresh process of this program that refreshes dir once (or, with an
// empty dir, only starts).
double ProbePeakMegabytes(const std::string& dirText) {
  const std::string command =
      Quoted(SelfPath().string()) + " " + kProbeFlag + " " + Quoted(dirText);
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  double megabytes = -1;
  if (std::fscanf(pipe, "%lf", &megabytes) != 1) megabytes = -1;
  pclose(pipe);
  return megabytes;
}

int RunProbe(const std::string& dirText) {
  if (!dirText.empty()) {
    ExtractStore store;
    Catalogue catalogue;
    RefreshCatalogue(dirText, store, catalogue);
    benchmark::DoNotOptimize(catalogue.Totals.JobTotal);
  }
  std::printf("%.1f\n", PeakMegabytesSoFar());
  return 0;
}

class BenchSets {
 public:
  BenchSets() {
    if (const char* given = std::getenv("VARNOLTDBQ_BENCH_DB")) {
      Add("given", fs::path(given));
      return;
    }
    scratch_ = fs::temp_directory_path() / ("varnoltdbq-bench-load-" + std::to_string(getpid()));
    for (const SetSize& size : kSizes) {
      const fs::path dir = scratch_ / size.Name;
      const std::string command =
          Quoted(GeneratorPath().string()) + " --schedules " + std::to_string(size.Schedules) +
          " --jobs " + std::to_string(size.Jobs) + " --workstations " +
          std::to_string(size.Workstations) + " --seed 11 --out " + Quoted(dir.string());
      if (std::system(command.c_str()) != 0) {
        std::cerr << "could not generate a set with: " << command << "\n";
        std::exit(2);
      }
      Add(size.Name, dir);
    }
  }

  ~BenchSets() {
    std::error_code ignored;
    if (!scratch_.empty()) fs::remove_all(scratch_, ignored);
  }

  std::vector<BenchSet> Sets;
  double BaselineMegabytes = ProbePeakMegabytes("");

 private:
  void Add(const std::string& name, const fs::path& dir) {
    BenchSet set;
    set.Name = name;
    set.DirText = dir.string() + "/";
    set.FileMegabytes = FileMegabytes(dir);
    set.PeakMegabytes = ProbePeakMegabytes(set.DirText);
    Sets.push_back(set);
  }

  fs::path scratch_;
};

BenchSets& Sets() {
  static BenchSets sets;
  return sets;
}

void MemoryCounters(benchmark::State& state, const BenchSet& set) {
  const double baseline = Sets().BaselineMegabytes;
  state.counters["files_MB"] = set.FileMegabytes;
  state.counters["peak_MB"] = set.PeakMegabytes;
  state.counters["peak_over_files"] = (set.PeakMegabytes - baseline) / set.FileMegabytes;
}

void BM_LoadExtracts(benchmark::State& state) {
  const BenchSet& set = Sets().Sets[static_cast<size_t>(state.range(0))];
  state.SetLabel(set.Name);
  for (auto _ : state) {
    auto store = std::make_unique<ExtractStore>();
    LoadExtracts(set.DirText, *store);
    if (store->ExtractsMissing) state.SkipWithError("extracts missing");
    state.PauseTiming();
    store.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * set.FileMegabytes * 1048576));
}

void BM_RefreshCatalogue(benchmark::State& state) {
  const BenchSet& set = Sets().Sets[static_cast<size_t>(state.range(0))];
  state.SetLabel(set.Name);
  for (auto _ : state) {
    auto store = std::make_unique<ExtractStore>();
    auto catalogue = std::make_unique<Catalogue>();
    RefreshCatalogue(set.DirText, *store, *catalogue);
    if (store->ExtractsMissing) state.SkipWithError("extracts missing");
    state.PauseTiming();
    store.reset();
    catalogue.reset();
    state.ResumeTiming();
  }
  MemoryCounters(state, set);
}

void SetArguments(benchmark::internal::Benchmark* benchmark) {
  const int count = std::getenv("VARNOLTDBQ_BENCH_DB") ? 1 : static_cast<int>(std::size(kSizes));
  for (int i = 0; i < count; ++i) benchmark->Arg(i);
}

BENCHMARK(BM_LoadExtracts)->Apply(SetArguments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshCatalogue)->Apply(SetArguments)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vdbq

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], vdbq::kProbeFlag) == 0) {
    return vdbq::RunProbe(argc >= 3 ? argv[2] : "");
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  vdbq::Sets();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
