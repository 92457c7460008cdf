#include "core/views/job_page.h"

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

TEST_F(JobPageTest, CommandClauseGivesTypeCommandAndPlatform) {
  LoadJobs(
      "CPU1#J1 SCRIPTNAME \"/opt/run.sh -x\"\n STREAMLOGON root\n RECOVERY STOP\n"
      "CPU1#J2 DOCOMMAND \"ls ^DIR^\"\n RECOVERY STOP\n"
      "MPE1#J3 JOBFILENAME JOBF.PUB\n RECOVERY STOP\n");
  Show("CPU1", "J1");
  EXPECT_EQ(page.LabJobCmdType, "Scriptname ");
  EXPECT_EQ(page.LabJobCmd, "\"/opt/run.sh -x\"");
  EXPECT_EQ(page.LabJobPlatform, "UNIX/NT");
  Show("CPU1", "J2");
  EXPECT_EQ(page.LabJobCmdType, "Command ");
  EXPECT_EQ(page.LabJobCmd, "\"ls ^DIR^\"");
  EXPECT_EQ(page.LabJobPlatform, "UNIX/NT/MPE");
  Show("MPE1", "J3");
  EXPECT_EQ(page.LabJobCmdType, "Jobfilename ");
  EXPECT_EQ(page.LabJobCmd, "JOBF.PUB");
  EXPECT_EQ(page.LabJobPlatform, "MPE");
  EXPECT_EQ(page.LabJobJob, "J3");
  EXPECT_EQ(page.LabJobName2, "J3");
  EXPECT_EQ(page.LabJobCpu, "MPE1");
}

TEST_F(JobPageTest, LogonLosesItsQuotesAndTwoQuotesDescribeNothing) {
  LoadJobs(
      "CPU1#J1 DOCOMMAND x\n     STREAMLOGON \"root\"\n     DESCRIPTION \"\"\n"
      "     RECOVERY RERUN\n"
      "CPU1#J2 DOCOMMAND y\n     STREAMLOGON \"\n     DESCRIPTION \"Nightly \"\"big\"\" run\"\n"
      "     RECOVERY STOP\n");
  Show("CPU1", "J1");
  EXPECT_EQ(page.LabJobLogon, "root");
  EXPECT_EQ(page.LabJobDesc, "<Empty>");
  EXPECT_EQ(page.LabJobRecovery, "RERUN");
  Show("CPU1", "J2");
  EXPECT_EQ(page.LabJobLogon, "");
  EXPECT_EQ(page.LabJobDesc, "\"Nightly \"\"big\"\" run\"");
}

TEST_F(JobPageTest, KeyMustEndAtABlankATabOrTheLineEnd) {
  LoadJobs(
      "CPU1#JOB10 DOCOMMAND ten\n RECOVERY STOP\nCPU1#JOB1\tDOCOMMAND one\n RECOVERY STOP\n"
      "CPU1#JOB2\n RECOVERY CONTINUE\n");
  Show("CPU1", "JOB1");
  EXPECT_EQ(page.LabJobCmd, "one");
  Show("CPU1", "JOB2");
  EXPECT_EQ(page.LabJobRecovery, "CONTINUE");
  EXPECT_EQ(page.LabJobCmd, "one");
}

TEST_F(JobPageTest, RecoveryEndsTheDefinition) {
  LoadJobs(
      "CPU1#J1 DOCOMMAND a\n RECOVERY STOP\n INTERACTIVE\n STREAMLOGON late\n"
      "CPU1#J2 DOCOMMAND b\n STREAMLOGON b\n RECOVERY STOP\n");
  Show("CPU1", "J1");
  EXPECT_EQ(page.ImageJobInteractive, Picture::No);
  EXPECT_EQ(page.LabJobLogon, "-");
}

