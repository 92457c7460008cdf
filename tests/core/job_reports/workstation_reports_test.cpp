#include <gtest/gtest.h>

#include "core/reports/row_styles.h"
#include "report_test_helpers.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::Extracts;
using testing::ReportFixture;
using testing::Row;
using testing::RowsOf;

constexpr const char* kCpus = "CPUNAME CPU1\nOS UNIX\nEND\nCPUNAME CPU10\nEND\nCPUNAME CPU2\nEND\n";

// Block starts: 0, 3 (a stray END), 4 (two SCHEDULE lines), 9, 13, 16, 18.
constexpr const char* kSchedules =
    "SCHEDULE CPU1#FIRST\n"
    ":\n"
    "END\n"
    "END\n"
    "SCHEDULE CPU1#BETA extra text\n"
    ":\n"
    " JOB\n"
    "SCHEDULE CPU1#HIDDEN\n"
    "END\n"
    "* comment\n"
    "SCHEDULE CPU10#OTHER\n"
    ":\n"
    "END\n"
    "SCHEDULE CPU1#alpha\n"
    ":\n"
    "END\n"
    "SCHEDULE NOHASH\n"
    "END\n";

TEST(W1ListsSchedulesOfAWorkstation, WalksOneHeaderPerBlockFromLineZero) {
  ReportFixture fx(Extracts{{"Cpus.Xtract", kCpus}, {"Schedules.Xtract", kSchedules}});
  fx.Run("W#1", "CPU1");
  EXPECT_EQ(fx.Results.ReportNumber, 21);
  EXPECT_EQ(fx.Results.LabRepTit1, "Workstation Report - Option #1");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Schedules For CPU1");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 300, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "CPU1");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report W#1:CPU1"});
  // The schedule on line 0 counts, the stray END does not make BETA appear twice, and the
  // second SCHEDULE line of a block is not seen.
  EXPECT_EQ(RowsOf(fx.Results),
            (std::vector<Row>{{"CPU1", "alpha"}, {"CPU1", "BETA extra text"}, {"CPU1", "FIRST"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Schedule(s) for Workstation <CPU1>... Ready.");
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = Workstation#ScheduleName To ClipBoard");
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 2).Fill, Ground::LightYellow);
}

TEST(W1ListsSchedulesOfAWorkstation, ComparesTheWholeWorkstationName) {
  ReportFixture fx(Extracts{{"Cpus.Xtract", kCpus}, {"Schedules.Xtract", kSchedules}});
  fx.Run("W#1", "CPU10");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU10", "OTHER"}}));
  fx.Run("W#1", "CPU2");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Schedule(s) for Workstation <CPU2>... Ready.");
}

TEST(WorkstationCheck, RejectsAnythingButADefinedNameAsTyped) {
  ReportFixture fx(Extracts{{"Cpus.Xtract", kCpus}, {"Schedules.Xtract", kSchedules}});
  fx.Run("W#3");
  for (const char* code : {"W#1", "W#2"}) {
    for (const char* search : {"CPU", "cpu1", " CPU1", "CPU1 ", "", "CPU1@:@CPU10X"}) {
      fx.Run(code, search);
      EXPECT_EQ(fx.Panel.StatusText, "Invalid Workstation Name Entered!") << code << search;
      EXPECT_TRUE(fx.Panel.FocusSearchRequested);
      EXPECT_EQ(fx.Panel.SearchText, search);
      EXPECT_EQ(fx.Results.ReportNumber, 23);
      EXPECT_EQ(fx.Results.LabRepTit1, "Workstation Report - Option #3");
    }
  }
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report W#3:"});
  EXPECT_EQ(fx.Results.RunsCompleted, 1);
}

TEST(W2ListsJobsOfAWorkstation, TakesHeaderLinesWhoseKeyHasThatWorkstation) {
  ReportFixture fx(Extracts{{"Cpus.Xtract", kCpus},
                            {"Jobs.Xtract",
                             "CPU1#B X\nCPU1#a X\nCPU10#C X\n CPU1#BLANKLED X\n     CPU1#CONT X\n"
                             "CPU1#NAME WITH BLANKS\nCPU2#D X\n"}});
  fx.Run("W#2", "CPU1");
  EXPECT_EQ(fx.Results.ReportNumber, 22);
  EXPECT_EQ(fx.Results.LabRepTit1, "Workstation Report - Option #2");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Jobs For CPU1");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 300, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report W#2:CPU1"});
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU1", "a"}, {"CPU1", "B"}, {"CPU1", "NAME"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Job(s) for Workstation <CPU1>... Ready.");
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = Workstation#JobName To ClipBoard");
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 2).Fill, Ground::LightBlue);
}

constexpr const char* kClasses =
    "CPUNAME CPU1\n"
    "END\n"
    "CPUCLASS ONEPERLINE\n"
    "MEMBERS\n"
    "  CPU1\n"
    "  CPU2\n"
    "END\n"
    "CPUCLASS MIXED\n"
    "MEMBERS CPU1 CPU2\n"
    "  CPU3\n"
    "\n"
    "  CPU4\n"
    "END\n"
    "cpuclass lower\n"
    "  members cpu5\n"
    "end\n"
    "CPUCLASS X\n"
    "END\n"
    "CPUCLASS \n"
    "  MEMBERS CPU9\n"
    "END\n"
    "   CPUCLASS INDENTED\n"
    "MEMBERS A\n"
    "END\n"
    "CPUCLASS RESET\n"
    "MEMBERS A\n"
    "B\n"
    "MEMBERS\n"
    "C\n"
    "END\n"
    "CPUCLASS OPEN\n"
    "MEMBERS Z\n";

TEST(W3ListsClasses, CollectsMembersInFileOrder) {
  ReportFixture fx(Extracts{{"Cpus.Xtract", kClasses}});
  fx.Run("W#3", "ANY");
  EXPECT_EQ(fx.Results.ReportNumber, 23);
  EXPECT_EQ(fx.Results.LabRepTit1, "Workstation Report - Option #3");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Workstation Classes");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 300, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "ANY");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report W#3:ANY"});
  // A class with an empty name is skipped; a bare MEMBERS line starts the members afresh; a
  // class without END ends with the file.
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"ONEPERLINE", "CPU1 CPU2 "},
                                                  {"MIXED", "CPU1 CPU2 CPU3 CPU4 "},
                                                  {"lower", "cpu5 "},
                                                  {"X", ""},
                                                  {"INDENTED", "A "},
                                                  {"RESET", "C "},
                                                  {"OPEN", "Z "}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 7 Classes... Ready.");
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = ClassName To ClipBoard");
  EXPECT_EQ(RowStyle(fx.Results, 0).Fill, Ground::LightGreen);
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 2).Fill, Ground::CellGrey);
}

TEST(W3ListsClasses, UsesTheSingularForExactlyOneClass) {
  ReportFixture one(Extracts{{"Cpus.Xtract", "CPUCLASS C\nMEMBERS A\nEND\n"}});
  one.Run("W#3");
  EXPECT_EQ(one.Panel.StatusText, "Found 1 Class... Ready.");
  ReportFixture none(Extracts{{"Cpus.Xtract", "CPUNAME CPU1\nEND\n"}});
  none.Run("W#3");
  EXPECT_TRUE(none.Results.Rows.empty());
  EXPECT_EQ(none.Panel.StatusText, "Found 0 Classes... Ready.");
}

}  // namespace
}  // namespace vdbq
