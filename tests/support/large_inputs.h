#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "support/fuzz_input.h"

// Databases of a shape a fuzzer with a bounded input length does not easily build, shared by
// the robustness tests and their benchmark.
namespace vdbq::testing {

struct LargeInput {
  std::string Name;
  FuzzInput Input;
};

// Lines of megabytes: keys and names, follows references, clause lists of many items, and
// unstructured text, each in every file where it means something.
std::vector<LargeInput> MegabyteLineInputs();

// Every file a single line without a line break: short keyword lines, and one of megabytes.
std::vector<LargeInput> UnbrokenLineInputs();

// A schedules file of `count` "END" lines, then one schedule without its END.
LargeInput EndLinesInput(size_t count);

// Keys, names and search texts of a hundred thousand "#", alone and between letters.
std::vector<LargeInput> ManyHashInputs();

// `count` schedules that follow one another in a ring, by schedule FOLLOWS and by job FOLLOWS;
// a schedule of `count` jobs in a ring; a chain of `count` schedules written last to first.
std::vector<LargeInput> FollowsCycleInputs(size_t count);

// `count` workstations, and as many schedules and jobs on workstations of their own, half of
// them defined.
LargeInput ManyWorkstationsInput(size_t count);

// A chain of `count` schedules that all have the same name, each on a workstation of its own.
LargeInput SameNameChainInput(size_t count);

// `count` jobs whose keys hold commas, and a schedule that lists as many jobs.
LargeInput CommaJobKeysInput(size_t count);

// The bytes RepeatedByteInput is tried with.
const std::string& RepeatedBytes();
// `size` copies of `byte` as the file at `file` (in load order); the other files are empty.
LargeInput RepeatedByteInput(char byte, size_t size, size_t file);

}  // namespace vdbq::testing
