#include <gtest/gtest.h>

#include "support/report_fixture.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::ReportFixture;
using testing::RowsText;

// The schedule's clauses as the header holds them, "|"-separated.
std::string HeaderText(const ScheduleHeader& h) {
  std::string text = h.On;
  for (const std::string* field :
       {&h.Except, &h.At, &h.Until, &h.Follows, &h.Prompts, &h.Opens, &h.Needs, &h.CarryForward,
        &h.Priority, &h.Limit, &h.InOrder, &h.Freedays}) {
    text += "|" + *field;
  }
  return text;
}

// The rows between the "Seq." heading and the "<END>" row, as RowsText writes them.
std::string JobsText(const ResultList& results) {
  ResultList jobs;
  bool inJobs = false;
  for (const ResultRow& row : results.Rows) {
    if (row.Caption == "<END>") break;
    if (inJobs) jobs.Rows.push_back(row);
    inJobs = inJobs || row.Caption == "Seq.";
  }
  return RowsText(jobs);
}

const std::string kBlankRow = "||||||||\n";

struct Detail {
  const char* Case;
  std::string Schedules;
  const char* Key;
  const char* Status;
  const char* Header;  // nullptr: not checked
  std::string Jobs;    // "-": not checked
};

// clang-format off
const Detail kDetails[] = {
    // Finding the schedule.
    {"the whole rest of the header line is the key", "SCHEDULE CPU1#DAILY TIMEZONE X\n:\nEND\n",
     "CPU1#DAILY", "Schedule Not Found!", nullptr, "-"},
    {"no prefix of the key", "SCHEDULE CPU1#DAILY\n:\nEND\n", "CPU1#DAIL", "Schedule Not Found!",
     nullptr, "-"},
    {"the first of two equal keys",
     "SCHEDULE CPU1#T\nAT 0100\n:\nEND\nSCHEDULE CPU1#T\nAT 0200\n:\nEND\n", "CPU1#T", "Ready.",
     "||0100||||||No||||", ""},
    {"not a second header inside a block", "SCHEDULE CPU1#OUTER\nSCHEDULE CPU1#INNER\n:\nEND\n",
     "CPU1#INNER", "Schedule Not Found!", nullptr, "-"},
    {"after blocks without header",
     "SCHEDULE CPU1#ONE\n:\nENDOFDAY\nEND\nEND\nSCHEDULE CPU1#TWO\nAT 0200\n:\nEND\n", "CPU1#TWO",
     "Ready.", "||0200||||||No||||", ""},
    // The schedule's clauses.
    {"each kind from its line",
     "SCHEDULE CPU1#S\n  ON MO\nEXCEPT   HOLIDAYS  \nAT 0600\nUNTIL 2300\nFOLLOWS CPU2#X.@\n"
     "PROMPT \"go?\"\nOPENS /tmp/a\nNEEDS 2 TAPES\nCARRYFORWARD\nPRIORITY 20\nLIMIT 5\nINORDER\n"
     "FREEDAYS HOL\n:\nEND\n",
     "CPU1#S", "Ready.", "MO|HOLIDAYS|0600|2300|CPU2#X.@|\"go?\"|/tmp/a|2 TAPES|Yes|20|5|Yes|HOL",
     ""},
    {"ON lines join, other kinds keep the last line",
     "SCHEDULE CPU1#S\nON MO\nFOLLOWS A.@\nON FR\nFOLLOWS B.@\n:\nEND\n", "CPU1#S", "Ready.",
     "MO,FR||||B.@||||No||||", ""},
    {"a trailing comma continues on the next line, whatever it holds",
     "SCHEDULE CPU1#S\nFOLLOWS A.@,\n\n   B.@,\n* not a comment here\nON MO,\n  TU\n:\nEND\n",
     "CPU1#S", "Ready.", "MO,TU||||A.@,B.@,* not a comment here||||No||||", ""},
    {"comments, blank and unknown lines are ignored",
     "SCHEDULE CPU1#S\n* AT 0100\n\n   \nDESCRIPTION \"x\"\nAT 0200\n:\nEND\n", "CPU1#S", "Ready.",
     "||0200||||||No||||", ""},
    {"a continued colon line does not end the clauses",
     "SCHEDULE CPU1#S\nFOLLOWS A.@,\n:\nAT 0300\n:\n J1\nEND\n", "CPU1#S", "Ready.",
     "||0300||A.@,:||||No||||", "001|----/----|CPU1|J1|||||\n" + kBlankRow},
    {"continuation and missing colon stop at the end of the file",
     "SCHEDULE CPU1#S\nAT 0100\nFOLLOWS A.@,", "CPU1#S", "Ready.", "||0100||A.@,||||No||||", ""},
    // The jobs.
    {"a job takes its own workstation, even an empty one, or the schedule's",
     "SCHEDULE CPU1#S\n:\n CPU3#BACKUP\n BACKUP\nCPU2# SPACED\n #NONE\nEND\n", "CPU1#S", "Ready.",
     nullptr, "001|----/----|CPU3|BACKUP|||||\n" + kBlankRow + "001|----/----|CPU1|BACKUP|||||\n" +
         kBlankRow + "001|----/----|CPU2|SPACED|||||\n" + kBlankRow + "001|----/----||NONE|||||\n" +
         kBlankRow},
    {"clauses fill the columns of their job",
     "SCHEDULE CPU1#S\n:\n CPU1#J1\n   AT 0600\n   UNTIL 0900\n   EVERY 0030\n   PRIORITY 15\n"
     "   OPENS /data/in\n   PROMPT \"ready?\"\n   NEEDS 1 TAPE\n   ONUNTIL SUPPR\nEND\n",
     "CPU1#S", "Ready.", nullptr,
     "001|0600/0900|CPU1|J1|/data/in|15|1 TAPE|0030|\"ready?\"\n" + kBlankRow},
    {"a confirmed job shows the confirmation, then its needs a row lower",
     "SCHEDULE CPU1#S\n:\n CPU1#J1 CONFIRMED\n   NEEDS 1 TAPE,2 DISK\nEND\n", "CPU1#S", "Ready.",
     nullptr,
     "001|----/----|CPU1|J1|||Confirmation||\n||||||1 TAPE||\n||||||2 DISK||\n" + kBlankRow},
    {"CONFIRMED alone on a line, options trailing clause lines",
     "SCHEDULE CPU1#S\n:\n CPU1#J1 PRIORITY 30\n   CONFIRMED\n   AT 0700 PRIORITY 40\nEND\n",
     "CPU1#S", "Ready.", nullptr, "001|0700/----|CPU1|J1||3040|Confirmation||\n" + kBlankRow},
    {"dependencies are the follows, then the opens, item by item",
     "SCHEDULE CPU1#S\n:\n J0\n J1\n   FOLLOWS J0,\n     CPU2#X.Y\n   OPENS /f1\n"
     "   PROMPT P1,P2,P3\n J2\n   OPENS /f2,/f3\nEND\n", "CPU1#S", "Ready.", nullptr,
     "001|----/----|CPU1|J0|||||\n" + kBlankRow + "001|----/----|CPU1|J2|/f2||||\n||||/f3||||\n" +
         kBlankRow + "002|----/----|CPU1|J1|J0||||P1\n||||CPU2#X.Y||||P2\n||||/f1||||P3\n" +
         kBlankRow},
    {"two clauses of one kind join with nothing between",
     "SCHEDULE CPU1#S\n:\n J1\n   OPENS /a\n   OPENS /b\nEND\n", "CPU1#S", "Ready.", nullptr,
     "001|----/----|CPU1|J1|/a/b||||\n" + kBlankRow},
    // The line of blanks opens a job with an empty name.
    {"unknown clauses and blank lines become jobs, comments and empty lines do not",
     "SCHEDULE CPU1#S\n:\n J1\n   DEADLINE 0800\n* J9\n\n   \nEND\n", "CPU1#S", "Ready.", nullptr,
     "001|----/----|CPU1|J1|||||\n" + kBlankRow + "001|----/----|CPU1|DEADLINE 0800|||||\n" +
         kBlankRow + "001|----/----|CPU1||||||\n" + kBlankRow},
    {"END stops the jobs",
     "SCHEDULE CPU1#A\n:\n J1\nEND\nSCHEDULE CPU1#B\n:\n J2\n   FOLLOWS J1,\n", "CPU1#A", "Ready.",
     nullptr, "001|----/----|CPU1|J1|||||\n" + kBlankRow},
    {"a missing END stops at the end of the file",
     "SCHEDULE CPU1#A\n:\n J1\nEND\nSCHEDULE CPU1#B\n:\n J2\n   FOLLOWS J1,\n", "CPU1#B", "Ready.",
     nullptr, "002|----/----|CPU1|J2|J1||||\n" + kBlankRow},
    {"jobs show by number, then in file order, skipping empty numbers",
     "SCHEDULE CPU1#S\n:\n J3\n   FOLLOWS J1\n J1\n   AT X1\n J2\n   AT X2\nEND\n", "CPU1#S",
     "Ready.", nullptr,
     "001|X1/----|CPU1|J1|||||\n" + kBlankRow + "001|X2/----|CPU1|J2|||||\n" + kBlankRow +
         "003|----/----|CPU1|J3|J1||||\n" + kBlankRow},
    // A job without workstation takes the workstation as cut for the title.
    {"long key parts", "SCHEDULE WORKSTATION12345678#SCHEDULENAME1234567\n:\n JOB\nEND\n",
     "WORKSTATION12345678#SCHEDULENAME1234567", "Ready.", nullptr,
     "001|----/----|WORKSTATION12345|JOB|||||\n" + kBlankRow},
};
// clang-format on

