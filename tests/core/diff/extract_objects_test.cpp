// Which lines make up each kind's definitions and which key each gets.
#include "core/diff/extract_objects.h"

#include <gtest/gtest.h>

#include <string>

namespace vdbq {
namespace {

struct SplitCase {
  const char* Name;
  ObjectKind Kind;
  const char* Text;
  // Each object as "KEY:first+count", separated by blanks.
  const char* Expected;
};

std::string Describe(const std::vector<ExtractObject>& objects) {
  std::string text;
  for (const ExtractObject& object : objects) {
    if (!text.empty()) text += ' ';
    text += std::string(object.Key) + ":" + std::to_string(object.First) + "+" +
            std::to_string(object.Count);
  }
  return text;
}

class SplitObjectsTest : public ::testing::TestWithParam<SplitCase> {};

TEST(TextLines, BreaksAsTheLoaderSplitsThem) {
  const std::vector<std::string_view> expected = {"a", "b", "", "c", "d"};
  EXPECT_EQ(TextLines("a\r\nb\r\rc\nd\n"), expected);
  EXPECT_EQ(TextLines("x\r"), std::vector<std::string_view>{"x"});
}

TEST_P(SplitObjectsTest, KeysAndLines) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(Describe(SplitObjects(c.Kind, c.Text)), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SplitObjectsTest,
    ::testing::Values(
        SplitCase{"Workstations", ObjectKind::Workstation,
                  "CPUNAME CPU1\n  OS UNIX\nEND\n\ncpuname CPU2\n NODE h\n end\n",
                  "CPU1:0+3 CPU2:4+3"},
        // CPUCLASS definitions are no objects; a lost END ends at the next definition.
        SplitCase{"WorkstationClassAndLostEnd", ObjectKind::Workstation,
                  "CPUNAME A\n OS UNIX\nCPUCLASS K\n MEMBERS A\nEND\nCPUNAME B\n\n", "A:0+2 B:5+1"},
        // A line reading "AND" is no END: the word is compared from its first letter.
        SplitCase{"WorkstationLineLikeEnd", ObjectKind::Workstation,
                  "CPUNAME A\n AND X\n OS UNIX\nEND\n", "A:0+4"},
        SplitCase{"WorkstationEmptyName", ObjectKind::Workstation, "CPUNAME\nEND\n", ":0+2"},
        SplitCase{
            "Schedules", ObjectKind::Schedule,
            "* comment\nSCHEDULE CPU1#A\nON EVERYDAY\n:\nJ1\nEND\n\nSCHEDULE CPU1#B ON X\nEND\n",
            "CPU1#A:1+5 CPU1#B ON X:7+2"},
        // A key without "#" is not listed; its lines belong to nothing. ENDX ends a block.
        SplitCase{"ScheduleWithoutHashAndEndPrefix", ObjectKind::Schedule,
                  "SCHEDULE NOHASH\nON X\nEND\nSCHEDULE C#S\nENDX\nTRAILER\n", "C#S:3+2"},
        SplitCase{"ScheduleLostEnd", ObjectKind::Schedule,
                  "SCHEDULE C#A\nAT 0100\nSCHEDULE C#B\nEND\n", "C#A:0+2 C#B:2+2"},
        SplitCase{"Jobs", ObjectKind::Job,
                  "$JOBS\nCPU1#J1 DOCOMMAND \"x\"\n STREAMLOGON root\n RECOVERY STOP\n\n"
                  "CPU1#J2 SCRIPTNAME \"/s\"\n RECOVERY RERUN\n",
                  "CPU1#J1:1+3 CPU1#J2:5+2"},
        // Without RECOVERY the next definition line ends a job; a key without a blank is empty
        // and so not listed, and neither is one whose "#" comes after the first blank.
        SplitCase{"JobMalformed", ObjectKind::Job,
                  "C#J1 DOCOMMAND \"a\"\n STREAMLOGON u\nC#NOBLANK\n RECOVERY STOP\n"
                  "X Y#Z\n RECOVERY STOP\nC#J3 DOCOMMAND \"b\"\n",
                  "C#J1:0+2 C#J3:6+1"},
        SplitCase{"Calendars", ObjectKind::Calendar,
                  "$CALENDAR\nHOLIDAYS\t\"Bank\"\n  01/01/07 12/25/07\n  12/26/07\nEMPTY\t\"\"\n",
                  "HOLIDAYS:1+3 EMPTY:4+1"},
        // Line 0 is the header whatever it holds; a header line without a quote has no name.
        SplitCase{"CalendarMalformed", ObjectKind::Calendar,
                  "NOTHEADER\t\"x\"\nNOQUOTE\n  01/01/07\n\n", ":1+2"},
        SplitCase{"Parameters", ObjectKind::Parameter, "$PARM\nABC \"x y\"\nNOQUOTE\n\nDEF \"1\"\n",
                  "ABC:1+1 DEF:4+1"},
        // The catalogue lists only rows below the last line's index: without a header the
        // last row is not listed.
        SplitCase{"ParametersWithoutHeader", ObjectKind::Parameter, "A \"1\"\nB \"2\"\n", "A:0+1"},
        SplitCase{"Prompts", ObjectKind::Prompt, "$PROMPT\nP1 \"Go?\"\n$PROMPT\nP2 \"Ok?\"\n",
                  "P1:1+1 P2:3+1"},
        SplitCase{"Resources", ObjectKind::Resource,
                  "$RESOURCE\nCPU1#TAPES\t     2\t\"Tapes\"\nCPU1#X  1\nNOBLANKS\n   3\n",
                  "CPU1#TAPES:1+1 CPU1#:2+1 :3+1 :4+1"}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return info.param.Name; });

}  // namespace
}  // namespace vdbq
