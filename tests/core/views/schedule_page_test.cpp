#include "core/views/schedule_page.h"

#include "core/check/check_database.h"
#include "page_fixture.h"

namespace vdbq {
namespace {

using Lines = std::vector<std::string>;

class SchedulePageTest : public PageTest {
 protected:
  Lines Show(const std::string& schedules, const std::string& cpu, const std::string& name) {
    Load({{"Schedules.Xtract", schedules}});
    SchedulePage page;
    ShowSchedule(store, catalogue, cpu, name, page);
    EXPECT_EQ(page.Workstation, cpu);
    EXPECT_EQ(page.Schedule, name);
    return page.Lines;
  }
};

const char* const kSchedules =
    "* file header\n"
    "SCHEDULE CPU1#FIRST\nON REQUEST\n:\n CPU1#J1\nEND\n"
    "* the daily run\n\n"
    "SCHEDULE CPU1#DAILY\nON EVERYDAY\n:\n CPU1#J2\nEND\n"
    "SCHEDULE CPU1#DAILY2\nAT 0100\nEND\n";

// The first schedule is shown from line zero.
TEST_F(SchedulePageTest, ShowsTheDefinitionFromTheCommentsBeforeItToItsEnd) {
  EXPECT_EQ(Show(kSchedules, "CPU1", "DAILY"), (Lines{"* the daily run", "", "SCHEDULE CPU1#DAILY",
                                                      "ON EVERYDAY", ":", " CPU1#J2", "END"}));
  EXPECT_EQ(Show(kSchedules, "CPU1", "FIRST"),
            (Lines{"* file header", "SCHEDULE CPU1#FIRST", "ON REQUEST", ":", " CPU1#J1", "END"}));
  // The key must match whole and in case.
  EXPECT_EQ(Show(kSchedules, "CPU1", "DAILY2"), (Lines{"SCHEDULE CPU1#DAILY2", "AT 0100", "END"}));
  EXPECT_TRUE(Show(kSchedules, "cpu1", "DAILY").empty());
  EXPECT_TRUE(Show(kSchedules, "CPU1", "DAIL").empty());
  // A schedule not found leaves the memo empty.
  EXPECT_TRUE(Show(kSchedules, "CPU9", "NONE").empty());
  EXPECT_TRUE(Show("", "CPU1", "X").empty());
  // Lines after the last END are not shown for a schedule not found.
  // Found by the fuzzer: job lines left after the last END were shown for any missing key.
  const std::string text = "SCHEDULE B#S0\n:\nB#JOB9\nEND\nC#JOB1\n FOLLOWS A#S1.JO\n";
  EXPECT_TRUE(Show(text, "C", "S2").empty());
  EXPECT_TRUE(Show("* no schedule here\nand no END\n", "A", "B").empty());
  EXPECT_EQ(Show(text + "SCHEDULE C#S2\nEND\n", "C", "S2"),
            (Lines{"C#JOB1", " FOLLOWS A#S1.JO", "SCHEDULE C#S2", "END"}));
  // Without one the definition runs to the end of the list.
  EXPECT_EQ(Show("SCHEDULE A#B\nEND\nSCHEDULE A#C\nON MO\n", "A", "C"),
            (Lines{"SCHEDULE A#C", "ON MO"}));
  // ENDX ends a block for the index, but the page reads on to the line that is exactly END.
  EXPECT_EQ(Show("SCHEDULE A#B\nENDX\nSCHEDULE A#C\nEND\n", "A", "B"),
            (Lines{"SCHEDULE A#B", "ENDX", "SCHEDULE A#C", "END"}));
  EXPECT_EQ(Show("SCHEDULE A#B\nENDX\n* c\nSCHEDULE A#C\nEND\n", "A", "C"),
            (Lines{"* c", "SCHEDULE A#C", "END"}));
  // The lines of A#B after its SCHEDULE line are never examined, so a SCHEDULE line hidden in
  // its block is not found; blocks without a schedule (a stray END) do not throw the walk off.
  const std::string stray =
      "* stray\nEND\nEND\nSCHEDULE A#B\nSCHEDULE A#HIDDEN\nEND\n"
      "* before target\nSCHEDULE A#T\nAT 1\nEND\n";
  EXPECT_TRUE(Show(stray, "A", "HIDDEN").empty());
  EXPECT_EQ(Show(stray, "A", "T"), (Lines{"* before target", "SCHEDULE A#T", "AT 1", "END"}));
  // Showing another schedule replaces the memo.
  Load({{"Schedules.Xtract", kSchedules}});
  SchedulePage page;
  ShowSchedule(store, catalogue, "CPU1", "DAILY", page);
  ShowSchedule(store, catalogue, "CPU1", "GONE", page);
  EXPECT_TRUE(page.Lines.empty());
  EXPECT_EQ(page.Schedule, "GONE");
}

// A finding names its line from 1; the page marks the memo line that shows it, however many
// lines stand before the schedule.
struct FindingLineCase {
  const char* Name;
  const char* Schedules;
  const char* Marked;  // the memo line the schedule's finding marks
};

class FindingLine : public PageTest, public ::testing::WithParamInterface<FindingLineCase> {};

TEST_P(FindingLine, MarksTheMemoLineThatShowsIt) {
  Load({{"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
        {"Schedules.Xtract", GetParam().Schedules},
        {"Jobs.Xtract", "CPU1#J1 DOCOMMAND \"a\"\n"}});
  Progress progress;
  const std::vector<Finding> findings =
      CheckDatabase(store, catalogue, CheckOptions{DayOf(2027, 1, 4)}, progress);
  ASSERT_EQ(findings.size(), 1u);
  const Finding& finding = findings[0];
  ASSERT_EQ(finding.Kind, ObjectKind::Schedule);
  SchedulePage page;
  const size_t hash = finding.Key.find('#');
  ShowSchedule(store, catalogue, finding.Key.substr(0, hash), finding.Key.substr(hash + 1), page);
  const std::optional<size_t> row = MemoRowOfLine(page, finding.Line);
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(page.Lines[*row], GetParam().Marked);
  // The lines just before and just after the memo's are not on the page.
  const long long first = page.FirstLine.Value;
  for (long long outside : {first - 1, first + static_cast<long long>(page.Lines.size())}) {
    EXPECT_FALSE(MemoRowOfLine(page, NumberOfIndex(LineIndex(outside))).has_value()) << outside;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Placements, FindingLine,
    ::testing::Values(FindingLineCase{"FirstLineOfTheFile",
                                      "SCHEDULE CPU1#A\n:\n CPU1#J1\n CPU1#GONE\nEND\n",
                                      " CPU1#GONE"},
                      FindingLineCase{"AfterACommentAndABlankLine",
                                      "* header\n\nSCHEDULE CPU1#A\n:\n CPU1#J1\n CPU1#GONE\nEND\n",
                                      " CPU1#GONE"},
                      FindingLineCase{"SecondSchedule",
                                      "* header\nSCHEDULE CPU1#A\n:\n CPU1#J1\nEND\n\n"
                                      "SCHEDULE CPU1#B\nON MONTHEND_CAL\n:\n CPU1#J1\nEND\n",
                                      "ON MONTHEND_CAL"}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace vdbq