TEST(ScheduleDetail, LookupClausesAndJobsByCase) {
  for (const Detail& d : kDetails) {
    SCOPED_TRACE(d.Case);
    ReportFixture fx({{"Schedules.Xtract", d.Schedules}});
    fx.Run("S#4", d.Key);
    EXPECT_EQ(fx.Panel.StatusText, d.Status);
    if (d.Header != nullptr) {
      EXPECT_EQ(HeaderText(fx.Results.Header), d.Header);
    }
    if (d.Jobs != "-") {
      EXPECT_EQ(JobsText(fx.Results), d.Jobs);
    }
    if (fx.Results.ReportNumber == 4) {
      EXPECT_EQ(fx.Results.Rows.back().Caption, "<END>");
      EXPECT_EQ(fx.Results.DetailEndRow, static_cast<long long>(fx.Results.Rows.size()) - 1);
    }
  }
}

std::string DetailRows(const std::string& schedule) {
  ReportFixture fx({{"Schedules.Xtract", schedule}});
  fx.Run("S#4", "CPU1#S");
  return RowsText(fx.Results) + "last header row " +
         std::to_string(fx.Results.DetailHeaderLastRow) + "\n";
}

const std::string kSeqRow =
    "Seq.|At/Until|Workstation|JobName|Dependencies|Priority|Requires|Every|Prompt\n";

