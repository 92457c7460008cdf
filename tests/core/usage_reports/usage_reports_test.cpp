#include "core/reports/usage_reports.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/reports/calendar_dates.h"
#include "core/reports/calendar_header_scan.h"
#include "core/reports/name_lists.h"
#include "core/reports/report_routines.h"
#include "core/text/text_routines.h"
#include "support/report_fixture.h"
#include "support/test_helpers.h"

// The rows of the calendar, resource, parameter and prompt reports, one case a row.
namespace vdbq {
namespace {

using testing::ReportFixture;
using testing::RowsText;
using Extracts = std::map<std::string, std::string>;

// Today is 2026-12-05 in every fixture.
const std::string kCalendarFile =
    "$CALENDAR\nHOLIDAYS\t\"Bank holidays\"\n  01/01/26 12/25/26\n  12/26/26\n"
    "MONTH\t\"Month starts\"\n  11/01/26\nMONTHEND\t\"Month ends\"\n  12/31/26\nTODAYCAL\t\"\"\n"
    "  12/05/26\nNODATES\t\"Never filled in\"\n\nPIVOT\t\"Far future\"\n 01/01/69\n";
const Extracts kCalendars{
    {"Calendars.Xtract", kCalendarFile},
    {"Schedules.Xtract",
     "SCHEDULE CPU2#ZETA\nON HOLIDAYS, MONTHEND\n:\nCPU2#J1\nEND\n* a comment line between blocks\n"
     "SCHEDULE CPU1#BETA\nON WORKDAYS,\n  MONTH\nEXCEPT HOLIDAYS\n:\nCPU1#J2\nEND\n"
     "SCHEDULE CPU1#ALPHA\n*ON PIVOT\nON MONTHEND WEEKLY\nEXCEPT HOLIDAYS\n:\nON NODATES\nEND\n"}};
Extracts CalendarsWith(const std::string& schedules) {
  return {{"Calendars.Xtract", kCalendarFile}, {"Schedules.Xtract", schedules}};
}
const std::string kUse = "Workstation|In Schedule|As On|As Except\n";

const std::string kResourceFile =
    "$RESOURCE\nCPU1#TAPES\t   2\t\"Tape drives\"\nCPU2#TAPES\t   1\t\"\"\n"
    "CPU1#DISK\t   4\t\"Disk slots\"\nCPU2#LOCK\t   1\t\"Lock\"\nNO TAB ON THIS LINE\n";
const Extracts kResources{
    {"Resources.Xtract", kResourceFile},
    {"Schedules.Xtract",
     "SCHEDULE CPU1#S1\nON EVERYDAY\nNEEDS 1 TAPES CONFIRMED\n:\n CPU1#J1\nEND\n"
     "SCHEDULE CPU2#S2\nNEEDS 1 DISK,\n  2 CPU2#LOCK\n:\n CPU2#J2\n   NEEDS 1 CPU1#TAPES\nEND\n"
     "SCHEDULE CPU1#S3\nNEEDS TAPES\n*NEEDS 1 LOCK\n:\nEND\nNEEDS 1 LOCK\n"
     "SCHEDULE CPU2#S4\nNEEDS 1 TAPES, 2 DISK\n:\nEND\n"}};
Extracts ResourcesWith(const std::string& schedules, const std::string& resources = kResourceFile) {
  return {{"Resources.Xtract", resources}, {"Schedules.Xtract", schedules}};
}

const std::string kJobs =
    "CPU2#JOB2 DOCOMMAND \"^bindir^/x ^logdir^^TMPDIR^\"\n     STREAMLOGON ops\n"
    "     RECOVERY STOP\nCPU1#JOB1 SCRIPTNAME \"^BINDIR^/run.sh\"\n"
    "     DESCRIPTION \"reads ^ARCHDIR^ on a continuation line\"\n     RECOVERY STOP\n"
    "CPU1#JOB3 DOCOMMAND \"cp ^ARCHDIR /tmp\"\n     RECOVERY STOP\nCPU1#NOBLANK^SPARE^\n";
const Extracts kParameters{
    {"Jobs.Xtract", kJobs},
    {"Parms.Xtract",
     "$PARM\nBINDIR \"/opt/bin\"\nTMPDIR \"/tmp\"\nARCHDIR \"/archive\"\nLOGDIR  \"/logs\"\n"
     "SPARE \"x\"\n"}};

const Extracts kPrompts{
    {"Prompts.Xtract",
     "$PROMPT\nAP_OK \"Payments approved?\"\nTAPE \"Tape loaded?\"\nSPARE \"Never asked\"\n"},
    {"Schedules.Xtract",
     "SCHEDULE CPU1#PAY\nPROMPT AP_OK\n:\n CPU1#J1\nEND\nSCHEDULE CPU2#BKP\n:\n CPU2#J2\n"
     "  PROMPT \"Is the TAPE, ready\"\nEND\nSCHEDULE CPU1#X\nPROMPT SPARE2,\n  \"x AP_OK\"\n"
     "* PROMPT SPARE\n:\nEND\n"}};

struct Case {
  const char* Why;
  const char* Code;
  const char* Search;
  Extracts Files;
  std::string Rows;
  const char* Status = nullptr;  // nullptr: not checked
};

// clang-format off
const Case kCases[] = {
    {"C#1 lists schedules naming the calendar in key order", "C#1", "HOLIDAYS", kCalendars,
     kUse + "CPU1|ALPHA|No|Yes\nCPU1|BETA|No|Yes\nCPU2|ZETA|Yes|No\n"},
    // ZETA lists it after a comma and a blank; ALPHA's "MONTHEND WEEKLY" joins into one word.
    {"C#1 matches whole items once blanks are removed", "C#1", "MONTHEND", kCalendars,
     kUse + "CPU2|ZETA|Yes|No\n"},
    {"C#1 reads continued clauses", "C#1", "MONTH", kCalendars, kUse + "CPU1|BETA|Yes|No\n"},
    {"C#1 ignores comments", "C#1", "PIVOT", kCalendars, ""},
    {"C#1 ignores clauses of the job list", "C#1", "NODATES", kCalendars, ""},
    // ALPHA has no ":" line, so its header scan reads on into BETA and finds BETA's clause; the
    // walk still goes on at BETA's block. GAMMA lacks both ":" and END at the very end.
    {"C#1 reads a header without colon up to the end", "C#1", "MONTH",
     CalendarsWith("SCHEDULE CPU1#ALPHA\nAT 0100\nEND\nSCHEDULE CPU1#BETA\nON MONTH\n:\nEND\n"
                   "SCHEDULE CPU1#GAMMA\nON MONTH,"),
     kUse + "CPU1|ALPHA|Yes|No\nCPU1|BETA|Yes|No\nCPU1|GAMMA|Yes|No\n"},
    {"C#1 keeps the whole key of a schedule line", "C#1", "MONTH",
     CalendarsWith("SCHEDULE CPU1#A,B#C\nON MONTH\n:\nEND\n"), kUse + "CPU1|A,B#C|Yes|No\n"},
    {"C#2 lists calendars no schedule names, in file order", "C#2", "", kCalendars,
     "TODAYCAL\nNODATES\nPIVOT\n"},
    {"C#3 lists calendars without a date after today", "C#3", "", kCalendars,
     "MONTH|\"Month starts\"\nTODAYCAL|\"\"\nNODATES|\"Never filled in\"\n"},
    {"C#4 lists calendars with a date after today", "C#4", "", kCalendars,
     "HOLIDAYS|\"Bank holidays\"\nMONTHEND|\"Month ends\"\nPIVOT|\"Far future\"\n"},
    // S3 names TAPES with neither a quantity nor a workstation.
    {"R#1 finds items with a quantity or a workstation before the name", "R#1", "TAPES", kResources,
     "CPU1|S1\nCPU2|S2\nCPU2|S4\n"},
    {"R#1 reads continued items, no comments, nothing outside a body", "R#1", "LOCK", kResources,
     "CPU2|S2\n"},
    {"R#1 reads items after the first", "R#1", "DISK", kResources, "CPU2|S2\nCPU2|S4\n"},
    {"R#1: a continued END line ends the body", "R#1", "LOCK",
     ResourcesWith("SCHEDULE CPU1#A\nNEEDS 1 TAPES,\nEND\nSCHEDULE CPU2#B\n:\n CPU2#J\n"
                   "  NEEDS 1 LOCK\nEND\n"),
     "CPU2|B\n"},
    {"R#1 reads a body without END to the end of the file", "R#1", "LOCK",
     ResourcesWith("SCHEDULE CPU1#A\n:\n CPU1#J\n  NEEDS 1 LOCK,"), "CPU1|A\n"},
    {"R#2 counts unqualified items for the schedule's workstation", "R#2", "",
     ResourcesWith("SCHEDULE CPU1#A\nNEEDS 1 TAPES\n:\nEND\n"),
     "CPU1#TAPES|Ok.\nCPU2#TAPES|Not Used.\nCPU1#DISK|Not Used.\nCPU2#LOCK|Not Used.\n",
     "Found 1 used Resources, and 3 unused Resources... Ready."},
    // The continued LOCK belongs to the schedule's workstation CPU1, not the job's.
    {"R#2 takes the first item of a line and every continued item", "R#2", "",
     ResourcesWith("SCHEDULE CPU1#A\nNEEDS 1 TAPES, 2 DISK\n:\n CPU2#J\n  NEEDS 1 CPU2#TAPES,\n"
                   "  1 LOCK\nEND\n"),
     "CPU1#TAPES|Ok.\nCPU2#TAPES|Ok.\nCPU1#DISK|Not Used.\nCPU2#LOCK|Not Used.\n"},
    // The END taken as an item leaves the NEEDS line current, so B's clause is read as A's.
    {"R#2: a continued END line does not end the body", "R#2", "",
     ResourcesWith("SCHEDULE CPU1#A\nNEEDS 1 DISK,\nEND\nSCHEDULE CPU2#B\nNEEDS 1 LOCK\n:\nEND\n",
                   "$RESOURCE\nCPU1#LOCK\t1\t\"\"\nCPU2#LOCK\t1\t\"\"\n"),
     "CPU1#LOCK|Ok.\nCPU2#LOCK|Not Used.\n"},
    {"R#2 ignores comment lines and lines outside a body", "R#2", "",
     ResourcesWith("NEEDS 1 CPU1#DISK\nSCHEDULE CPU2#A\n*NEEDS 1 LOCK\n:\nEND\n"),
     "CPU1#TAPES|Not Used.\nCPU2#TAPES|Not Used.\nCPU1#DISK|Not Used.\nCPU2#LOCK|Not Used.\n",
     "Found 0 used Resources, and 4 unused Resources... Ready."},
    {"P#1 finds the parameter in the command in any case", "P#1", "BINDIR", kParameters,
     "CPU1|JOB1\nCPU2|JOB2\n"},
    {"P#1 reads only command clauses", "P#1", "ARCHDIR", kParameters, ""},
    // The line without a blank is all command and has an empty key: it gives no row.
    {"P#1 counts only rows with a key", "P#1", "SPARE", kParameters, "",
     "Found 0 Jobs Containing Parameter ^SPARE^... Ready."},
    // TMPDIR stands right after another parameter; logdir is in lower case; the lone caret before
    // ARCHDIR finds nothing.
    {"P#2 marks names found between carets exactly as written", "P#2", "", kParameters,
     "BINDIR|Ok.\nTMPDIR|Ok.\nARCHDIR|Not Used.\nLOGDIR|Not Used.\nSPARE|Ok.\n",
     "Found 3 used Parameters, and 2 unused Parameters... Ready."},
    {"P#2 runs on a file without any line", "P#2", "", {{"Parms.Xtract", ""}}, "",
     "Found 0 used Parameters, and 0 unused Parameters... Ready."},
    {"but P#1 finds no name in it", "P#1", "BINDIR", {{"Parms.Xtract", ""}}, "",
     "Parameter Name Entered Is Invalid!"},
    {"D#1 finds the name as an item", "D#1", "AP_OK", kPrompts, "CPU1|PAY\n"},
    {"D#1 finds the name after a blank in a quoted text", "D#1", "CPU2#TAPE", kPrompts,
     "CPU2|BKP\n"},
    {"D#2 needs the name as a whole item", "D#2", "", kPrompts,
     "AP_OK|Ok.\nTAPE|Not Used.\nSPARE|Not Used.\n"},
};
// clang-format on

TEST(UsageReports, RowsByCase) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.Why);
    ReportFixture fx(c.Files);
    fx.Run(c.Code, c.Search);
    EXPECT_EQ(RowsText(fx.Results), c.Rows);
    if (c.Status != nullptr) {
      EXPECT_EQ(fx.Panel.StatusText, c.Status);
    }
  }
}

