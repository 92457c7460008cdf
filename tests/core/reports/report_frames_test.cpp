// The frame every report sets around its rows (number, titles, widths, search box, audit line,
// hint and closing status), what a rejected search leaves, and what each report does without
// data: one row per case over one small database. Then the report panel, the search-text check,
// the report table and presets, and the colour rules of the result list (their one place in the
// core).

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/reports/report_frame.h"
#include "core/reports/report_panel.h"
#include "core/reports/report_presets.h"
#include "core/reports/row_styles.h"
#include "core/reports/run_report.h"
#include "support/report_fixture.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::ReportFixture;
using testing::RowsText;
using ColumnWidths = std::array<int, kResultColumns>;

const std::map<std::string, std::string> kDatabase{
    {"Cpus.Xtract", "CPUNAME CPU1\nEND\nCPUNAME CPU2\nEND\nCPUCLASS CLS\nMEMBERS CPU1\nEND\n"},
    {"Schedules.Xtract",
     "SCHEDULE CPU1#DAILY\nON HOLIDAYS\nNEEDS 1 TAPES\nPROMPT OK\n:\n J1\nEND\n"
     "SCHEDULE CPU2#NIGHTLY\nFOLLOWS CPU1#DAILY.@\n:\n CPU2#J2\nEND\n"
     "SCHEDULE WORKSTATION12345678#SCHEDULENAME1234567\n:\nEND\n"},
    {"Jobs.Xtract",
     "CPU1#J1 SCRIPTNAME \"^BIN^/x\"\nCPU2#J2 DOCOMMAND \"run nightly\"\n"
     "CPU1#J3 DOCOMMAND \"x\"\n"},
    {"Calendars.Xtract", "$CALENDAR\nHOLIDAYS\t\"h\"\n  12/25/26\nSPARE\t\"s\"\n  01/01/07\n"},
    {"Resources.Xtract", "$RESOURCE\nCPU1#TAPES\t1\t\"\"\nCPU1#DISK\t1\t\"\"\n"},
    {"Prompts.Xtract", "$PROMPT\nOK \"?\"\nNO \"?\"\n"},
    {"Parms.Xtract", "$PARM\nBIN \"/b\"\nOLD \"/o\"\n"},
};

const std::string kScheduleHint = "Click Row = Workstation#ScheduleName To ClipBoard";
const std::string kJobHint = "Click Row = Workstation#JobName To ClipBoard";
const std::string kCalendarHint = "Click Row = CalendarName To ClipBoard";
const std::string kUsageTitle = "Check Usage:";
constexpr ColumnWidths kKeyWidths{100, 300, 0, 0, 0, 0, 0, 0, 0};
constexpr ColumnWidths kFindWidths{100, 350, 0, 0, 0, 0, 0, 0, 0};
constexpr ColumnWidths kCheckWidths{200, 200, 0, 0, 0, 0, 0, 0, 0};

struct Frame {
  const char* Code;
  std::string Search;  // as typed
  int Number;
  std::string Title1;
  std::string Title2;
  ColumnWidths Widths;
  std::string SearchAfter;  // the search box after the run; the audit line carries it too
  std::string Status;
  std::string Hint;
};

constexpr ColumnWidths kListWidths{200, 0, 100, 0, 0, 0, 0, 0, 0};
constexpr ColumnWidths kDetailWidths{40, 60, 90, 130, 130, 70, 60, 40, 60};
constexpr ColumnWidths kPathWidths{40, 100, 130, 200, 200, 6, 7, 8, 9};
const std::string kLongKey = "WORKSTATION12345678#SCHEDULENAME1234567";
const std::string kCutKey = "WORKSTATION12345 # SCHEDULENAME1234";