TEST(ScheduleDetailRows, AScheduleWithoutClausesOrJobs) {
  EXPECT_EQ(DetailRows("SCHEDULE CPU1#S\n:\nEND\n"),
            "|At/Until|Workstation|Schedule|Follows|On|Except\n"
            "|----/----|CPU1|S|||\n"
            "||||||\n"
            "||CarryForward|No|||\n"
            "||Priority|--|||\n"
            "||Limit|--|||\n"
            "||In Order|--|||\n"
            "||Freedays|--|||\n"
            "||||||\n"
            "||Opens|<None>\n|||\n||Prompts|<None>\n|||\n||Needs|<None>\n|||\n" +
                kSeqRow + "<END>\nlast header row 14\n");
}

TEST(ScheduleDetailRows, ItemsSpreadOverRowsPastRowSevenAndBlocksListEveryItem) {
  EXPECT_EQ(DetailRows("SCHEDULE CPU1#S\nAT 0600,0700\n"
                       "FOLLOWS A1.@, A2.@,A3.@,A4.@,A5.@,A6.@,A7.@,A8.@,A9.@\nON MO, TU\n"
                       "EXCEPT X\nPRIORITY 10\nOPENS /a,/b\nNEEDS 1 TAPE\n:\nEND\n"),
            "|At/Until|Workstation|Schedule|Follows|On|Except\n"
            "|0600/----|CPU1|S|A1.@|MO|X\n"
            "|0700||| A2.@|TU|\n"
            "||CarryForward|No|A3.@||\n"
            "||Priority|10|A4.@||\n"
            "||Limit|--|A5.@||\n"
            "||In Order|--|A6.@||\n"
            "||Freedays|--|A7.@||\n"
            "||||A8.@||\n"
            "||||A9.@||\n"
            "||||||\n"
            "||Opens|/a\n|||/b\n|||\n||Prompts|<None>\n|||\n||Needs|1 TAPE\n|||\n" +
                kSeqRow + "<END>\nlast header row 17\n");
}

struct Listing {
  const char* Case;
  const char* Code;
  const char* Search;
  std::string Schedules;
  const char* Rows;
};