TEST(UnusedCalendarsReport, BuildsTheUsedListOnceAndAgainAfterARefresh) {
  ReportFixture fx(kCalendars);
  EXPECT_FALSE(fx.Catalogue.UsedCalendarList.has_value());
  fx.Run("C#2");
  // Every distinct item the schedules name, blanks removed; the last schedule is read first.
  EXPECT_EQ(fx.Catalogue.UsedCalendarList, "MONTHENDWEEKLY,HOLIDAYS,WORKDAYS,MONTH,MONTHEND,");
  fx.Catalogue.UsedCalendarList = "PIVOT,";
  fx.Run("C#2");
  EXPECT_EQ(fx.Results.Rows.size(), 5u);
  RefreshCatalogue(fx.Settings.DatabaseDir, fx.Store, fx.Catalogue);
  EXPECT_FALSE(fx.Catalogue.UsedCalendarList.has_value());
  fx.Run("C#2");
  EXPECT_EQ(fx.Results.Rows.size(), 3u);
}

TEST(CalendarValidityReports, TakeTodayFromTheContext) {
  ReportFixture fx(kCalendars);
  fx.Today = TimeStamp{2026, 10, 31, 0, 0, 0};
  fx.Run("C#4");
  EXPECT_EQ(fx.Panel.StatusText, "Found 5 Valid Calendars... Ready.");
}

