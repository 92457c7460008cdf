#include "core/catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <random>

#include "support/temp_dir.h"

namespace vdbq {
namespace {

using testing::TempDir;
using testing::WriteExtractSet;
using Captions = std::vector<std::string>;

Captions CaptionsOf(const std::vector<TreeNode>& nodes) {
  Captions captions;
  for (const TreeNode& node : nodes) captions.push_back(node.Caption);
  return captions;
}

const TreeNode& Heading(const Catalogue& catalogue, const std::string& caption) {
  for (const TreeNode& node : catalogue.Tree) {
    if (node.Caption == caption) return node;
  }
  throw std::runtime_error("no heading " + caption);
}

class CatalogueTest : public ::testing::Test {
 protected:
  void Build(const std::map<std::string, std::string>& texts) {
    WriteExtractSet(dir, texts);
    status = RefreshCatalogue(dir.DirText(), store, catalogue);
  }
  TempDir dir;
  ExtractStore store;
  Catalogue catalogue;
  std::string status;
};

const char* const kCpus =
    "CPUNAME CPU1\n  DESCRIPTION \"one\"\n  OS UNIX\nEND\n"
    "CPUNAME CPU2\nOS wint\nEND\n"
    "CPUNAME CPU3\nOS MPEV\nEND\n"
    "CPUCLASS CLS1\n  MEMBERS CPU1 CPU2\nEND\n";

// Workstations fill the lookups but classes give no node; "defined" means the whole name, case
// sensitively.
TEST_F(CatalogueTest, HasTheNineHeadingsInOrderAndTheWorkstationLookups) {
  Build({{"Cpus.Xtract", kCpus}});
  EXPECT_EQ(status, "Ready.");
  EXPECT_EQ(CaptionsOf(catalogue.Tree),
            (Captions{"Workstations", "Schedules", "Schedules (Invalid)", "Jobs", "Jobs (Invalid)",
                      "Calendars", "Parameters", "Prompts", "Resources"}));
  EXPECT_EQ(catalogue.Tree[2].Pictures.Normal, 16);
  EXPECT_EQ(catalogue.Tree[4].Pictures.Selected, 19);
  EXPECT_EQ(CaptionsOf(catalogue.Tree[0].Children), (Captions{"CPU1", "CPU2", "CPU3"}));
  EXPECT_EQ(catalogue.ValidCpuList, "@:@CPU1@:@CPU2@:@CPU3@:@");
  EXPECT_EQ(catalogue.Totals.CpuTotal, 3);
  // "OS" of CPU1 is indented by two blanks: column 4 of the untrimmed line is not the value.
  EXPECT_EQ((Captions{catalogue.OsOfCpu("CPU1"), catalogue.OsOfCpu("CPU2"),
                      catalogue.OsOfCpu("CPU3"), catalogue.OsOfCpu("CPU9")}),
            (Captions{"UNIX", "WNT", "MPEV", ""}));
  EXPECT_EQ((std::vector<bool>{catalogue.IsDefinedCpu("CPU1"), catalogue.IsDefinedCpu("CPU"),
                               catalogue.IsDefinedCpu("cpu1")}),
            (std::vector<bool>{true, false, false}));
}

TEST_F(CatalogueTest, OsTableHasNoFixedSizeAndCutsLongTexts) {
  std::string cpus;
  for (int i = 0; i < 60; ++i) cpus += "CPUNAME C" + std::to_string(i) + "\nOS WNT\nEND\n";
  cpus += "CPUNAME AVERYLONGWORKSTATIONNAME\nOS OTHER\nEND\n";
  Build({{"Cpus.Xtract", cpus}});
  EXPECT_EQ(catalogue.OsOfCpu("C59"), "WNT");
  EXPECT_EQ(catalogue.OsOfCpu("AVERYLONGWORKSTA"), "OTHER");
}

TEST_F(CatalogueTest, SchedulesSplitIntoValidAndInvalidByWorkstation) {
  Build({{"Cpus.Xtract", kCpus},
         {"Schedules.Xtract",
          "SCHEDULE CPU1#B\nEND\nSCHEDULE CPU9#X\nEND\nSCHEDULE cpu1#LOW\nEND\n"
          "SCHEDULE CPU1#A\nEND\nSCHEDULE CPU2#Z\nEND\n"}});
  const TreeNode& valid = Heading(catalogue, "Schedules");
  EXPECT_EQ(CaptionsOf(valid.Children), (Captions{"CPU1", "CPU2"}));
  EXPECT_EQ(CaptionsOf(valid.Children[0].Children), (Captions{"A", "B"}));
  EXPECT_EQ(valid.Children[0].Children[0].Pictures.Normal, 2);
  const TreeNode& invalid = Heading(catalogue, "Schedules (Invalid)");
  EXPECT_EQ(CaptionsOf(invalid.Children), (Captions{"cpu1", "CPU9"}));
  EXPECT_EQ(invalid.Children[0].Pictures.Normal, 20);
  EXPECT_EQ(invalid.Children[1].Children[0].Pictures.Normal, 16);
  EXPECT_EQ(catalogue.Totals.ScheduleBlockCount, 5);
  // CPU3 is defined but has no schedules: no node.
}

TEST_F(CatalogueTest, JobsKeepExtractOrderGroupedByConsecutiveRuns) {
  Build({{"Cpus.Xtract", kCpus},
         {"Jobs.Xtract",
          "$JOBS\nCPU1#J1 DOCOMMAND \"a\"\n     STREAMLOGON u\n     RECOVERY STOP\n"
          "CPU1#J2 SCRIPTNAME \"/x\"\nCPU2#K DOCOMMAND \"b\"\nCPU1#J3 DOCOMMAND \"c\"\n"
          "NOKEY#\nCPUX#Q DOCOMMAND \"d\"\n\n"}});
  const TreeNode& jobs = Heading(catalogue, "Jobs");
  EXPECT_EQ(CaptionsOf(jobs.Children), (Captions{"CPU1", "CPU2", "CPU1"}));
  EXPECT_EQ(CaptionsOf(jobs.Children[0].Children), (Captions{"J1", "J2"}));
  EXPECT_EQ(CaptionsOf(Heading(catalogue, "Jobs (Invalid)").Children), (Captions{"CPUX"}));
  // "NOKEY#" has no blank: an empty key, counted but given no node.
  EXPECT_EQ(catalogue.Totals.JobTotal, 6);
}

TEST_F(CatalogueTest, CalendarsParametersPromptsAndResources) {
  Build({});  // a calendars file of only its header
  EXPECT_TRUE(Heading(catalogue, "Calendars").Children.empty());
  EXPECT_EQ(catalogue.Totals.CalendarTotal, 0);
  EXPECT_EQ(catalogue.CalendarNameList, "");
  Build({{"Calendars.Xtract",
          "$CALENDAR\nHOLIDAYS\t\"Bank holidays\"\n  01/01/2027 12/25/2027\n"
          "MONTHEND\t\"\"\n\n  02/28/2027\n"},
         {"Parms.Xtract", "$PARM\nP1 \"v\"\n\"nameless\"\nP3 \"w\"\n"},
         {"Prompts.Xtract", "$PROMPT\nQ1 \"Go on?\"\n"},
         {"Resources.Xtract",
          "$RESOURCE\nCPU1#TAPES\t   4\t\"Tape drives\"\nCPU2#X\t  10\t\"\"\n"
          "NOGAP\t1\t\"x\"\n"}});
  EXPECT_EQ(CaptionsOf(Heading(catalogue, "Calendars").Children),
            (Captions{"HOLIDAYS", "MONTHEND"}));
  EXPECT_EQ(catalogue.CalendarNameList, "HOLIDAYS,MONTHEND,");
  EXPECT_EQ(catalogue.Totals.CalendarTotal, 2);
  // Nameless rows are skipped.
  EXPECT_EQ(CaptionsOf(Heading(catalogue, "Parameters").Children), (Captions{"P1", "P3"}));
  EXPECT_EQ(CaptionsOf(Heading(catalogue, "Prompts").Children), (Captions{"Q1"}));
  EXPECT_EQ(CaptionsOf(Heading(catalogue, "Resources").Children),
            (Captions{"CPU1#TAPES", "CPU2#X", ""}));
  EXPECT_EQ(catalogue.Totals.ParameterTotal, 3);
  EXPECT_EQ(catalogue.Totals.ResourceTotal, 3);
}

TEST_F(CatalogueTest, MissingExtractsLeaveAnEmptyTreeAndOldTotals) {
  Build({{"Cpus.Xtract", kCpus}});
  catalogue.ScheduledJobList = "X";
  std::filesystem::remove(dir.Path() / "Prompts.Xtract");
  status = RefreshCatalogue(dir.DirText(), store, catalogue);
  EXPECT_EQ(status,
            "Varnolt Database Extracts Not Found! Please Check Import Directory And Perform "
            "Transfer If Necessary.");
  EXPECT_TRUE(catalogue.Tree.empty());
  EXPECT_EQ(catalogue.Totals.CpuTotal, 3);
  EXPECT_FALSE(catalogue.ScheduledJobList.has_value());
}

TEST_F(CatalogueTest, EmptyWorkstationNameStillGetsItsOwnNode) {
  Build({{"Schedules.Xtract", "SCHEDULE #NOCPU\nEND\nSCHEDULE #NOCPU2\nEND\n"}});
  const TreeNode& invalid = Heading(catalogue, "Schedules (Invalid)");
  ASSERT_EQ(invalid.Children.size(), 1u);
  EXPECT_EQ(CaptionsOf(invalid.Children[0].Children), (Captions{"NOCPU", "NOCPU2"}));
}

// The catalogue answers "is this workstation defined" for all keys at once; it must agree with
// the rule for one workstation ("@:@" + name + "@:@" occurs in ValidCpuList) even for names
// made of the delimiter's own characters.
TEST(CatalogueWorkstationLookup, AgreesWithTheListRuleForEveryName) {
  std::mt19937 random(5);
  auto name = [&random] {
    std::string text;
    for (size_t n = random() % 6; n > 0; --n) text += "@:A"[random() % 3];
    return text;
  };
  for (int round = 0; round < 400; ++round) {
    ExtractTexts texts;
    for (int k = 0; k < 6; ++k) texts[6] += "CPUNAME " + name() + "\n";
    for (int k = 0; k < 12; ++k) texts[1] += name() + "#J X\n";
    ExtractStore store;
    LoadExtractTexts(texts, store);
    Catalogue catalogue;
    BuildCatalogue(store, catalogue);
    for (const TreeNode& node : Heading(catalogue, kHeadingJobs).Children) {
      EXPECT_TRUE(catalogue.IsDefinedCpu(node.Caption)) << node.Caption << " in " << texts[6];
    }
    for (const TreeNode& node : Heading(catalogue, kHeadingJobsInvalid).Children) {
      EXPECT_FALSE(catalogue.IsDefinedCpu(node.Caption)) << node.Caption << " in " << texts[6];
    }
  }
}

}  // namespace
}  // namespace vdbq