TEST_F(JobPageTest, WithoutRecoveryTheReadingStopsBeforeTheNextDefinition) {
  LoadJobs(
      "CPU1#J1 DOCOMMAND a\n     DESCRIPTION one\n\n"
      "CPU1#J2 DOCOMMAND b\n     STREAMLOGON other\n     INTERACTIVE\n     RECOVERY RERUN\n");
  Show("CPU1", "J1");
  EXPECT_EQ(page.LabJobDesc, "one");
  EXPECT_EQ(page.LabJobLogon, "-");
  EXPECT_EQ(page.LabJobRecovery, "-");
  EXPECT_EQ(page.ImageJobInteractive, Picture::No);
}

TEST_F(JobPageTest, RecoveryLineThatLooksLikeADefinitionIsStillTaken) {
  // Indented by fewer than five blanks and naming a job: the catalogue would count it as a
  // definition line, but RECOVERY is tested first.
  LoadJobs("CPU1#J1 DOCOMMAND a\n   RECOVERY RERUN AFTER CPU1#FIX\nCPU1#FIX DOCOMMAND f\n");
  Show("CPU1", "J1");
  EXPECT_EQ(page.LabJobRecovery, "RERUN AFTER CPU1#FIX");
}

TEST_F(JobPageTest, InteractiveOnlyForTheExactLineAndResetForEachJob) {
  LoadJobs(
      "CPU1#J1 DOCOMMAND a\n  INTERACTIVE\n RECOVERY STOP\n"
      "CPU1#J2 DOCOMMAND b\n  INTERACTIVE NOW\n  interactive\n RECOVERY STOP\n");
  Show("CPU1", "J1");
  EXPECT_EQ(page.ImageJobInteractive, Picture::Yes);
  Show("CPU1", "J2");
  EXPECT_EQ(page.ImageJobInteractive, Picture::No);
  Show("CPU1", "MISSING");
  EXPECT_EQ(page.ImageJobInteractive, Picture::No);
}

TEST_F(JobPageTest, FieldsMissingFromADefinitionKeepThePreviousJobsValues) {
  LoadJobs(
      "CPU1#J1 SCRIPTNAME s1\n STREAMLOGON u1\n DESCRIPTION d1\n RECOVERY STOP\n"
      "CPU1#J2 SOMETHING ELSE\n RECOVERY CONTINUE\n");
  Show("CPU1", "J1");
  Show("CPU1", "J2");
  EXPECT_EQ(page.LabJobName2, "J2");
  EXPECT_EQ(page.LabJobCmd, "s1");
  EXPECT_EQ(page.LabJobCmdType, "Scriptname ");
  EXPECT_EQ(page.LabJobLogon, "u1");
  EXPECT_EQ(page.LabJobDesc, "d1");
  EXPECT_EQ(page.LabJobRecovery, "CONTINUE");
}

TEST_F(JobPageTest, OperatingSystemPictureComesFromTheWorkstationTable) {
  LoadJobs("");
  Show("MPE1", "J");
  EXPECT_EQ(page.ImageJobType, Picture::Mpev);
  Show("WIN1", "J");
  EXPECT_EQ(page.ImageJobType, Picture::Windows);
  Show("BARE", "J");  // no OS line: the picture stays
  EXPECT_EQ(page.ImageJobType, Picture::Windows);
  Show("SAP1", "J");
  EXPECT_EQ(page.ImageJobType, Picture::Sap);
  Show("CPU1", "J");
  EXPECT_EQ(page.ImageJobType, Picture::Unix);
  // A job of an undefined workstation shows the unknown picture.
  Show("GHOST", "J");
  EXPECT_EQ(page.ImageJobType, Picture::Unknown);
}

TEST(FindJobDefinition, FindsTheFirstExactKey) {
  const LineList lines(std::vector<std::string>{"A#B1 X", "A#B", "A#B Y"});
  EXPECT_EQ(FindJobDefinition(lines, "A#B"), 1);
  EXPECT_EQ(FindJobDefinition(lines, "A#C"), -1);
  EXPECT_EQ(FindJobDefinition(LineList{}, "A#B"), -1);
}

}  // namespace
}  // namespace vdbq
