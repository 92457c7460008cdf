// Times the run of everything a user can do (load, catalogue, every page, every report and the
// exports; support/database_exercise.h) on the shapes of database that the robustness tests
// check (support/large_inputs.h): lines of megabytes, files without a line break, 200000 END
// lines, keys of many "#", rings and chains of FOLLOWS, fifty megabytes of one byte. The rings
// and the repeated bytes are timed at several sizes as well, so that a cost growing faster than
// the input shows.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/database_exercise.h"
#include "support/large_inputs.h"

namespace vdbq::testing {
namespace {

namespace fs = std::filesystem;

const std::string& LogDir() {
  static const std::string dir = [] {
    const fs::path path = fs::temp_directory_path() / "varnoltdbq-bench-robustness";
    fs::create_directories(path);
    return path.string() + "/";
  }();
  return dir;
}

void RegisterExercise(const std::string& name, std::function<LargeInput()> make) {
  benchmark::RegisterBenchmark(("Exercise/" + name).c_str(), [make](benchmark::State& state) {
    const LargeInput large = make();
    size_t bytes = 0;
    for (const std::string& text : large.Input.Texts) bytes += text.size();
    for (auto _ : state) ExerciseDatabase(large.Input, LogDir());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
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
  vdbq::testing::RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