TEST(CalendarValidityReports, StopAtADateThatIsNotANumberKeepingWhatWasDone) {
  ReportFixture fx(Extracts{{"Calendars.Xtract",
                             "$CALENDAR\nOLD\t\"a\"\n  01/01/07\nBAD\t\"b\"\n  01/01/07 1X/01/27\n"
                             "LATER\t\"c\"\n  01/01/07\n"}});
  try {
    fx.Run("C#3", "S");
    FAIL() << "no error";
  } catch (const ReportDataError& error) {
    EXPECT_EQ(std::string(error.what()), "'1X' is not a valid integer value");
  }
  EXPECT_EQ(std::tuple(RowsText(fx.Results), fx.Results.ReportNumber, fx.Panel.StatusText,
                       fx.Results.ResultsShown, fx.Results.RunsCompleted, fx.Panel.ReportRunning),
            std::tuple("OLD|\"a\"\n", 33, "Processing... Please Wait...", false, 0, false));
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report C#3:S"});
}

OnExceptClauses Collect(std::vector<std::string> lines, long long first = 1) {
  testing::CountingProgress ticks;
  return CollectOnExceptClauses(LineList(std::move(lines)), first, ticks);
}

TEST(CollectOnExceptClauses, ListsAndTheLineAfterTheHeaderByCase) {
  struct Case {
    const char* Why;
    std::vector<std::string> Lines;  // from line 1 on
    const char* On;
    const char* Except;
    long long Next;
  };
  // clang-format off
  const Case cases[] = {
      {"every clause of the header",
       {"ON MO, TU", "  EXCEPT HOLIDAYS", "AT 0100", "ON MONTHEND", "EXCEPT  XMAS ", ":", "CPU1#J"},
       "MO, TU,MONTHEND", "HOLIDAYS,XMAS", 7},
      {"job lines after the colon line are not read", {"ON MO", "  :  ", "ON TU", "END"}, "MO", "",
       3},
      {"a trailing comma runs on", {"ON MO,", "   TU,", "", "WE", "EXCEPT X", ":"}, "MO,TU,WE",
       "X", 7},
      {"an empty clause continues only a list that holds items",
       {"ON X", "ON", "Y", "EXCEPT", "Z", ":"}, "X,Y", "", 7},
      {"a colon taken as a continuation does not end the header",
       {"ON MO,", ":", "ON TU", ":", "ON WE"}, "MO,:,TU", "", 5},
      {"only the first characters count; comments are skipped",
       {"*ON HOLIDAYS", "  * EXCEPT XMAS", "ONUNTIL CANC", "EXCEPTX Y", ":"}, "NTIL CANC", "Y", 6},
      {"no colon line: the end of the list", {"ON MO", "AT 0100"}, "MO", "", 3},
      {"a clause running on at the end of the list", {"ON MO,"}, "MO,", "", 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    std::vector<std::string> lines{"SCHEDULE CPU1#A"};
    lines.insert(lines.end(), c.Lines.begin(), c.Lines.end());
    const OnExceptClauses read = Collect(lines);
    EXPECT_EQ(read.OnList, c.On) << c.Why;
    EXPECT_EQ(read.ExceptList, c.Except) << c.Why;
    EXPECT_EQ(read.NextLine, c.Next) << c.Why;
  }
}

// One file's headers read together must give what reading each header on its own gives: the
// whole lists, blanks removed, searched for the name as one item.
void ExpectSameAsEachHeaderAlone(const std::vector<std::string>& text) {
  const LineList lines(text);
  std::vector<long long> headers;
  for (long long i = 0; i < lines.Count(); ++i) {
    if (lines.At(i).rfind("SCHEDULE ", 0) == 0) headers.push_back(i);
  }
  testing::CountingProgress ticks;
  for (const std::string name : {"X", "Y", "Z", ":"}) {
    const std::vector<CalendarUse> together = ScanCalendarHeaders(
        lines, headers, ticks, [&name](bool, std::string_view item) { return item == name; });
    for (size_t k = 0; k < headers.size(); ++k) {
      const OnExceptClauses alone = CollectOnExceptClauses(lines, headers[k] + 1, ticks);
      auto names = [&name](const std::string& list) {
        return CommaWrapped(ReplaceRepeatedly(list, " ", "")).find(CommaWrapped(name)) !=
               std::string::npos;
      };
      EXPECT_EQ(together[k].On, names(alone.OnList)) << "header " << k << " name " << name;
      EXPECT_EQ(together[k].Except, names(alone.ExceptList)) << "header " << k << " name " << name;
    }
  }
}

TEST(ScanCalendarHeaders, ReadsHeadersWithoutColonAsEachWouldAlone) {
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "ON X", "END", "SCHEDULE A#2", "EXCEPT Y", "END",
                               "SCHEDULE A#3", "ON Z, Y", "END"});
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "ON X,", "SCHEDULE A#2", "ON Y,", ":", "EXCEPT Z",
                               "END", "SCHEDULE A#3", "ON X", ":", "END"});
}