// clang-format off
const Frame kFrames[] = {
    {"S#1", "TYPED", 1, "Schedule Report - Option #1", "All Workstation/Schedule", kKeyWidths, "",
     "Found 3 Schedule(s)... Ready.", kScheduleHint},
    {"S#2", "TYPED", 2, "Schedule Report - Option #2", "All Schedule/Workstation", kListWidths, "",
     "Found 3 Schedule(s)... Ready.", kScheduleHint},
    {"S#3", " DAILY ", 3, "Schedule Report - Option #3", "String Search Result", kKeyWidths,
     "DAILY", "Found 1 Occurrences of <DAILY>... Ready.", kScheduleHint},
    {"S#4", " CPU1#DAILY ", 4, "Schedule Report - Option #4", "CPU1 # DAILY", kDetailWidths,
     "CPU1#DAILY", "Ready.", kScheduleHint},
    // Title parts are cut to 16 characters; the whole key is searched.
    {"S#4", kLongKey, 4, "Schedule Report - Option #4", kCutKey, kDetailWidths, kLongKey, "Ready.",
     kScheduleHint},
    // The path report leaves columns 6 to 9 as they were (1 to 9 before every run here).
    {"S#5", "  CPU2#NIGHTLY ", 5, "Schedule Report - Option #5", "CPU2 # NIGHTLY", kPathWidths,
     "CPU2#NIGHTLY", "Ready.", kScheduleHint},
    {"S#5", kLongKey, 5, "Schedule Report - Option #5", kCutKey, kPathWidths, kLongKey, "Ready.",
     kScheduleHint},
    {"J#1", "TYPED", 11, "Job Report - Option #1", "All Workstation/Job", kKeyWidths, "",
     "Found 3 Job(s)... Ready.", kJobHint},
    {"J#2", "TYPED", 12, "Job Report - Option #2", "All Job/Workstation", kListWidths, "",
     "Found 3 Job(s)... Ready.", kJobHint},
    {"J#3", " J ", 13, "Job Report - Option #3", "String Search Result", kKeyWidths, "J",
     "Found 3 Occurrences of <J>... Ready.", kJobHint},
    {"J#4", " J1 ", 14, "Job Report - Option #4", "J1", {100, 150, 100, 200, 200, 0, 0, 0, 0},
     "J1", "Found 1 Schedule(s) containing <J1>... Ready.", kScheduleHint},
    {"J#5", "TYPED", 15, "Job Report - Option #5", "All Un-Scheduled Jobs", kFindWidths, "",
     "Found 1 Un-Scheduled Job(s)... Ready.", kJobHint},
    // J#6 takes the text as typed, blanks included.
    {"J#6", "RUN ", 16, "Job Report - Option #6", "Find: RUN ", {100, 250, 500, 0, 0, 0, 0, 0, 0},
     "RUN ", "Found 1 Job(s) containing <RUN >... Ready.", kJobHint},
    {"W#1", "CPU1", 21, "Workstation Report - Option #1", "All Schedules For CPU1", kKeyWidths,
     "CPU1", "Found 1 Schedule(s) for Workstation <CPU1>... Ready.", kScheduleHint},
    {"W#2", "CPU1", 22, "Workstation Report - Option #2", "All Jobs For CPU1", kKeyWidths, "CPU1",
     "Found 2 Job(s) for Workstation <CPU1>... Ready.", kJobHint},
    {"W#3", "ANY", 23, "Workstation Report - Option #3", "All Workstation Classes", kKeyWidths,
     "ANY", "Found 1 Class... Ready.", "Click Row = ClassName To ClipBoard"},
    {"C#1", " HOLIDAYS ", 31, "Calendar Report - Option #1", "All Schedules Using HOLIDAYS",
     {100, 130, 70, 70, 0, 0, 0, 0, 0}, "HOLIDAYS",
     "Found 1 Schedule(s) containing Calendar <HOLIDAYS>... Ready.", kScheduleHint},
    {"C#2", "any text ", 32, "Calendar Report - Option #2", "All Unused Calendars",
     {100, 0, 0, 0, 0, 0, 0, 0, 0}, "any text ", "Found 1 Unused Calendars... Ready.",
     kCalendarHint},
    {"C#3", "", 33, "Calendar Report - Option #3", "All Invalid Calendars", kKeyWidths, "",
     "Found 1 Invalid Calendars... Ready.", kCalendarHint},
    {"C#4", "X", 34, "Calendar Report - Option #4", "All Valid Calendars", kKeyWidths, "X",
     "Found 1 Valid Calendars... Ready.", kCalendarHint},
    // The find reports cut a workstation part off the search box.
    {"R#1", "CPU9#TAPES", 41, "Resource Report - Option #1", "Schedules Using: TAPES", kFindWidths,
     "TAPES", "Found 1 Schedules using Resource <TAPES>... Ready.", kScheduleHint},
    {"R#2", " ignored", 42, "Resource Report - Option #2", kUsageTitle, kCheckWidths, " ignored",
     "Found 1 used Resources, and 1 unused Resources... Ready.",
     "Click Row = ResourceName To ClipBoard"},
    {"P#1", "BIN", 51, "Parameter Report - Option #1", "Jobs Using: ^BIN^", kFindWidths, "BIN",
     "Found 1 Jobs Containing Parameter ^BIN^... Ready.", kJobHint},
    {"P#2", "Z", 52, "Parameter Report - Option #2", kUsageTitle, kCheckWidths, "Z",
     "Found 1 used Parameters, and 1 unused Parameters... Ready.",
     "Click Row = ParameterName To ClipBoard"},
    {"D#1", "CPU2#OK", 61, "Prompt Report - Option #1", "Schedules Using: OK", kFindWidths, "OK",
     "Found 1 Schedules Containg Prompt <OK>... Ready.", kScheduleHint},
    {"D#2", "Q", 62, "Prompt Report - Option #2", kUsageTitle, kCheckWidths, "Q",
     "Found 1 used Prompts, and 1 unused Prompts... Ready.", "Click Row = PromptName To ClipBoard"},
};
// clang-format on

