#include "core/catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <random>

#include "support/temp_dir.h"

namespace vdbq {
namespace {

using testing::TempDir;
using testing::WriteExtractSet;
using Captions = std::vector<std::string>;

Captions CaptionsOf(const std::pmr::vector<TreeNode>& nodes) {
  Captions captions;
  for (const TreeNode& node : nodes) captions.emplace_back(node.Caption);
  return captions;
}

// The captions below a node, each followed by its own children in brackets when it has any.
std::string Outline(const TreeNode& node) {
  std::string text;
  for (const TreeNode& child : node.Children) {
    text += (text.empty() ? "" : " ") + std::string(child.Caption);
    if (!child.Children.empty()) text += "(" + Outline(child) + ")";
  }
  return text;
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
  // The OS table has no fixed size and cuts long texts.
  std::string cpus;
  for (int i = 0; i < 60; ++i) cpus += "CPUNAME C" + std::to_string(i) + "\nOS WNT\nEND\n";
  cpus += "CPUNAME AVERYLONGWORKSTATIONNAME\nOS OTHER\nEND\n";
  Build({{"Cpus.Xtract", cpus}});
  EXPECT_EQ(catalogue.OsOfCpu("C59"), "WNT");
  EXPECT_EQ(catalogue.OsOfCpu("AVERYLONGWORKSTA"), "OTHER");
}

TEST_F(CatalogueTest, SchedulesAndJobsSplitByWorkstationOtherListsByName) {
  Build({{"Cpus.Xtract", kCpus},
         {"Schedules.Xtract",
          "SCHEDULE CPU1#B\nEND\nSCHEDULE CPU9#X\nEND\nSCHEDULE cpu1#LOW\nEND\n"
          "SCHEDULE CPU1#A\nEND\nSCHEDULE CPU2#Z\nEND\n"}});
  // CPU3 is defined but has no schedules: no node.
  const TreeNode& valid = Heading(catalogue, "Schedules");
  EXPECT_EQ(Outline(valid), "CPU1(A B) CPU2(Z)");
  const TreeNode& invalid = Heading(catalogue, "Schedules (Invalid)");
  EXPECT_EQ(Outline(invalid), "cpu1(LOW) CPU9(X)");
  EXPECT_EQ(catalogue.Totals.ScheduleBlockCount, 5);
  // Jobs keep the extract order, grouped by consecutive runs.
  Build({{"Cpus.Xtract", kCpus},
         {"Jobs.Xtract",
          "$JOBS\nCPU1#J1 DOCOMMAND \"a\"\n     STREAMLOGON u\n     RECOVERY STOP\n"
          "LOCAL DOCOMMAND \"#\"\nCPU1#J2 SCRIPTNAME \"/x\"\nCPU2#K DOCOMMAND \"b\"\nCPU1#J3 "
          "DOCOMMAND \"c\"\n"
          "NOKEY#\nCPUX#Q DOCOMMAND \"d\"\n\n"}});
  EXPECT_EQ(Outline(Heading(catalogue, "Jobs")), "CPU1(J1 J2) CPU2(K) CPU1(J3)");
  EXPECT_EQ(Outline(Heading(catalogue, "Jobs (Invalid)")), "CPUX(Q)");
  // "NOKEY#" has no blank: an empty key, counted but given no node; so is "LOCAL", which has
  // no workstation and does not part J1 from J2.
  EXPECT_EQ(catalogue.Totals.JobTotal, 7);
  Build({});  // a calendars file of only its header
  EXPECT_EQ(Outline(Heading(catalogue, "Calendars")) + catalogue.CalendarNameList, "");
  EXPECT_EQ(catalogue.Totals.CalendarTotal, 0);
  Build({{"Calendars.Xtract",
          "$CALENDAR\nHOLIDAYS\t\"Bank holidays\"\n  01/01/2027 12/25/2027\n"
          "MONTHEND\t\"\"\n\n  02/28/2027\n"},
         {"Parms.Xtract", "$PARM\nP1 \"v\"\n\"nameless\"\nP3 \"w\"\n"},
         {"Prompts.Xtract", "$PROMPT\nQ1 \"Go on?\"\n"},
         {"Resources.Xtract",
          "$RESOURCE\nCPU1#TAPES\t   4\t\"Tape drives\"\nCPU2#X\t  10\t\"\"\n"
          "NOGAP\t1\t\"x\"\n"}});
  // Nameless parameters are skipped, a resource without a tab gap is a nameless node.
  EXPECT_EQ(Outline(TreeNode{"", {}, catalogue.Tree}),
            "Workstations Schedules Schedules (Invalid) Jobs Jobs (Invalid) Calendars(HOLIDAYS "
            "MONTHEND) Parameters(P1 P3) Prompts(Q1) Resources(CPU1#TAPES CPU2#X )");
  EXPECT_EQ(catalogue.CalendarNameList, "HOLIDAYS,MONTHEND,");
  EXPECT_EQ((std::vector<long long>{catalogue.Totals.CalendarTotal, catalogue.Totals.ParameterTotal,
                                    catalogue.Totals.ResourceTotal}),
            (std::vector<long long>{2, 3, 3}));
  // Without its header line the file's first line is a resource too.
  Build({{"Resources.Xtract", "CPU1#R\t   1\t\"\"\n"}});
  EXPECT_EQ(Outline(Heading(catalogue, "Resources")), "CPU1#R");
}

// The pictures (normal/selected) of each heading, of its first node and of that node's first.
TEST_F(CatalogueTest, EveryLevelOfEveryHeadingHasItsPictures) {
  Build({{"Cpus.Xtract", kCpus},
         {"Schedules.Xtract", "SCHEDULE CPU1#S\nEND\nSCHEDULE CPU9#S\nEND\n"},
         {"Jobs.Xtract", "CPU1#J X\nCPU9#J X\n"},
         {"Calendars.Xtract", "$CALENDAR\nHOL\t\"\"\n"},
         {"Parms.Xtract", "$PARM\nP \"v\"\n"},
         {"Prompts.Xtract", "$PROMPT\nQ \"q\"\n"},
         {"Resources.Xtract", "$RESOURCE\nCPU1#R\t   1\t\"\"\n"}});
  std::string pictures;
  for (const TreeNode& heading : catalogue.Tree) {
    for (const TreeNode* node = &heading; node != nullptr;
         node = node->Children.empty() ? nullptr : &node->Children[0]) {
      pictures += std::to_string(node->Pictures.Normal) + "/" +
                  std::to_string(node->Pictures.Selected) + " ";
    }
    pictures += "| ";
  }
  EXPECT_EQ(pictures,
            "0/1 6/7 | 2/3 6/7 2/3 | 16/17 20/21 16/17 | 4/5 6/7 4/5 | 18/19 20/21 18/19 | "
            "14/15 14/15 | 12/13 12/13 | 10/11 10/11 | 8/9 8/9 | ");
}

TEST_F(CatalogueTest, MissingExtractsLeaveAnEmptyTreeAndOldTotalsUntilTheNextRefresh) {
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
  // An empty workstation name still gets its own node.
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