TEST(ScanCalendarHeaders, ReadsAnEmptyClauseByWhatTheListAlreadyHolds) {
  // After ON X an empty ON clause takes the next line as an item; at the start of a list it
  // does not. So A#1 finds Y and Z where A#2 and A#3 do not.
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "ON X", "END", "SCHEDULE A#2", "ON", "Y", "EXCEPT",
                               "END", "SCHEDULE A#3", "ON", "Z", ":", "END"});
  // A#2 reads on into A#3 with its list still empty, so A#1 must not take A#2's answer.
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "ON X", "END", "SCHEDULE A#2", "AT 1", "END",
                               "SCHEDULE A#3", "ON", "Y", ":", "END"});
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "EXCEPT X", "SCHEDULE A#2", "ON Y", "SCHEDULE A#3",
                               "EXCEPT", "Z", "ON", "X", "END"});
}

const TimeStamp kToday{2026, 12, 5, 10, 0, 0};

// Years below 70 are this century.
TEST(IsDateAfter, ComparesYearThenMonthThenDay) {
  const std::pair<const char*, bool> cases[] = {
      {"12/05/26", false}, {"12/06/26", true},  {"12/04/26", false},
      {"11/30/26", false}, {"01/01/27", true},  {"12/31/25", false},
      {"01/01/69", true},  {"12/31/70", false}, {"12/31/99", false}};
  for (const auto& [date, after] : cases) {
    EXPECT_EQ(IsDateAfter(date, kToday), after) << date;
  }
}