TEST(ReportFrames, EveryReportSetsItsFrame) {
  for (const Frame& f : kFrames) {
    SCOPED_TRACE(std::string(f.Code) + " <" + f.Search + ">");
    ReportFixture fx(kDatabase);
    fx.Results.Widths = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    fx.Panel.FocusSearchRequested = true;
    EXPECT_EQ(fx.Run(f.Code, f.Search), RunOutcome::Ran);
    EXPECT_EQ(
        std::tie(fx.Results.ReportNumber, fx.Results.Title, fx.Results.Subtitle, fx.Results.Widths),
        std::tie(f.Number, f.Title1, f.Title2, f.Widths));
    EXPECT_EQ(std::tie(fx.Panel.SearchText, fx.Panel.StatusText, fx.Panel.Hint),
              std::tie(f.SearchAfter, f.Status, f.Hint));
    EXPECT_EQ(std::tuple(fx.Panel.FocusSearchRequested, fx.Panel.ReportRunning,
                         fx.Results.ResultsShown, fx.Results.RunsCompleted),
              std::tuple(false, false, true, 1));
    const std::string audit = "Run Report " + std::string(f.Code) + ":" + f.SearchAfter;
    EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{audit});
    EXPECT_NE(fx.AuditFileText().find(audit), std::string::npos);
    EXPECT_GE(fx.ReportPageShown, 1);  // J#5 shows the page while it reads, then again
    EXPECT_GT(fx.Progress.Ticks, 0);
    EXPECT_FALSE(fx.Results.Rows.empty());
  }
}

struct Rejection {
  const char* Code;
  const char* Search;
  const char* Status;
  const char* SearchAfter;
  bool Focus;
  bool Audited;  // the find reports write their audit line before the name check
};

// ValidateSearchText's own cases are further down; a row here shows that
// a report asks it, with or without the "#" rule.
const char* const kBadCharacter = "Invalid Character In Schedule Name - Please Check!";
const char* const kBadFormat = "Format = WorkstationName#ScheduleName - Please Check!";
// clang-format off
const Rejection kRejections[] = {
    {"S#3", "pay", kBadCharacter, "pay", true, false},
    {"J#3", "j", kBadCharacter, "j", true, false},
    {"J#4", "j1", kBadCharacter, "j1", true, false},
    {"J#4", "CPU9#J1", "JobName : CPU9#J1 Is An Invalid JobName!", "CPU9#J1", false, true},
    {"S#4", "DAILY", kBadFormat, "DAILY", false, false},
    {"S#5", "S1", kBadFormat, "S1", false, false},
    // The workstation check takes the box as typed: no trimming, no letter-case folding.
    {"W#1", "cpu1", "Invalid Workstation Name Entered!", "cpu1", true, false},
    {"W#1", " CPU1", "Invalid Workstation Name Entered!", " CPU1", true, false},
    {"W#2", "CPU3", "Invalid Workstation Name Entered!", "CPU3", true, false},
    {"C#1", "HOLIDAY", "Invalid Calendar Name Entered!", "HOLIDAY", true, false},
    {"C#1", "holidays", kBadCharacter, "holidays", true, false},
    {"R#1", "CPU1#", "No Resource Name Entered!", "", false, false},
    {"R#1", "CPU1#TAPE", "Resource Name Entered Is Invalid!", "TAPE", false, true},
    {"R#1", " ", "No Text Entered - Please Check!", "", false, false},
    {"P#1", "CPU1#", "No Parameter Name Entered!", "", false, false},
    {"P#1", "X#BI", "Parameter Name Entered Is Invalid!", "BI", false, true},
    {"D#1", "CPU1#", "No Prompt Name Entered!", "", false, false},
    {"D#1", "NO2", "Prompt Name Entered Is Invalid!", "NO2", false, true},
};
// clang-format on

