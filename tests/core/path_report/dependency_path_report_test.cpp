#include <gtest/gtest.h>

#include "support/report_fixture.h"
#include "support/test_helpers.h"

// The path report's walks, order and rows are compared with a literal transcription on
// generated files (literal_path_test.cpp); this is the worked example.
namespace vdbq {
namespace {

TEST(DependencyPathReport, PutsPredecessorsBeforeAndSuccessorsAfterTheSchedule) {
  testing::ReportFixture fx(
      {{"Schedules.Xtract", std::string("SCHEDULE C#S2\n:\nC#JOB1\n FOLLOWS A#S1.JOB1\nEND\n"
                                        "SCHEDULE A#S1\nFOLLOWS B#S0.JOB9\n:\nA#JOB1\n"
                                        " FOLLOWS B#P1.J1,C#P2.J2\nEND\n"
                                        "SCHEDULE B#S0\n:\nB#JOB9\nEND\n")}});
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(testing::RowsText(fx.Results),
            "Seq.|Workstation|Schedule|Schedule Follows|Job Follows\n"
            "001|B|S0||\n"
            "||||\n"
            "002>|A|S1|B#S0.JOB9|B#P1.J1\n"
            "||||C#P2.J2\n"
            "||||\n"
            "003|C|S2||A#S1.JOB1\n"
            "||||\n");
}

TEST(DependencyPathReport, WalksOnAtTheScheduleLineThatEndedTheReading) {
  // U#OUTER lost its END line: its reading stops at U#INNER, which the walk then examines.
  testing::ReportFixture fx(
      {{"Schedules.Xtract", std::string("SCHEDULE U#S0\n:\nJ0\nEND\n"
                                        "SCHEDULE U#OUTER\nSCHEDULE U#INNER\nFOLLOWS U#S0.J0\n"
                                        ":\nJ1\nEND\n")}});
  fx.Run("S#5", "U#S0");
  EXPECT_EQ(testing::RowsText(fx.Results),
            "Seq.|Workstation|Schedule|Schedule Follows|Job Follows\n"
            "001>|U|S0||\n"
            "||||\n"
            "002|U|INNER|U#S0.J0|\n"
            "||||\n");
}

}  // namespace
}  // namespace vdbq