TEST(IsDateAfter, NamesThePartThatIsNotANumber) {
  const std::pair<const char*, const char*> cases[] = {{"XX/01/27", "'XX'"}, {"01/3a/27", "'3a'"},
                                                       {"1/1/27", "'1/'"},   {"01/01", "''"},
                                                       {"01/01/+7", "'+7'"}, {"01-02-27", nullptr}};
  for (const auto& [date, part] : cases) {
    std::string message = "no error";
    try {
      IsDateAfter(date, kToday);
    } catch (const ReportDataError& error) {
      message = error.what();
    }
    EXPECT_EQ(message, part ? std::string(part) + " is not a valid integer value" : "no error");
  }
}

TEST(HasDateAfter, StopsAtTheFirstDateAfterTodayOrTheFirstEmptyField) {
  EXPECT_TRUE(HasDateAfter("01/01/07,12/06/26,XX/XX/XX", kToday));
  EXPECT_FALSE(HasDateAfter("01/01/07,,12/06/26", kToday));
  EXPECT_FALSE(HasDateAfter("", kToday));
  EXPECT_THROW(HasDateAfter("01/01/07,XX/01/27", kToday), ReportDataError);
}

std::vector<std::string> Listed(std::string_view list) {
  std::vector<std::string> names;
  ForEachListedName(list, [&names](std::string_view name) { names.emplace_back(name); });
  return names;
}

