// Times the object-level diff of two databases of about three million lines each: one pair that
// differs in 1% of the objects of every kind (a third of them edited in one line, a third
// removed, a third copied under a new key) and one pair of equal databases (separate copies).
// The probe runs the whole diff once in a fresh process and gives its wall time and peak
// memory against the size of the two databases' files.
//
// gen_extracts (from VARNOLTDBQ_GEN_EXTRACTS, or beside this program) writes the first set into
// a temporary directory that is removed at the end.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/diff/database_diff.h"
#include "core/extracts/extract_store.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProbeFlag = "--probe-diff";
// One object in a hundred differs.
constexpr std::uint32_t kEditEvery = 100;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

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

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Writes the file of one kind with every kEditEvery-th object edited, removed or copied.
void WriteEdited(ObjectKind kind, const fs::path& from, const fs::path& to) {
  const std::string text = ReadAll(from / ExtractFileOf(kind));
  const LineList lines = LineList::FromText(text);
  const std::vector<ExtractObject> objects = SplitObjects(kind, text);
  std::vector<char> action(static_cast<size_t>(lines.Count()), 0);  // 'e', 'r' or 0
  std::string copies;
  for (std::uint32_t k = 0; k < objects.size(); ++k) {
    if (k % kEditEvery != kEditEvery / 2) continue;
    const ExtractObject& object = objects[k];
    const std::uint32_t choice = (k / kEditEvery) % 3;
    if (choice == 0) {
      action[object.First + object.Count / 2] = 'e';
    } else if (choice == 1) {
      for (std::uint32_t i = 0; i < object.Count; ++i) action[object.First + i] = 'r';
    } else {
      std::string header(lines.At(object.First));
      header.insert(header.find(object.Key) + object.Key.size(), "_NEW");
      copies += header + "\n";
      for (std::uint32_t i = 1; i < object.Count; ++i) {
        copies += std::string(lines.At(object.First + i)) + "\n";
      }
    }
  }
  std::ofstream out(to / ExtractFileOf(kind), std::ios::binary);
  for (long long i = 0; i < lines.Count(); ++i) {
    if (action[static_cast<size_t>(i)] == 'r') continue;
    out << lines.At(i) << (action[static_cast<size_t>(i)] == 'e' ? " EDITED\n" : "\n");
  }
  out << copies;
}

struct ProbeResult {
  double Seconds = -1;
  double CpuSeconds = -1;  // user and system time of all its threads: the wall time it would
                           // take on two idle cores, whatever else runs on the machine
  double PeakMegabytes = -1;
  long Objects = -1;
};

// A fresh process of this program that diffs the two directories once.
ProbeResult Probe(const std::string& oldDir, const std::string& newDir) {
  const std::string command =
      Quoted(SelfPath().string()) + " " + kProbeFlag + " " + Quoted(oldDir) + " " + Quoted(newDir);
  ProbeResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  if (std::fscanf(pipe, "%lf %lf %lf %ld", &result.Seconds, &result.CpuSeconds,
                  &result.PeakMegabytes, &result.Objects) != 4) {
    result = {};
  }
  pclose(pipe);
  return result;
}

int RunProbe(const std::string& oldDir, const std::string& newDir) {
  const auto start = std::chrono::steady_clock::now();
  long objects = -1;
  if (!oldDir.empty()) objects = static_cast<long>(DiffDatabases(oldDir, newDir).ObjectCount());
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
  };
  std::printf("%.3f %.3f %.1f %ld\n", took.count(),
              seconds(usage.ru_utime) + seconds(usage.ru_stime),
              static_cast<double>(usage.ru_maxrss) / 1024.0, objects);
  return 0;
}

class DiffSets {
 public:
  DiffSets() {
    scratch_ = fs::temp_directory_path() / ("varnoltdbq-bench-diff-" + std::to_string(getpid()));
    const fs::path base = scratch_ / "old";
    const std::string command = Quoted(GeneratorPath().string()) +
                                " --schedules 45000 --jobs 375000 --workstations 300 --seed 5"
                                " --out " +
                                Quoted(base.string()) + " >/dev/null";
    if (std::system(command.c_str()) != 0) {
      std::cerr << "could not generate a set with: " << command << "\n";
      std::exit(2);
    }
    fs::create_directories(scratch_ / "edited");
    fs::create_directories(scratch_ / "same");
    for (ObjectKind kind : kObjectKinds) {
      WriteEdited(kind, base, scratch_ / "edited");
      fs::copy_file(base / ExtractFileOf(kind), scratch_ / "same" / ExtractFileOf(kind));
    }
    Old = base.string() + "/";
    Edited = (scratch_ / "edited").string() + "/";
    Same = (scratch_ / "same").string() + "/";
    for (const char* name : kExtractLoadOrder) {
      OldLines += LineList::FromText(ReadAll(base / name)).Count();
    }
    PairMegabytes = FileMegabytes(base) + FileMegabytes(scratch_ / "edited");
    BaselineMegabytes = Probe("", "").PeakMegabytes;
  }
  ~DiffSets() {
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
  }

  std::string Old, Edited, Same;
  long long OldLines = 0;
  double PairMegabytes = 0;
  double BaselineMegabytes = 0;

 private:
  fs::path scratch_;
};

DiffSets& Sets() {
  static DiffSets sets;
  return sets;
}

void Diff(benchmark::State& state, const std::string& newDir) {
  DiffSets& sets = Sets();
  long objects = 0;
  for (auto _ : state) objects = static_cast<long>(DiffDatabases(sets.Old, newDir).ObjectCount());
  const ProbeResult probe = Probe(sets.Old, newDir);
  state.counters["lines_per_db"] = static_cast<double>(sets.OldLines);
  state.counters["objects_changed"] = static_cast<double>(objects);
  state.counters["pair_files_MB"] = sets.PairMegabytes;
  state.counters["process_s"] = probe.Seconds;
  state.counters["process_cpu_s"] = probe.CpuSeconds;
  state.counters["peak_MB"] = probe.PeakMegabytes;
  state.counters["peak_over_pair_files"] =
      (probe.PeakMegabytes - sets.BaselineMegabytes) / sets.PairMegabytes;
}

void BM_DiffOnePercentChanged(benchmark::State& state) { Diff(state, Sets().Edited); }
void BM_DiffEqual(benchmark::State& state) { Diff(state, Sets().Same); }

BENCHMARK(BM_DiffOnePercentChanged)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DiffEqual)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vdbq

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], vdbq::kProbeFlag) == 0) {
    return vdbq::RunProbe(argc >= 4 ? argv[2] : "", argc >= 4 ? argv[3] : "");
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  vdbq::Sets();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