TEST(ReportFrames, ARejectedSearchChangesNothingButTheStatus) {
  ReportFixture fx(kDatabase);
  fx.Run("S#4", "CPU1#DAILY");
  fx.Run("S#1");
  const ResultList before = fx.Results;
  const std::string rowsBefore = RowsText(before);
  for (const Rejection& r : kRejections) {
    SCOPED_TRACE(std::string(r.Code) + " <" + r.Search + ">");
    const std::vector<std::string> auditBefore = fx.Audit->AuditTexts();
    const int pagesBefore = fx.ReportPageShown;
    fx.Run(r.Code, r.Search);
    EXPECT_EQ(std::tie(fx.Panel.StatusText, fx.Panel.SearchText, fx.Panel.FocusSearchRequested),
              std::tuple(r.Status, r.SearchAfter, r.Focus));
    EXPECT_EQ(RowsText(fx.Results), rowsBefore);
    EXPECT_EQ(fx.Results.ReportNumber, 1);
    EXPECT_EQ(std::tie(fx.Results.Title, fx.Results.Subtitle, fx.Results.Widths,
                       fx.Results.Header.At, fx.Results.RunsCompleted),
              std::tie(before.Title, before.Subtitle, before.Widths, before.Header.At,
                       before.RunsCompleted));
    EXPECT_EQ(fx.ReportPageShown, pagesBefore);
    EXPECT_EQ(fx.Panel.Hint, kScheduleHint);
    std::vector<std::string> audit = auditBefore;
    if (r.Audited) audit.push_back("Run Report " + std::string(r.Code) + ":" + r.SearchAfter);
    EXPECT_EQ(fx.Audit->AuditTexts(), audit);
    if (r.Audited) {
      EXPECT_NE(fx.AuditFileText().find(audit.back()), std::string::npos);
    }
  }
}

TEST(ReportFrames, AScheduleNotFoundLeavesTheRowsButNotTheTitlesOrTheAuditLine) {
  // S#4 keeps the previous report number, S#5 takes its own; both empty nothing else.
  for (const auto& [code, number] : {std::pair{"S#4", 1}, std::pair{"S#5", 5}}) {
    SCOPED_TRACE(code);
    ReportFixture fx(kDatabase);
    fx.Run("S#4", "CPU1#DAILY");
    fx.Run("S#1");
    const std::string rows = RowsText(fx.Results);
    fx.Run(code, "CPU9#MISSING");
    EXPECT_EQ(std::tuple(fx.Panel.StatusText, RowsText(fx.Results), fx.Results.ReportNumber,
                         fx.Results.RunsCompleted, fx.ReportPageShown),
              std::tuple("Schedule Not Found!", rows, number, 2, 2));
    EXPECT_EQ(fx.Results.Title, std::string("Schedule Report - Option #") + code[2]);
    EXPECT_EQ(fx.Results.Subtitle, "CPU9 # MISSING");
    EXPECT_EQ(fx.Audit->AuditTexts().back(), std::string("Run Report ") + code + ":CPU9#MISSING");
    if (number == 1) {
      EXPECT_EQ(fx.Results.Header.At, "");
      EXPECT_EQ(fx.Results.Header.Workstation, "CPU9");
    }
  }
}

// On a database with no objects: the calendar, resource, parameter and prompt reports do
// nothing at all ("Ready." only); the others run and find nothing.
TEST(ReportFrames, WithoutDataReportsFindNothingOrDoNothing) {
  const char* const found0 = "Found 0 Schedule(s)... Ready.";
  const char* const none = "Schedule Not Found!";
  const char* const jobs0 = "Found 0 Job(s)... Ready.";
  const char* const occurrences0 = "Found 0 Occurrences of <X>... Ready.";
  // clang-format off
  const std::vector<std::array<const char*, 3>> cases{
      {"S#1", "", found0}, {"S#2", "", found0}, {"S#3", "X", occurrences0}, {"S#4", "A#B", none},
      {"S#5", "A#B", none}, {"J#1", "", jobs0}, {"J#2", "", jobs0}, {"J#3", "X", occurrences0},
      {"J#4", "X", "JobName : X Is An Invalid JobName!"},
      {"J#5", "", "Found 0 Un-Scheduled Job(s)... Ready."},
      {"J#6", "", "Found 0 Job(s) containing <>... Ready."},
      {"W#1", "CPU1", "Invalid Workstation Name Entered!"},
      {"W#3", "", "Found 0 Classes... Ready."},
      {"C#1", "HOLIDAYS", "Ready."}, {"C#2", "", "Ready."}, {"C#3", "", "Ready."},
      {"C#4", "", "Ready."}, {"R#1", "TAPES", "Ready."}, {"R#2", "", "Ready."},
      {"P#1", "BIN", "Ready."}, {"P#2", "", "Ready."}, {"D#1", "OK", "Ready."},
      {"D#2", "", "Ready."},
  };
  // clang-format on
  for (const auto& [code, search, status] : cases) {
    SCOPED_TRACE(code);
    ReportFixture fx({});
    fx.Results.AddRow("previous");
    fx.Run(code, search);
    EXPECT_EQ(fx.Panel.StatusText, status);
    if (std::string(status) == "Ready.") {
      EXPECT_EQ(fx.Results.ReportNumber, 0);
      EXPECT_EQ(RowsText(fx.Results), "previous\n");
      EXPECT_TRUE(fx.Audit->AuditTexts().empty());
      EXPECT_EQ(fx.Results.RunsCompleted, 0);
      EXPECT_EQ(fx.Panel.Hint, "");
    }
  }
}