const std::string kThree =
    "SCHEDULE CPU2#A\n:\n J1\nEND\nSCHEDULE CPU1#C\n:\nEND\nSCHEDULE CPU1#b\n:\nEND\n";
const std::string kLongKeys = "SCHEDULE CPU1#PAYROLL  TIMEZONE X\n:\nEND\nSCHEDULE A#B#C\n:\nEND\n";
// A stray END, and a job named ENDOFDAY at column 1, each close a block of their own.
const std::string kHeaderless =
    "SCHEDULE CPU1#ONE\n:\n J1\nEND\nEND\nSCHEDULE CPU1#TWO\n:\nENDOFDAY\nEND\n"
    "SCHEDULE CPU1#THREE\n:\nEND\n";

// clang-format off
const Listing kListings[] = {
    {"keys sort by workstation, then name ignoring case", "S#1", "", kThree,
     "CPU1|b\nCPU1|C\nCPU2|A\n"},
    {"by name", "S#2", "", kThree, "A||CPU2\nb||CPU1\nC||CPU1\n"},
    {"only exact upper-case headers with a hash count", "S#1", "",
     "schedule CPU1#LOWER\n:\nEND\n SCHEDULE CPU1#INDENTED\n:\nEND\nSCHEDULE\tCPU1#TAB\n:\nEND\n"
     "SCHEDULE NOHASH\n:\nEND\nSCHEDULE CPU1#GOOD\n:\nEND\n", "CPU1|GOOD\n"},
    {"the key runs to the line end and splits at the first hash", "S#1", "", kLongKeys,
     "A|B#C\nCPU1|PAYROLL  TIMEZONE X\n"},
    {"by name, split at the first hash", "S#2", "", kLongKeys,
     "B||C#A\nPAYROLL  TIMEZONE X||CPU1\n"},
    {"only the first header of a block is seen", "S#1", "",
     "SCHEDULE NOHASH\nSCHEDULE CPU1#HIDDEN\n:\nEND\nSCHEDULE CPU1#SEEN\nSCHEDULE CPU1#ALSO\n:\n"
     "END\n",
     "CPU1|SEEN\n"},
    {"a block without header counts nothing twice", "S#1", "", kHeaderless,
     "CPU1|ONE\nCPU1|THREE\nCPU1|TWO\n"},
    {"nor marks a duplicate", "S#2", "", kHeaderless, "ONE||CPU1\nTHREE||CPU1\nTWO||CPU1\n"},
    {"lines before a header are stepped over", "S#1", "",
     "* comment\n\nSCHEDULE CPU1#A\n:\nEND\n\n* another\nSCHEDULE CPU1#B\n:\nEND\n",
     "CPU1|A\nCPU1|B\n"},
    {"repeated names after the first are marked", "S#2", "",
     "SCHEDULE C#DAILY\n:\nEND\nSCHEDULE A#DAILY\n:\nEND\nSCHEDULE B#DAILY\n:\nEND\n"
     "SCHEDULE A#WEEKLY\n:\nEND\n", "DAILY||A\nDAILY|1|B\nDAILY|1|C\nWEEKLY||A\n"},
    {"names differing in case sort together unmarked", "S#2", "",
     "SCHEDULE B#DAILY\n:\nEND\nSCHEDULE A#daily\n:\nEND\n", "daily||A\nDAILY||B\n"},
    {"search anywhere in the key, case-sensitively", "S#3", "PAY",
     "SCHEDULE CPU1#PAYROLL\n:\nEND\nSCHEDULE CPU2#XPAY\n:\nEND\nSCHEDULE CPU1#payday\n:\nEND\n",
     "CPU1|PAYROLL\nCPU2|XPAY\n"},
    {"search across the hash", "S#3", "1#P",
     "SCHEDULE CPU1#PAYROLL\n:\nEND\nSCHEDULE CPU2#XPAY\n:\nEND\nSCHEDULE A#BATCH\n:\nEND\n",
     "CPU1|PAYROLL\n"},
};
// clang-format on

TEST(ScheduleListings, RowsByCase) {
  for (const Listing& l : kListings) {
    ReportFixture fx({{"Schedules.Xtract", l.Schedules}});
    fx.Run(l.Code, l.Search);
    EXPECT_EQ(RowsText(fx.Results), l.Rows) << l.Case;
  }
}

}  // namespace
}  // namespace vdbq
