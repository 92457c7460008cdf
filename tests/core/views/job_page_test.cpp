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

// Workstation#job, the second name, command type, command, platform, logon, description,
// recovery and whether interactive, as shown.
std::string Labels(const JobPage& p) {
  const char* interactive = p.Interactive == Picture::Yes  ? "yes"
                            : p.Interactive == Picture::No ? "no"
                                                           : "?";
  return p.Workstation + "#" + p.Job + "|" + p.JobName + "|" + p.CommandType + "|" + p.Command +
         "|" + p.RunPlatform + "|" + p.Logon + "|" + p.Description + "|" + p.Recovery + "|" +
         interactive;
}

// Each row shows a job on the page of the row before, after loading its jobs if it has any:
// fields a definition lacks keep the previous job's values.
TEST_F(JobPageTest, ShowsTheLinesOfTheDefinitionAndThePictureOfTheSystem) {
  const struct {
    const char* Jobs;
    const char* Cpu;
    const char* Name;
    const char* Labels;
  } rows[] = {
      // The command clause gives type, command and platform.
      {"CPU1#J1 SCRIPTNAME \"/opt/run.sh -x\"\n STREAMLOGON root\n RECOVERY STOP\n"
       "CPU1#J2 DOCOMMAND \"ls ^DIR^\"\n RECOVERY STOP\n"
       "MPE1#J3 JOBFILENAME JOBF.PUB\n RECOVERY STOP\n",
       "CPU1", "J1", "CPU1#J1|J1|Scriptname |\"/opt/run.sh -x\"|UNIX/NT|root|-|STOP|no"},
      {nullptr, "CPU1", "J2", "CPU1#J2|J2|Command |\"ls ^DIR^\"|UNIX/NT/MPE|root|-|STOP|no"},
      {nullptr, "MPE1", "J3", "MPE1#J3|J3|Jobfilename |JOBF.PUB|MPE|root|-|STOP|no"},
      // The logon loses its quotes, two quotes describe nothing.
      {"CPU1#J1 DOCOMMAND x\n     STREAMLOGON \"root\"\n     DESCRIPTION \"\"\n"
       "     RECOVERY RERUN\n"
       "CPU1#J2 DOCOMMAND y\n     STREAMLOGON \"\n     DESCRIPTION \"Nightly \"\"big\"\" run\"\n"
       "     RECOVERY STOP\n",
       "CPU1", "J1", "CPU1#J1|J1|Command |x|UNIX/NT/MPE|root|<Empty>|RERUN|no"},
      {nullptr, "CPU1", "J2",
       "CPU1#J2|J2|Command |y|UNIX/NT/MPE||\"Nightly \"\"big\"\" run\"|STOP|no"},
      // The key ends at a blank, a tab or the line end.
      {"CPU1#JOB10 DOCOMMAND ten\n RECOVERY STOP\nCPU1#JOB1\tDOCOMMAND one\n RECOVERY STOP\n"
       "CPU1#JOB2\n RECOVERY CONTINUE\n",
       "CPU1", "JOB1", "CPU1#JOB1|JOB1|Command |one|UNIX/NT/MPE|-|-|STOP|no"},
      {nullptr, "CPU1", "JOB2", "CPU1#JOB2|JOB2|Command |one|UNIX/NT/MPE|-|-|CONTINUE|no"},
      // RECOVERY ends the definition.
      {"CPU1#J1 DOCOMMAND a\n RECOVERY STOP\n INTERACTIVE\n STREAMLOGON late\n"
       "CPU1#J2 DOCOMMAND b\n STREAMLOGON b\n RECOVERY STOP\n",
       "CPU1", "J1", "CPU1#J1|J1|Command |a|UNIX/NT/MPE|-|-|STOP|no"},
      // Without it the reading stops before the next definition.
      {"CPU1#J1 DOCOMMAND a\n     DESCRIPTION one\n\n"
       "CPU1#J2 DOCOMMAND b\n     STREAMLOGON other\n     INTERACTIVE\n     RECOVERY RERUN\n",
       "CPU1", "J1", "CPU1#J1|J1|Command |a|UNIX/NT/MPE|-|one|-|no"},
      // Indented by fewer than five blanks and naming a job: the catalogue would count it as a
      // definition line, but RECOVERY is tested first.
      {"CPU1#J1 DOCOMMAND a\n   RECOVERY RERUN AFTER CPU1#FIX\nCPU1#FIX DOCOMMAND f\n", "CPU1",
       "J1", "CPU1#J1|J1|Command |a|UNIX/NT/MPE|-|-|RERUN AFTER CPU1#FIX|no"},
      {"CPU1#J1 SCRIPTNAME s1\n STREAMLOGON u1\n DESCRIPTION d1\n RECOVERY STOP\n"
       "CPU1#J2 SOMETHING ELSE\n RECOVERY CONTINUE\n",
       "CPU1", "J1", "CPU1#J1|J1|Scriptname |s1|UNIX/NT|u1|d1|STOP|no"},
      {nullptr, "CPU1", "J2", "CPU1#J2|J2|Scriptname |s1|UNIX/NT|u1|d1|CONTINUE|no"},
      // Interactive only for the exact line, and reset for each job.
      {"CPU1#J1 DOCOMMAND a\n  INTERACTIVE\n RECOVERY STOP\n"
       "CPU1#J2 DOCOMMAND b\n  INTERACTIVE NOW\n  interactive\n RECOVERY STOP\n",
       "CPU1", "J1", "CPU1#J1|J1|Command |a|UNIX/NT/MPE|-|-|STOP|yes"},
      {nullptr, "CPU1", "J2", "CPU1#J2|J2|Command |b|UNIX/NT/MPE|-|-|STOP|no"},
      {nullptr, "CPU1", "J1", "CPU1#J1|J1|Command |a|UNIX/NT/MPE|-|-|STOP|yes"},
      {nullptr, "CPU1", "MISSING", "CPU1#MISSING|MISSING|Command |a|UNIX/NT/MPE|-|-|STOP|no"},
  };
  for (const auto& row : rows) {
    if (row.Jobs != nullptr) {
      page = JobPage{};
      LoadJobs(row.Jobs);
    }
    Show(row.Cpu, row.Name);
    EXPECT_EQ(Labels(page), row.Labels);
  }
  // BARE has no OS line: the picture stays; an undefined workstation shows the unknown picture.
  LoadJobs("");
  std::vector<Picture> shown;
  for (const char* cpu : {"MPE1", "WIN1", "BARE", "SAP1", "CPU1", "GHOST"}) {
    Show(cpu, "J");
    shown.push_back(page.OperatingSystem);
  }
  EXPECT_EQ(shown, (std::vector<Picture>{Picture::Mpev, Picture::Windows, Picture::Windows,
                                         Picture::Sap, Picture::Unix, Picture::Unknown}));
  // A definition is found by the first exact key.
  const LineList lines(std::vector<std::string>{"A#B1 X", "A#B", "A#B Y"});
  EXPECT_EQ(FindJobDefinition(lines, "A#B"), 1);
  EXPECT_EQ(FindJobDefinition(lines, "A#C"), -1);
  EXPECT_EQ(FindJobDefinition(LineList{}, "A#B"), -1);
}

}  // namespace
}  // namespace vdbq