// The bundled sample database gives every report something to show.
TEST(ReportFrames, EveryReportFindsRowsInTheSampleDatabase) {
  const char* dir = std::getenv("VARNOLTDBQ_SAMPLE_DB");
  if (dir == nullptr || *dir == '\0') GTEST_SKIP() << "sample database not available";
  std::map<std::string, std::string> extracts;
  for (const char* name : testing::kExtractFileNames) {
    extracts[name] = testing::ReadFile(std::filesystem::path(dir) / name);
  }
  ReportFixture fx(extracts);
  // clang-format off
  const std::map<std::string, std::string> searches{
      {"S#3", "DAILY"}, {"S#4", "HFFIN01#GL_POSTING"}, {"S#5", "HFFIN01#GL_POSTING"},
      {"J#3", "HFFIN"}, {"J#4", "VARNOLT_DBXTRACT"}, {"J#6", "VARNOLT"}, {"W#1", "HFFIN01"},
      {"W#2", "HFMASTER"}, {"C#1", "HOLIDAYS"}, {"R#1", "TAPES"}, {"P#1", "BINDIR"},
      {"D#1", "TAPE_MOUNTED"}};
  // clang-format on
  for (const ReportEntry& report : ReportTable()) {
    const auto search = searches.find(report.Code);
    const long long before = fx.Results.RunsCompleted;
    fx.Run(report.Code, search == searches.end() ? "" : search->second);
    EXPECT_EQ(fx.Results.RunsCompleted, before + 1) << report.Code << ": " << fx.Panel.StatusText;
    EXPECT_FALSE(fx.Results.Rows.empty()) << report.Code;
  }
  // Each usage check has objects in use and objects nobody uses.
  for (const char* code : {"R#2", "P#2", "D#2"}) {
    fx.Run(code);
    int unused = 0;
    for (const ResultRow& row : fx.Results.Rows) unused += row.Column(2) == "Not Used.";
    EXPECT_GT(unused, 0) << code;
    EXPECT_LT(unused, static_cast<int>(fx.Results.Rows.size())) << code;
  }
}

TEST(ReportTable, FindsReportsByCodeInEitherLetterCaseAndByPosition) {
  EXPECT_EQ(FindReportByCode("s#4")->ReportNumber, 4);
  EXPECT_EQ(FindReportByCode("X#1"), nullptr);
  EXPECT_EQ(FindReport(2, 3)->Code, std::string("W#3"));
  EXPECT_EQ(FindReport(4, 3), nullptr);
}

TEST(RunReport, WithNoOptionTickedOnlyTheStatusChanges) {
  ReportFixture fx({});
  fx.Results.ReportNumber = 3;
  fx.Results.AddRow("keep");
  fx.Panel.Hint = "old hint";
  EXPECT_EQ(fx.RunAsGo(), RunOutcome::Ran);
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 3);
  EXPECT_EQ(fx.Results.Rows.size(), 1u);
  EXPECT_EQ(fx.Panel.Hint, "Click Row = Workstation#ScheduleName To ClipBoard");
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
}

TEST(RunReport, DoesNothingWhileExtractsAreMissing) {
  ReportFixture fx({});
  std::filesystem::remove(fx.Dir.Path() / "Cpus.Xtract");
  RefreshCatalogue(fx.Settings.DatabaseDir, fx.Store, fx.Catalogue);
  fx.Panel.StatusText = "before";
  fx.Panel.Hint = "hint before";
  EXPECT_EQ(fx.Run("S#1"), RunOutcome::NotRun);
  EXPECT_EQ(fx.Panel.StatusText + "|" + fx.Panel.Hint, "before|hint before");
}

TEST(RunReport, RefusesASecondReportWhileOneRuns) {
  ReportFixture fx({});
  fx.Panel.ReportRunning = true;
  EXPECT_EQ(fx.Run("S#1"), RunOutcome::Busy);
  EXPECT_EQ(fx.Panel.TickedOption(), 0);
  fx.Panel.ReportRunning = false;
  EXPECT_EQ(fx.Run("S#1"), RunOutcome::Ran);
  EXPECT_FALSE(fx.Panel.ReportRunning);
}

TEST(ReportPresets, EntriesOfferedByNodeKind) {
  EXPECT_EQ(PresetsForKind(ObjectKind::None).size(), 0u);
  const auto schedule = PresetsForKind(ObjectKind::Schedule);
  ASSERT_EQ(schedule.size(), 2u);
  EXPECT_EQ(PresetSearchText(schedule[1], "DAILY", "CPU1"), "CPU1#DAILY");
  const auto job = PresetsForKind(ObjectKind::Job);
  ASSERT_EQ(job.size(), 2u);
  EXPECT_EQ(PresetSearchText(job[1], "JOB1", "CPU1"), "JOB1");
  EXPECT_EQ(PresetsForKind(ObjectKind::Workstation).size(), 2u);
  EXPECT_EQ(FixedPresets().size(), 11u);
  EXPECT_FALSE(PresetSearchText(FixedPresets()[0], "x", "y").has_value());
}

