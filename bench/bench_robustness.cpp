// Times the run of everything a user can do (load, catalogue, every page, every report and the
// exports; support/database_exercise.h) on the shapes of database that the robustness tests
// check (support/large_inputs.h): lines of megabytes, files without a line break, 200000 END
// lines, keys of many "#", rings and chains of FOLLOWS, fifty megabytes of one byte. The rings
// and the repeated bytes are timed at several sizes as well, so that a cost growing faster than
// the input shows.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/database_exercise.h"
#include "support/large_inputs.h"

namespace vdbq::testing {
namespace {

namespace fs = std::filesystem;

// The audit lines of the runs go here; the search texts they hold can be megabytes long, so
// the directory is emptied after each benchmark and removed at the end.
const fs::path& LogPath() {
  static const fs::path path =
      fs::temp_directory_path() / ("varnoltdbq-bench-robustness-" + std::to_string(getpid()));
  return path;
}

void ClearLogs() {
  std::error_code ignored;
  fs::remove_all(LogPath(), ignored);
  fs::create_directories(LogPath(), ignored);
}

void RegisterExercise(const std::string& name, std::function<LargeInput()> make) {
  benchmark::RegisterBenchmark(("Exercise/" + name).c_str(), [make](benchmark::State& state) {
    const LargeInput large = make();
    size_t bytes = 0;
    for (const std::string& text : large.Input.Texts) bytes += text.size();
    const std::string logDir = LogPath().string() + "/";
    for (auto _ : state) ExerciseDatabase(large.Input, logDir);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    ClearLogs();
  })->Unit(benchmark::kMillisecond);
}

void RegisterAll() {
  const std::vector<LargeInput> megabyteLines = MegabyteLineInputs();
  for (size_t k = 0; k < megabyteLines.size(); ++k) {
    RegisterExercise(megabyteLines[k].Name, [k] { return MegabyteLineInputs()[k]; });
  }
  RegisterExercise("unbroken lines (all)", [] {
    // One database after the other in a single timing.
    LargeInput all{"", {}};
    for (const LargeInput& large : UnbrokenLineInputs()) {
      for (size_t f = 0; f < all.Input.Texts.size(); ++f)
        all.Input.Texts[f] += large.Input.Texts[f];
    }
    return all;
  });
  RegisterExercise("200000 END lines", [] { return EndLinesInput(200000); });
  for (size_t k = 0; k < 2; ++k) {
    RegisterExercise("many hashes " + std::to_string(k), [k] { return ManyHashInputs()[k]; });
  }
  for (size_t count : {2500, 5000, 10000, 20000}) {
    for (size_t k = 0; k < 3; ++k) {
      RegisterExercise(FollowsCycleInputs(count)[k].Name,
                       [count, k] { return FollowsCycleInputs(count)[k]; });
    }
  }
  for (size_t count : {12500, 25000, 50000, 100000}) {
    RegisterExercise(ManyWorkstationsInput(1).Name.substr(2) + " x " + std::to_string(count),
                     [count] { return ManyWorkstationsInput(count); });
    RegisterExercise("chain of schedules of one name x " + std::to_string(count),
                     [count] { return SameNameChainInput(count); });
    RegisterExercise("job keys with commas x " + std::to_string(count),
                     [count] { return CommaJobKeysInput(count); });
  }
  for (size_t megabytes : {12, 25, 50}) {
    for (char byte : RepeatedBytes()) {
      const LargeInput sample = RepeatedByteInput(byte, 1, 0);
      RegisterExercise(sample.Name.substr(2) + " x " + std::to_string(megabytes) + "M",
                       [byte, megabytes] { return RepeatedByteInput(byte, megabytes << 20, 0); });
    }
  }
}

}  // namespace
}  // namespace vdbq::testing

int main(int argc, char** argv) {
  vdbq::testing::ClearLogs();
  vdbq::testing::RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(vdbq::testing::LogPath(), ignored);
  return 0;
}
