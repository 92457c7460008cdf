// Which objects two databases differ in, and the line diffs of the changed ones.
#include "core/diff/database_diff.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

namespace vdbq {
namespace {

using testing::TempDir;
using testing::WriteExtractSet;

// "+added -removed ~changed" keys, each list in order.
std::string Summary(const KindChanges& changes) {
  std::string text;
  const auto add = [&text](char mark, const std::string& key) {
    if (!text.empty()) text += ' ';
    text += mark + key;
  };
  for (const std::string& key : changes.Added) add('+', key);
  for (const std::string& key : changes.Removed) add('-', key);
  for (const ChangedObject& object : changes.Changed) add('~', object.Key);
  return text;
}

std::string DiffText(const std::vector<DiffLine>& lines) {
  std::string text;
  for (const DiffLine& line : lines)
    text += (line.AfterGap ? "|" : "") + (line.Mark + line.Text) + "\n";
  return text;
}

constexpr const char* kSchedules =
    "SCHEDULE CPU1#DAILY\nON EVERYDAY\nFOLLOWS CPU1#NIGHT.@\n:\nCPU1#J1\nCPU1#J2\nEND\n\n"
    "SCHEDULE CPU1#NIGHT\nAT 2300\n:\nCPU1#J3\nEND\n";
constexpr const char* kJobs =
    "CPU1#J1 DOCOMMAND \"a\"\n STREAMLOGON u\n RECOVERY STOP\n"
    "CPU1#J2 SCRIPTNAME \"/b\"\n STREAMLOGON u\n RECOVERY STOP\n";
constexpr const char* kCpus =
    "CPUNAME CPU1\n OS UNIX\n NODE host1\nEND\nCPUNAME CPU2\n OS WNT\nEND\n";
constexpr const char* kCalendars =
    "$CALENDAR\nHOL\t\"Holidays\"\n  01/01/27 12/25/27\nQ\t\"\"\n  03/31/27\n";
constexpr const char* kParms = "$PARM\nP1 \"one\"\nP2 \"two\"\n";
constexpr const char* kResources =
    "$RESOURCE\nCPU1#TAPES\t     2\t\"Tapes\"\nCPU1#DISK\t     1\t\"\"\n";

struct EditCase {
  const char* Name;
  ObjectKind Kind;
  std::string Old;
  std::string New;
  const char* Expected;
};

class KnownEdits : public ::testing::TestWithParam<EditCase> {};

TEST_P(KnownEdits, GiveExactlyTheseObjects) {
  const EditCase& c = GetParam();
  EXPECT_EQ(Summary(DiffExtract(c.Kind, c.Old, c.New)), c.Expected);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Diff, KnownEdits,
    ::testing::Values(
        EditCase{"Equal", ObjectKind::Schedule, kSchedules, kSchedules, ""},
        EditCase{
            "ReorderedSchedules", ObjectKind::Schedule, kSchedules,
            "SCHEDULE CPU1#NIGHT\nAT 2300\n:\nCPU1#J3\nEND\n\n"
            "SCHEDULE CPU1#DAILY\nON EVERYDAY\nFOLLOWS CPU1#NIGHT.@\n:\nCPU1#J1\nCPU1#J2\nEND\n",
            ""},
        EditCase{"ReorderedJobsWithCrLf", ObjectKind::Job, kJobs,
                 "CPU1#J2 SCRIPTNAME \"/b\"\r\n STREAMLOGON u\r\n RECOVERY STOP\r\n"
                 "CPU1#J1 DOCOMMAND \"a\"\r\n STREAMLOGON u\r\n RECOVERY STOP\r\n",
                 ""},
        EditCase{"AddSchedule", ObjectKind::Schedule, kSchedules,
                 std::string(kSchedules) + "SCHEDULE CPU2#NEW\n:\nCPU2#J9\nEND\n", "+CPU2#NEW"},
        EditCase{"RemoveJob", ObjectKind::Job, kJobs,
                 "CPU1#J2 SCRIPTNAME \"/b\"\n STREAMLOGON u\n RECOVERY STOP\n", "-CPU1#J1"},
        EditCase{"FollowsLine", ObjectKind::Schedule, kSchedules,
                 Replaced(kSchedules, "FOLLOWS CPU1#NIGHT.@", "FOLLOWS CPU1#NIGHT.J3"),
                 "~CPU1#DAILY"},
        EditCase{"CalendarDate", ObjectKind::Calendar, kCalendars,
                 Replaced(kCalendars, "12/25/27", "12/24/27"), "~HOL"},
        EditCase{"ParameterValue", ObjectKind::Parameter, kParms,
                 Replaced(kParms, "\"two\"", "\"2\""), "~P2"},
        EditCase{"ResourceAmount", ObjectKind::Resource, kResources,
                 Replaced(kResources, "     2\t", "     3\t"), "~CPU1#TAPES"},
        EditCase{"WorkstationNode", ObjectKind::Workstation, kCpus,
                 Replaced(kCpus, "NODE host1", "NODE host9"), "~CPU1"},
        EditCase{"RenamedJob", ObjectKind::Job, kJobs, Replaced(kJobs, "CPU1#J1 ", "CPU1#J0 "),
                 "+CPU1#J0 -CPU1#J1"},
        // A key defined twice is one object of both definitions: a second definition
        // appearing, or either one changing, is a change of that key.
        EditCase{"DuplicateAppears", ObjectKind::Parameter, kParms,
                 std::string(kParms) + "P1 \"again\"\n", "~P1"},
        EditCase{"DuplicateSecondEdited", ObjectKind::Parameter,
                 std::string(kParms) + "P1 \"again\"\n", std::string(kParms) + "P1 \"AGAIN\"\n",
                 "~P1"},
        // Trailing blank lines and text outside every definition are no part of an object.
        EditCase{"OutsideDefinitions", ObjectKind::Schedule, kSchedules,
                 "* new comment\n" + std::string(kSchedules) + "\n\n", ""}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return info.param.Name; });

TEST(DiffExtract, KeysComeInByteOrder) {
  const char* const keys = "$PARM\nb \"1\"\nB \"1\"\na \"1\"\nX \"\"\n";
  EXPECT_EQ(Summary(DiffExtract(ObjectKind::Parameter, "$PARM\n", keys)), "+B +X +a +b");
  EXPECT_EQ(Summary(DiffExtract(ObjectKind::Parameter, keys, "$PARM\n")), "-B -X -a -b");
}

TEST(LineDiff, ChangedInsertedAndRemovedLinesWithContext) {
  const std::vector<std::string_view> oldLines = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
  std::vector<std::string_view> newLines = oldLines;
  newLines[1] = "b";
  newLines[9] = "j";
  // The second change is more than twice the context away: a gap between the two.
  EXPECT_EQ(DiffText(LineDiff(oldLines, newLines, 2)), " A\n-B\n+b\n C\n D\n| H\n I\n-J\n+j\n");
  EXPECT_EQ(DiffText(LineDiff(oldLines, oldLines)), "");
  EXPECT_EQ(DiffText(LineDiff({"A", "B", "C"}, {"A", "X", "B"}, 1)), " A\n+X\n B\n-C\n");
  EXPECT_EQ(DiffText(LineDiff({}, {"N"})), "+N\n");
}

TEST(LineDiff, HugeRewriteIsRemovedThenAdded) {
  std::vector<std::string> oldText(6000, "o");
  std::vector<std::string> newText(6000, "n");
  oldText[2999] = "same";
  newText[2999] = "same";
  const std::vector<std::string_view> oldLines(oldText.begin(), oldText.end());
  const std::vector<std::string_view> newLines(newText.begin(), newText.end());
  const std::vector<DiffLine> diff = LineDiff(oldLines, newLines, 0);
  ASSERT_EQ(diff.size(), 12000u);
  EXPECT_EQ(diff.front().Mark, '-');
  EXPECT_EQ(diff.back().Mark, '+');
}

TEST(DiffDatabases, ComparesEveryKindOfTwoDirectories) {
  TempDir oldDb;
  TempDir newDb;
  WriteExtractSet(oldDb, {{"Schedules.Xtract", kSchedules}, {"Cpus.Xtract", kCpus}});
  WriteExtractSet(newDb, {{"Schedules.Xtract", kSchedules},
                          {"Cpus.Xtract", Replaced(kCpus, "OS WNT", "OS UNIX")},
                          {"Parms.Xtract", "$PARM\nNEW \"1\"\n"}});
  const DatabaseDiff diff = DiffDatabases(oldDb.DirText(), newDb.DirText());
  EXPECT_EQ(diff.ObjectCount(), 2u);
  EXPECT_EQ(Summary(diff.Of(ObjectKind::Workstation)), "~CPU2");
  EXPECT_EQ(DiffText(diff.Of(ObjectKind::Workstation).Changed[0].Lines),
            " CPUNAME CPU2\n- OS WNT\n+ OS UNIX\n END\n");
  EXPECT_EQ(Summary(diff.Of(ObjectKind::Parameter)), "+NEW");
}

TEST(DiffDatabases, MissingExtractIsALoadError) {
  TempDir oldDb;
  TempDir newDb;
  WriteExtractSet(oldDb, {});
  WriteExtractSet(newDb, {});
  std::filesystem::remove(newDb.Path() / "Prompts.Xtract");
  EXPECT_THROW(DiffDatabases(oldDb.DirText(), newDb.DirText()), DiffLoadError);
}

}  // namespace
}  // namespace vdbq