TEST(ReportPanel, StartsOnSchedulesAndChangingCategoryWrapsAndUnticks) {
  ReportPanel panel;
  EXPECT_EQ(panel.ReportCategory(), 0);
  EXPECT_EQ(panel.Caption(), "Schedules");
  EXPECT_EQ(panel.TickedOption(), 0);
  EXPECT_EQ(panel.Description(), "Select Report Options Above.");
  EXPECT_EQ(panel.Hint, "Hint: To Be Completed...");
  EXPECT_EQ(panel.OptionText(5), "Display External Schedule Dependency Path");
  panel.TickOption(3);
  panel.Next();
  EXPECT_EQ(panel.TickedOption(), 0);
  EXPECT_EQ(panel.Description(), "Select Report Options Above.");
  EXPECT_EQ(panel.OptionText(1), "List All Workstation/Jobs Alphabetically");
  panel.Previous();
  panel.Previous();
  EXPECT_EQ(panel.ReportCategory(), 6);
  EXPECT_EQ(panel.Caption(), "Prompts");
  panel.Next();
  EXPECT_EQ(panel.ReportCategory(), 0);
  for (int i = 0; i < 3; ++i) panel.Next();
  EXPECT_EQ(panel.Caption(), "Calendars");
}

// Rows above the count are hidden and cannot be ticked; row one never is.
TEST(ReportPanel, OptionRowsAboveTheCountAreHidden) {
  ReportPanel panel;
  const int counts[] = {5, 6, 3, 4, 2, 2, 2};
  for (int category = 0; category < 7; ++category) {
    panel.SetCategory(category);
    EXPECT_EQ(panel.OptionCount(), counts[category]);
    EXPECT_TRUE(panel.OptionVisible(1));
    EXPECT_TRUE(panel.OptionVisible(counts[category]));
    if (counts[category] == 6) continue;
    EXPECT_FALSE(panel.OptionVisible(counts[category] + 1));
    panel.TickOption(counts[category] + 1);
    EXPECT_EQ(panel.TickedOption(), 0);
  }
}

TEST(ReportPanel, TickingIsExclusiveAndDescribesTheNewOption) {
  ReportPanel panel;
  panel.SetCategory(1);
  panel.TickOption(6);
  EXPECT_EQ(panel.TickedOption(), 6);
  EXPECT_EQ(panel.Description(),
            "Finds a string within the DoCommand or ScriptName variables within a Job.");
  panel.TickOption(2);
  panel.TickOption(2);  // ticking it again keeps it ticked
  EXPECT_EQ(panel.TickedOption(), 2);
  EXPECT_EQ(panel.Description(),
            "Lists all Jobs alphabetically and highlights duplicates across Workstations. No "
            "{Search-String} required.");
}

TEST(ReportPanel, TotalFollowsTheCategory) {
  ReportPanel panel;
  CatalogueTotals totals;
  totals.ScheduleBlockCount = 25;
  totals.PromptTotal = 4;
  panel.SetTotals(totals);
  EXPECT_EQ(panel.TotalText() + " " + panel.TotalHint(), "25 Total Schedules");
  panel.Previous();
  EXPECT_EQ(panel.TotalText() + " " + panel.TotalHint(), "4 Total Prompts");
}

