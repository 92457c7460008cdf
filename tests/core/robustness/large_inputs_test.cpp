// Inputs that a fuzzer of bounded input length does not easily build: lines of megabytes, files
// without a line break, hundreds of thousands of lines, long keys of "#", deep cycles of
// FOLLOWS, a hundred thousand workstations or schedules of one name or job keys with commas,
// fifty megabytes of one byte. Each goes through loading, the catalogue, every page
// and every report (ExerciseDatabase), which must end without breaking an invariant. A hang or a
// quadratic cost fails through the test's time-out (tests/CMakeLists.txt), far above what a
// linear run takes even under the sanitizers; the timings themselves are in
// bench/bench_robustness.cpp.
#include "support/large_inputs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/database_exercise.h"
#include "support/fuzz_input.h"
#include "support/temp_dir.h"

namespace vdbq::testing {
namespace {

void ExpectExercised(const LargeInput& large) {
  SCOPED_TRACE(large.Name);
  TempDir logs;
  EXPECT_NO_THROW(ExerciseDatabase(large.Input, logs.DirText())) << large.Name;
}

TEST(LargeInputs, LinesOfMegabytesInEveryFile) {
  for (const LargeInput& large : MegabyteLineInputs()) ExpectExercised(large);
}

TEST(LargeInputs, FilesOfOneLineWithoutALineBreak) {
  for (const LargeInput& large : UnbrokenLineInputs()) ExpectExercised(large);
}

TEST(LargeInputs, ScheduleFileOfTwoHundredThousandEndLines) {
  ExpectExercised(EndLinesInput(200000));
}

TEST(LargeInputs, KeysOfManyHashes) {
  for (const LargeInput& large : ManyHashInputs()) ExpectExercised(large);
}

TEST(LargeInputs, DeepCyclesOfFollows) {
  for (const LargeInput& large : FollowsCycleInputs(20000)) ExpectExercised(large);
}

TEST(LargeInputs, ManyWorkstationsNamesSharedAndKeysWithCommas) {
  ExpectExercised(ManyWorkstationsInput(100000));
  ExpectExercised(SameNameChainInput(100000));
  ExpectExercised(CommaJobKeysInput(100000));
}

TEST(LargeInputs, FiftyMegabytesOfOneByteInTheSchedules) {
  for (char byte : RepeatedBytes()) ExpectExercised(RepeatedByteInput(byte, 50 << 20, 0));
}

TEST(LargeInputs, FiftyMegabytesOfOneByteInEachOtherFile) {
  for (size_t file = 1; file < std::size(kExtractLoadOrder); ++file) {
    for (char byte : {'\n', 'A'}) ExpectExercised(RepeatedByteInput(byte, 50 << 20, file));
  }
}

}  // namespace
}  // namespace vdbq::testing
