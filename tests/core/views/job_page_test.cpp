#include "core/views/job_page.h"

#include <string>
#include <utility>
#include <vector>

#include "page_fixture.h"

namespace vdbq {
namespace {

const char* const kCpus =
    "CPUNAME CPU1\nOS UNIX\nEND\nCPUNAME MPE1\nOS MPEV\nEND\nCPUNAME WIN1\nOS WNT\nEND\n"
    "CPUNAME SAP1\nOS OTHER\nEND\nCPUNAME BARE\nEND\n";

class JobPageTest : public PageTest {
 protected:
  void LoadJobs(const std::string& jobs) { Load({{"Cpus.Xtract", kCpus}, {"Jobs.Xtract", jobs}}); }
  void Show(const std::string& cpu, const std::string& name) {
    ShowJob(store, catalogue, cpu, name, page);
  }
  JobPage page;
};

using Texts = std::vector<std::string>;

// Command type, command, platform, logon, description and recovery as shown.
Texts Labels(const JobPage& page) {
  return {page.LabJobCmdType, page.LabJobCmd,  page.LabJobPlatform,
          page.LabJobLogon,   page.LabJobDesc, page.LabJobRecovery};
}

TEST_F(JobPageTest, CommandClauseGivesTypeCommandAndPlatform) {
  LoadJobs(
      "CPU1#J1 SCRIPTNAME \"/opt/run.sh -x\"\n STREAMLOGON root\n RECOVERY STOP\n"
      "CPU1#J2 DOCOMMAND \"ls ^DIR^\"\n RECOVERY STOP\n"
      "MPE1#J3 JOBFILENAME JOBF.PUB\n RECOVERY STOP\n");
  Show("CPU1", "J1");
  EXPECT_EQ(Labels(page),
            (Texts{"Scriptname ", "\"/opt/run.sh -x\"", "UNIX/NT", "root", "<Empty>", "STOP"}));
  Show("CPU1", "J2");
  EXPECT_EQ(Labels(page),
            (Texts{"Command ", "\"ls ^DIR^\"", "UNIX/NT/MPE", "root", "<Empty>", "STOP"}));
  Show("MPE1", "J3");
  EXPECT_EQ(Labels(page), (Texts{"Jobfilename ", "JOBF.PUB", "MPE", "root", "<Empty>", "STOP"}));
  EXPECT_EQ((Texts{page.LabJobJob, page.LabJobName2, page.LabJobCpu}), (Texts{"J3", "J3", "MPE1"}));
}

TEST_F(JobPageTest, LogonLosesItsQuotesAndTwoQuotesDescribeNothing) {
  LoadJobs(
      "CPU1#J1 DOCOMMAND x\n     STREAMLOGON \"root\"\n     DESCRIPTION \"\"\n"
      "     RECOVERY RERUN\n"
      "CPU1#J2 DOCOMMAND y\n     STREAMLOGON \"\n     DESCRIPTION \"Nightly \"\"big\"\" run\"\n"
      "     RECOVERY STOP\n");
  Show("CPU1", "J1");
  EXPECT_EQ(Labels(page), (Texts{"Command ", "x", "UNIX/NT/MPE", "root", "<Empty>", "RERUN"}));
  Show("CPU1", "J2");
  EXPECT_EQ(Labels(page),
            (Texts{"Command ", "y", "UNIX/NT/MPE", "", "\"Nightly \"\"big\"\" run\"", "STOP"}));
}

// Each row shows one job after the one before on the same page: fields a definition lacks keep
// the previous job's values.
TEST_F(JobPageTest, DefinitionLinesAndWhereTheyEnd) {
  const struct {
    const char* Why;
    const char* Jobs;
    std::vector<std::pair<const char*, Texts>> Shown;
    Picture Interactive;
  } cases[] = {
      {"key ends at a blank, a tab or the line end",
       "CPU1#JOB10 DOCOMMAND ten\n RECOVERY STOP\nCPU1#JOB1\tDOCOMMAND one\n RECOVERY STOP\n"
       "CPU1#JOB2\n RECOVERY CONTINUE\n",
       {{"JOB1", {"Command ", "one", "UNIX/NT/MPE", "-", "-", "STOP"}},
        {"JOB2", {"Command ", "one", "UNIX/NT/MPE", "-", "-", "CONTINUE"}}},
       Picture::No},
      {"recovery ends the definition",
       "CPU1#J1 DOCOMMAND a\n RECOVERY STOP\n INTERACTIVE\n STREAMLOGON late\n"
       "CPU1#J2 DOCOMMAND b\n STREAMLOGON b\n RECOVERY STOP\n",
       {{"J1", {"Command ", "a", "UNIX/NT/MPE", "-", "-", "STOP"}}},
       Picture::No},
      {"without recovery the reading stops before the next definition",
       "CPU1#J1 DOCOMMAND a\n     DESCRIPTION one\n\n"
       "CPU1#J2 DOCOMMAND b\n     STREAMLOGON other\n     INTERACTIVE\n     RECOVERY RERUN\n",
       {{"J1", {"Command ", "a", "UNIX/NT/MPE", "-", "one", "-"}}},
       Picture::No},
      // Indented by fewer than five blanks and naming a job: the catalogue would count it as a
      // definition line, but RECOVERY is tested first.
      {"recovery line that looks like a definition",
       "CPU1#J1 DOCOMMAND a\n   RECOVERY RERUN AFTER CPU1#FIX\nCPU1#FIX DOCOMMAND f\n",
       {{"J1", {"Command ", "a", "UNIX/NT/MPE", "-", "-", "RERUN AFTER CPU1#FIX"}}},
       Picture::No},
      {"missing fields keep the previous job's values",
       "CPU1#J1 SCRIPTNAME s1\n STREAMLOGON u1\n DESCRIPTION d1\n RECOVERY STOP\n"
       "CPU1#J2 SOMETHING ELSE\n RECOVERY CONTINUE\n",
       {{"J1", {"Scriptname ", "s1", "UNIX/NT", "u1", "d1", "STOP"}},
        {"J2", {"Scriptname ", "s1", "UNIX/NT", "u1", "d1", "CONTINUE"}}},
       Picture::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Why);
    page = JobPage{};
    LoadJobs(c.Jobs);
    for (const auto& [name, labels] : c.Shown) {
      Show("CPU1", name);
      EXPECT_EQ(Labels(page), labels) << name;
      EXPECT_EQ(page.LabJobName2, name);
    }
    EXPECT_EQ(page.ImageJobInteractive, c.Interactive);
  }
}

TEST_F(JobPageTest, InteractiveOnlyForTheExactLineAndResetForEachJob) {
  LoadJobs(
      "CPU1#J1 DOCOMMAND a\n  INTERACTIVE\n RECOVERY STOP\n"
      "CPU1#J2 DOCOMMAND b\n  INTERACTIVE NOW\n  interactive\n RECOVERY STOP\n");
  std::vector<Picture> shown;
  for (const char* name : {"J1", "J2", "J1", "MISSING"}) {
    Show("CPU1", name);
    shown.push_back(page.ImageJobInteractive);
  }
  EXPECT_EQ(shown, (std::vector<Picture>{Picture::Yes, Picture::No, Picture::Yes, Picture::No}));
}

// BARE has no OS line: the picture stays; an undefined workstation shows the unknown picture.
TEST_F(JobPageTest, OperatingSystemPictureComesFromTheWorkstationTable) {
  LoadJobs("");
  std::vector<Picture> shown;
  for (const char* cpu : {"MPE1", "WIN1", "BARE", "SAP1", "CPU1", "GHOST"}) {
    Show(cpu, "J");
    shown.push_back(page.ImageJobType);
  }
  EXPECT_EQ(shown, (std::vector<Picture>{Picture::Mpev, Picture::Windows, Picture::Windows,
                                         Picture::Sap, Picture::Unix, Picture::Unknown}));
}

TEST(FindJobDefinition, FindsTheFirstExactKey) {
  const LineList lines(std::vector<std::string>{"A#B1 X", "A#B", "A#B Y"});
  EXPECT_EQ(FindJobDefinition(lines, "A#B"), 1);
  EXPECT_EQ(FindJobDefinition(lines, "A#C"), -1);
  EXPECT_EQ(FindJobDefinition(LineList{}, "A#B"), -1);
}

}  // namespace
}  // namespace vdbq