// The box is trimmed first; the "#" rule wants an inner "#"; then only upper-case letters,
// digits, "_", "-" and "#" pass, and a refused character asks for the focus.
TEST(ValidateSearchText, ByCase) {
  struct Case {
    const char* Text;
    bool HashRule;
    const char* Status;  // nullptr: accepted
    const char* After;
  };
  const char* const noText = "No Text Entered - Please Check!";
  const char* const format = "Format = WorkstationName#ScheduleName - Please Check!";
  const char* const length = "Invalid Text Length Entered - Please Check!";
  const char* const character = "Invalid Character In Schedule Name - Please Check!";
  const Case cases[] = {
      {"  CPU1#DAILY  ", true, nullptr, "CPU1#DAILY"},
      {"", false, noText, ""},
      {"    ", true, noText, ""},
      {"DAILY", true, format, "DAILY"},
      {"#DAILY", true, length, "#DAILY"},
      {"CPU1#", true, length, "CPU1#"},
      {"A#B#", true, nullptr, "A#B#"},
      {"DAILY", false, nullptr, "DAILY"},
      {"#DAILY", false, nullptr, "#DAILY"},
      {"A-B_9#", false, nullptr, "A-B_9#"},
      {"CPU1.DAILY", false, character, "CPU1.DAILY"},
      {"CPU1 DAILY", false, character, "CPU1 DAILY"},
      {"cpu1#daily", false, character, "cpu1#daily"},
      {"A\tB", false, character, "A\tB"},
      {"\xc9T\xc9", false, character, "\xc9T\xc9"},
      {"a.b", true, format, "a.b"},  // the character check comes after the "#" rule
  };
  for (const Case& c : cases) {
    ReportPanel panel;
    panel.SearchText = c.Text;
    panel.StatusText = "Processing... Please Wait...";
    EXPECT_EQ(ValidateSearchText(panel, c.HashRule), c.Status == nullptr) << c.Text;
    EXPECT_EQ(panel.SearchText, c.After) << c.Text;
    EXPECT_EQ(panel.StatusText, c.Status ? c.Status : "Processing... Please Wait...") << c.Text;
    EXPECT_EQ(panel.FocusSearchRequested, c.Status == character) << c.Text;
  }
}

using testing::ListOf;

constexpr Ground L = Ground::List, P = Ground::Pink, G = Ground::LightGreen,
                 Y = Ground::LightYellow, B = Ground::LightBlue, O = Ground::Orange,
                 C = Ground::CellGrey;

// A plain second row {"X", {"Y", "Z"}} of every report (the first row is a heading in 14 and
// 31): the grounds of columns 1 to 4.
TEST(RowStyles, GroundsOfAPlainRowByReport) {
  struct Case {
    int Number;
    std::array<Ground, 4> Fill;
  };
  const Case cases[] = {
      {0, {L, L, L, L}},  {1, {L, Y, L, L}},  {2, {Y, C, C, C}},  {3, {L, Y, L, L}},
      {5, {G, C, Y, C}},  {6, {L, L, L, L}},  {11, {L, B, L, L}}, {12, {B, C, B, B}},
      {13, {L, B, L, L}}, {14, {L, Y, C, L}}, {15, {L, B, L, L}}, {16, {L, B, P, L}},
      {21, {L, Y, L, L}}, {22, {L, B, L, L}}, {23, {G, C, G, G}}, {31, {L, Y, C, L}},
      {32, {G, C, G, G}}, {33, {G, C, G, G}}, {34, {G, C, G, G}}, {41, {L, Y, L, L}},
      {42, {L, L, L, L}}, {51, {L, B, L, L}}, {52, {L, L, L, L}}, {61, {L, Y, L, L}},
      {62, {L, L, L, L}},
  };
  for (const Case& c : cases) {
    const ResultList list = ListOf(c.Number, {{"X", {"Y", "Z"}}, {"X", {"Y", "Z"}}});
    for (int k = 1; k <= 4; ++k) {
      const CellStyle style = CellStyleAt(list, 1, k);
      EXPECT_EQ(style.Fill, c.Fill[k - 1]) << "report " << c.Number << " column " << k;
      // A cell rule draws normal text on its ground; the row's ground is no cell rule.
      EXPECT_EQ(style.CellRule, k > 1 && style != RowStyle(list, 1)) << c.Number << " " << k;
      if (style.CellRule) {
        EXPECT_EQ(style.Text, TextColour::Normal);
      }
    }
  }
}

struct Probe {
  long long Row;
  int Column;  // 1: the row style
  CellStyle Style;
};

constexpr CellStyle kList{};
constexpr CellStyle kHeading{TextColour::Navy, true, P, false};
constexpr CellStyle kMarked{TextColour::Maroon, false, P, false};
constexpr CellStyle Row(Ground g) { return {TextColour::Normal, false, g, false}; }
constexpr CellStyle Cell(Ground g) { return {TextColour::Normal, false, g, true}; }

void ExpectProbes(const ResultList& list, std::initializer_list<Probe> probes) {
  for (const Probe& p : probes) {
    EXPECT_EQ(CellStyleAt(list, p.Row, p.Column), p.Style)
        << "report " << list.ReportNumber << " row " << p.Row << " column " << p.Column;
  }
}

TEST(RowStyles, RowsOutsideTheListAndColumnsOutsideTheNineTakeNoCellRule) {
  // S#2 greys every column from 2 on, whatever the row.
  const ResultList list = ListOf(2, {{"D", {"", "C"}}});
  ExpectProbes(list, {{0, 0, Row(Y)},
                      {0, 9, Cell(C)},
                      {0, 10, Row(Y)},
                      {-1, 1, kList},
                      {-1, 2, kList},
                      {1, 1, kList},
                      {1, 2, kList}});
}