TEST(ForEachListedName, GivesTheFieldsUpToTheFirstEmptyOne) {
  using Names = std::vector<std::string>;
  const std::pair<const char*, Names> cases[] = {{"A,B C,D,", {"A", "B C", "D"}},
                                                 {"A,B", {"A", "B"}},
                                                 {"A,,B,", {"A"}},
                                                 {",A,", {}},
                                                 {"", {}}};
  for (const auto& [list, names] : cases) EXPECT_EQ(Listed(list), names) << list;
}

TEST(CommaItemSet, AnswersAsTheSearchForACommaWrappedName) {
  const std::string text = "CPU1#A,1 B,,C D,";
  const CommaItemSet items(text);
  for (const char* name :
       {"CPU1#A", "1 B", "C D", "", "A", "B", "C", "CPU1#A,1 B", "B,,C D", "D,", ",CPU1#A"}) {
    const bool expected = CommaWrapped(text).find(CommaWrapped(name)) != std::string::npos;
    EXPECT_EQ(items.Has(name), expected) << name;
  }
  EXPECT_FALSE(CommaItemSet("").Has("A"));
  EXPECT_TRUE(CommaItemSet("").Has(""));
}

// Reading all bodies together must give what reading each body on its own gives.
void ExpectSameAsEachBodyAlone(const std::vector<std::string>& text) {
  const LineList lines(text);
  std::vector<long long> headers;
  for (long long i = 0; i < lines.Count(); ++i) {
    if (StartsWith(lines.At(i), "SCHEDULE ")) headers.push_back(i);
  }
  for (const std::string name : {"A", "B", "C"}) {
    const std::string wanted = " " + name + ",";
    const std::vector<bool> together = BodiesHolding(
        lines, headers, kNeedsClause,
        [&](const std::string& item) { return Contains(CommaWrapped(item), wanted); });
    for (size_t k = 0; k < headers.size(); ++k) {
      std::string uses;
      ReadBodyClauses(lines, headers[k] + 1, kNeedsClause, uses);
      EXPECT_EQ(together[k], Contains(CommaWrapped(uses), wanted))
          << "body " << k << " name " << name;
    }
  }
}

TEST(BodiesHolding, ReadsBodiesWithoutEndAsEachWouldAlone) {
  ExpectSameAsEachBodyAlone({"SCHEDULE X#1", "NEEDS 1 A", "END\t", "SCHEDULE X#2", ":", " X#J",
                             "  NEEDS 1 B", "ENDS", "SCHEDULE X#3", "NEEDS 1 C", "END",
                             "SCHEDULE X#4", "NEEDS 2 A"});
  ExpectSameAsEachBodyAlone({"SCHEDULE X#1", "NEEDS 1 A,", "SCHEDULE X#2", "NEEDS 1 B,", "END",
                             "SCHEDULE X#3", "NEEDS", "1 C", "END"});
}

TEST(ReadBodyClauses, GathersEveryClauseOfTheBodyWithoutItsOptions) {
  std::string uses;
  const LineList lines({"SCHEDULE X#1", "NEEDS 1 A CONFIRMED", "*NEEDS 1 Z", ":", " X#J",
                        "  NEEDS 2 B,", "  1 C PRIORITY 5", "  NEEDS", "  1 E", "END",
                        "NEEDS 1 D"});
  EXPECT_EQ(ReadBodyClauses(lines, 1, kNeedsClause, uses), 10);
  // A clause with no text takes the next line as well.
  EXPECT_EQ(uses, ",1 A,2 B,,1 C,,1 E");
}

}  // namespace
}  // namespace vdbq