TEST(RowStyles, DuplicateMarksOverrideTheRowGround) {
  const ResultList s2 = ListOf(2, {{"DAILY", {"", "CPU1"}}, {"DAILY", {"1", "CPU2"}}});
  ExpectProbes(
      s2, {{0, 1, Row(Y)}, {1, 1, kMarked}, {1, 2, Cell(C)}, {1, 3, Cell(C)}, {1, 9, Cell(C)}});
  ExpectProbes(ListOf(12, {{"J", {"", "CPU1"}}, {"J", {"1", "CPU2"}}}),
               {{0, 1, Row(B)}, {1, 1, kMarked}, {1, 2, Cell(C)}, {1, 3, kMarked}});
}

TEST(RowStyles, HeadingRowsOfTheUsageReports) {
  ExpectProbes(ListOf(31, {{"Workstation", {"Schedule", "On", "Except"}}}),
               {{0, 1, kHeading}, {0, 2, kHeading}, {0, 3, kHeading}});
  // J#4: the heading and a row without caption take no cell rule.
  ExpectProbes(
      ListOf(14, {{"Workstation", {"Schedule"}}, {"", {"S", "F"}}}),
      {{0, 1, kHeading}, {0, 2, kHeading}, {0, 3, kHeading}, {1, 2, kList}, {1, 3, kList}});
  // Column 3 of J#4 is grey on any row but the one captioned "Workstation".
  ExpectProbes(ListOf(14, {{"CPU1", {"S"}}, {"Workstation", {"S"}}}),
               {{0, 3, Cell(C)}, {1, 2, Cell(Y)}, {1, 3, kList}});
}

TEST(RowStyles, NotUsedRowsAreMarked) {
  for (int n : {42, 52, 62}) {
    ExpectProbes(ListOf(n, {{"X", {"Not Used."}}, {"Y", {"Used."}}}),
                 {{0, 1, kMarked}, {0, 2, Cell(P)}, {0, 3, kMarked}, {1, 2, kList}});
  }
}

TEST(RowStyles, ScheduleDetailRowsAndCells) {
  // The schedule section up to row 4, the "Seq." heading, a job's two rows and "<END>".
  ResultList list = ListOf(4, {{"", {"At/Until", "Workstation"}},
                               {"", {"0600", "CPU1", "S", "x"}},
                               {"", {"", "", "", ""}},
                               {"", {"", "Priority", "10", "A"}},
                               {"", {"", "", "", ""}},
                               {"Seq.", {"At/Until", "Workstation"}},
                               {"001", {"", "CPU1", "JOB1", "x"}},
                               {"", {"", "", "", "x"}},
                               {"<END>", {"", "", "", ""}},
                               {"002", {"At/Until", "", "", ""}}});
  list.DetailHeaderLastRow = 4;
  list.DetailEndRow = 9;
  // clang-format off
  ExpectProbes(list, {
      {0, 1, kHeading}, {0, 3, kHeading}, {1, 1, kList}, {1, 3, Cell(Y)}, {1, 4, kList},
      {1, 5, Cell(C)}, {2, 3, kList}, {2, 4, kList}, {3, 3, Cell(P)}, {3, 4, Cell(C)},
      {3, 5, kList}, {4, 3, kList}, {4, 4, kList}, {5, 1, kHeading}, {5, 2, kHeading},
      {5, 5, kHeading}, {6, 1, Row(G)}, {6, 2, Cell(C)}, {6, 3, Cell(Y)}, {6, 4, Cell(Y)},
      {6, 5, Cell(C)}, {6, 9, Cell(C)}, {7, 1, kList}, {7, 2, kList}, {7, 5, kList},
      {8, 1, kList}, {8, 3, kList}, {8, 2, Cell(C)}, {8, 5, Cell(C)},
      // From the end row on neither heading nor job ground applies.
      {9, 1, kList}, {9, 3, Cell(Y)}});
  // clang-format on
}

TEST(RowStyles, DependencyPathRowsAndCells) {
  const ResultList list = ListOf(5, {{"Seq.", {"Workstation", "Schedule"}},
                                     {"001>", {"CPU1", "DAILY", "x"}},
                                     {"012", {"CPU1", "B"}},
                                     {"", {"", ""}}});
  // clang-format off
  ExpectProbes(list, {
      {0, 1, kHeading}, {0, 2, kHeading}, {0, 3, kHeading}, {0, 4, kHeading}, {1, 1, Row(G)},
      {1, 2, Cell(C)}, {1, 3, Cell(O)},  // the searched schedule: a four-character caption
      {1, 4, Cell(C)}, {2, 3, Cell(Y)}, {3, 1, kList}, {3, 2, Cell(C)}, {3, 3, kList},
      {3, 4, Cell(C)}});
  // clang-format on
}

}  // namespace
}  // namespace vdbq
