#include <gtest/gtest.h>

#include "support/report_fixture.h"
#include "support/test_helpers.h"

// The rows of the job and workstation reports, one case a row.
namespace vdbq {
namespace {

using testing::ReportFixture;
using testing::RowsText;
using Extracts = std::map<std::string, std::string>;

// Header lines, continuation lines, a blank-led header (empty key), a key without "#" and a
// header without any blank.
const std::string kJobs =
    "* jobs\nCPU2#LOAD DOCOMMAND \"load.sh\"\n     STREAMLOGON batch #1\n"
    "cpu1#zeta SCRIPTNAME \"/bin/Zeta.sh\"\nCPU1#ALPHA DOCOMMAND \"echo Alpha\"\n"
    "    CPU9#FOURBLANKS DOCOMMAND \"x\"\nPLAIN DOCOMMAND \"has # in command\"\nCPU3#NOBLANK\n"
    "no hash here\n";

// A naked job is the schedule's own workstation's; CONFIRMED and PRIORITY come off; a commented
// job, a FOLLOWS continuation line and the tail of a longer key do not count.
const Extracts kUnscheduled{
    {"Jobs.Xtract",
     "CPU1#NAKED X\nCPU1#QUALIFIED X\nCPU1#CONF X\nCPU1#PRIO X\nCPU1#INCOMMENT X\n"
     "CPU1#CONTINUED X\nCPU1#TAIL X\nCPU2#NAKED X\nCPU2#IDLE X\n"},
    {"Schedules.Xtract",
     "SCHEDULE CPU1#DAILY\nON EVERYDAY\nFOLLOWS CPU2#OTHER.@\n:\n NAKED\n CPU1#QUALIFIED\n"
     " CPU1#CONF CONFIRMED\n CPU1#PRIO PRIORITY 20\n* CPU1#INCOMMENT\n   AT 0100\n CPU2#FOLLOWER\n"
     "   FOLLOWS NAKED,\n   CPU1#CONTINUED\n XCPU1#TAIL\nEND\n"}};

// Block starts: 0, 3 (a stray END), 4 (two SCHEDULE lines), 9, 13, 16, 18.
const Extracts kWorkstations{
    {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\nCPUNAME CPU10\nEND\nCPUNAME CPU2\nEND\n"},
    {"Schedules.Xtract",
     "SCHEDULE CPU1#FIRST\n:\nEND\nEND\nSCHEDULE CPU1#BETA extra text\n:\n JOB\n"
     "SCHEDULE CPU1#HIDDEN\nEND\n* comment\nSCHEDULE CPU10#OTHER\n:\nEND\nSCHEDULE CPU1#alpha\n"
     ":\nEND\nSCHEDULE NOHASH\nEND\n"},
    {"Jobs.Xtract",
     "CPU1#B X\nCPU1#a X\nCPU10#C X\n CPU1#BLANKLED X\n     CPU1#CONT X\nCPU1#NAME WITH BLANKS\n"
     "CPU2#D X\n"}};

const std::string kUsageJobs = "CPU1#LOAD X\nCPU2#LOAD X\nCPU1#PRELOAD X\nCPU1#ALONE X\n";
const Extracts kUsage{{"Jobs.Xtract", kUsageJobs},
                      {"Schedules.Xtract",
                       "SCHEDULE CPU1#USESJOB\n:\n LOAD\n CPU2#LOAD\nEND\n"
                       "SCHEDULE CPU2#FOLLOWSIT\nFOLLOWS CPU1#USESJOB.START,\n "
                       "CPU1#USESJOB.LOAD\n:\n CPU2#OTHER\nEND\n"
                       "SCHEDULE CPU3#JOBDEP\n:\n CPU3#X\n   FOLLOWS CPU1#PRELOAD\n CPU3#Y\n   "
                       "FOLLOWS CPU2#LOAD\nEND\n"
                       "SCHEDULE CPU3#PRELOADONLY\n:\n CPU1#PRELOAD\nEND\n"}};

// A name that makes its key too long for the listings to keep as an offset and a length.
const std::string kLongName(size_t{1} << 24, 'N');

const std::string kUsageHeading =
    "Workstation|Appears In Schedule|As Schedule Dependency|As Job Name|As Job Dependency\n";

struct Case {
  const char* Why;
  const char* Code;
  std::string Search;
  Extracts Files;
  std::string Rows;
  const char* Status = nullptr;  // nullptr: not checked
};

const Case kCases[] = {
    // The four-blank line and the header without a blank count with an empty key.
    {"five blanks continue a line, fewer make an empty key",
     "J#1",
     "",
     {{"Jobs.Xtract", kJobs}},
     "|\n|\nCPU1|ALPHA\ncpu1|zeta\nCPU2|LOAD\n|PLAIN\n",
     "Found 6 Job(s)... Ready."},
    {"a key too long to keep as an offset is read from its line",
     "J#1",
     "",
     {{"Jobs.Xtract", "CPU2#B X\nCPU1#" + kLongName + " X\nCPU1#A X\n"}},
     "CPU1|A\nCPU1|" + kLongName + "\nCPU2|B\n"},
    // Letter-case variants sort together but are other names; a key without "#" is not counted.
    {"repeats after the first carry the mark",
     "J#2",
     "",
     {{"Jobs.Xtract",
       "CPU3#LOAD X\nCPU1#LOAD X\nCPU1#BACKUP X\nCPU2#LOAD X\nCPU2#load X\nNOHASH X#\n"}},
     "BACKUP||CPU1\nLOAD||CPU1\nLOAD|1|CPU2\nload||CPU2\nLOAD||CPU3\n",
     "Found 5 Job(s)... Ready."},
    {"every repeat is marked",
     "J#2",
     "",
     {{"Jobs.Xtract", "CPU3#LOAD X\nCPU1#LOAD X\nCPU2#LOAD X\n"}},
     "LOAD||CPU1\nLOAD|1|CPU2\nLOAD|1|CPU3\n"},
    {"J#3 matches anywhere in the key",
     "J#3",
     "CPU1",
     {{"Jobs.Xtract", "CPU1#LOAD X\nCPU12#RUN X\nCPU2#CPU1JOB X\nCPU2#OTHER X\n"}},
     "CPU1|LOAD\nCPU12|RUN\nCPU2|CPU1JOB\n"},
    {"J#3 matches across the hash",
     "J#3",
     "2#O",
     {{"Jobs.Xtract", "CPU1#LOAD X\nCPU2#OTHER X\n"}},
     "CPU2|OTHER\n"},
    {"J#3 is case-sensitive and never finds an empty key",
     "J#3",
     "LOAD",
     {{"Jobs.Xtract", "cpu1#load X\n CPU1#LOAD X\n"}},
     ""},
    {"J#5 counts the job lines of every schedule", "J#5", "", kUnscheduled,
     "CPU1|CONTINUED\nCPU1|INCOMMENT\nCPU1|TAIL\nCPU2|IDLE\nCPU2|NAKED\n"},
    {"J#5: a schedule without END ends with the file",
     "J#5",
     "",
     {{"Jobs.Xtract", "CPU1#A X\nCPU1#B X\nCPU1#C X\n"},
      {"Schedules.Xtract", "SCHEDULE CPU1#S1\n:\n A\nEND\nSCHEDULE CPU1#S2\n:\n B\n"}},
     "CPU1|C\n"},
    {"J#5: a schedule without colon has no jobs",
     "J#5",
     "",
     {{"Jobs.Xtract", "CPU1#A X\n"}, {"Schedules.Xtract", "SCHEDULE CPU1#S1\nON EVERYDAY\n A\n"}},
     "CPU1|A\n"},
    // A key holding a comma is scheduled only when the list holds it as a run of entries; the
    // blank-led header's empty key is in no schedule.
    {"J#5: empty keys and keys with commas",
     "J#5",
     "",
     {{"Jobs.Xtract", "CPU1#A,CPU1#B X\nCPU1#B,CPU1#A X\n X#Y\n"},
      {"Schedules.Xtract", "SCHEDULE CPU1#S\n:\n CPU1#A,CPU1#B\nEND\n"}},
     "|\nCPU1|B,CPU1#A\n"},
    // Not the key, not a continuation line, not a blank-led header.
    {"J#6 matches the command ignoring letter case",
     "J#6",
     "NIGHTLY",
     {{"Jobs.Xtract",
       "CPU1#B DOCOMMAND \"echo Nightly\"\nCPU1#NIGHTLY SCRIPTNAME \"/bin/x.sh\"\n"
       "     DESCRIPTION \"nightly run\"\nCPU2#A SCRIPTNAME \"/opt/NIGHTLY.sh\"\n"
       " CPU3#C DOCOMMAND \"nightly\"\n"}},
     "CPU1|B|DOCOMMAND \"echo Nightly\"\nCPU2|A|SCRIPTNAME \"/opt/NIGHTLY.sh\"\n"},
    {"J#6 takes the text as typed",
     "J#6",
     "ECHO ",
     {{"Jobs.Xtract", "CPU1#B DOCOMMAND \"echo x\"\nCPU1#C DOCOMMAND \"echox\"\n"}},
     "CPU1|B|DOCOMMAND \"echo x\"\n"},
    {"J#6 finds nothing for an empty text",
     "J#6",
     "",
     {{"Jobs.Xtract", "CPU1#B DOCOMMAND \"echo x\"\n"}},
     ""},
    // The schedule on line 0 counts, the stray END does not make BETA appear twice, and the
    // second SCHEDULE line of a block is not seen.
    {"W#1 walks one header per block", "W#1", "CPU1", kWorkstations,
     "CPU1|alpha\nCPU1|BETA extra text\nCPU1|FIRST\n"},
    {"W#1 compares the whole workstation name", "W#1", "CPU10", kWorkstations, "CPU10|OTHER\n"},
    {"W#1 with no schedule", "W#1", "CPU2", kWorkstations, ""},
    {"W#2 takes header lines whose key has the workstation", "W#2", "CPU1", kWorkstations,
     "CPU1|a\nCPU1|B\nCPU1|NAME\n"},
    // A class with an empty name is skipped; a bare MEMBERS line starts the members afresh; a
    // class without END ends with the file.
    {"W#3 collects members in file order",
     "W#3",
     "",
     {{"Cpus.Xtract",
       "CPUNAME CPU1\nEND\nCPUCLASS ONEPERLINE\nMEMBERS\n  CPU1\n  CPU2\nEND\nCPUCLASS MIXED\n"
       "MEMBERS CPU1 CPU2\n  CPU3\n\n  CPU4\nEND\ncpuclass lower\n  members cpu5\nend\nCPUCLASS X\n"
       "END\nCPUCLASS \n  MEMBERS CPU9\nEND\n   CPUCLASS INDENTED\nMEMBERS A\nEND\nCPUCLASS RESET\n"
       "MEMBERS A\nB\nMEMBERS\nC\nEND\nCPUCLASS OPEN\nMEMBERS Z\n"}},
     "ONEPERLINE|CPU1 CPU2 \nMIXED|CPU1 CPU2 CPU3 CPU4 \nlower|cpu5 \nX|\nINDENTED|A \nRESET|C \n"
     "OPEN|Z \n",
     "Found 7 Classes... Ready."},
    // One row per schedule with the first matching entry of each list; PRELOAD is no match.
    {"J#4: a bare name finds every workstation's job", "J#4", "LOAD", kUsage,
     kUsageHeading +
         "CPU1|USESJOB||CPU1#LOAD|\nCPU2|FOLLOWSIT|CPU1#USESJOB.LOAD||\nCPU3|JOBDEP|||CPU2#LOAD\n"},
    {"J#4: a full key only that workstation's", "J#4", "CPU2#LOAD", kUsage,
     kUsageHeading + "CPU1|USESJOB||CPU2#LOAD|\nCPU3|JOBDEP|||CPU2#LOAD\n"},
    {"J#4: a naked job is the schedule workstation's", "J#4", "CPU1#LOAD", kUsage,
     kUsageHeading + "CPU1|USESJOB||CPU1#LOAD|\n"},
    {"J#4: an unused job gives the heading alone", "J#4", "ALONE", kUsage, kUsageHeading},
    // The naked job takes the cut workstation, so the full key of the defined job finds it.
    {"J#4 cuts long workstation and schedule names",
     "J#4",
     std::string(50, 'W') + "#JOB",
     {{"Jobs.Xtract", std::string(50, 'W') + "#JOB X\n"},
      {"Schedules.Xtract",
       "SCHEDULE " + std::string(55, 'W') + "#ABCDEFGHIJKLMNOPQRST\n:\n JOB\nEND\n"}},
     kUsageHeading + std::string(50, 'W') + "|ABCDEFGHIJKLMNOP||" + std::string(50, 'W') +
         "#JOB|\n"},
    // The first section runs on to the end of the file and takes the rest with it.
    {"J#4: schedules without colon or END end at the file end",
     "J#4",
     "LOAD",
     {{"Jobs.Xtract", kUsageJobs},
      {"Schedules.Xtract", "SCHEDULE CPU1#A\n:\n LOAD\nSCHEDULE CPU1#B\n LOAD\n"}},
     kUsageHeading + "CPU1|A||CPU1#LOAD|\n"},
};

TEST(JobAndWorkstationReports, RowsByCase) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.Why);
    ReportFixture fx(c.Files);
    // After another report, so that rows a report fails to clear would show.
    fx.Run("J#1");
    fx.Run(c.Code, c.Search);
    EXPECT_EQ(RowsText(fx.Results), c.Rows);
    if (c.Status != nullptr) {
      EXPECT_EQ(fx.Panel.StatusText, c.Status);
    }
  }
}

TEST(J5ListsUnscheduledJobs, KeepsTheScheduledListUntilARefreshAndBuildsAnEmptyOneAgain) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", "CPU1#A X\nCPU1#B X\n"},
                            {"Schedules.Xtract", "SCHEDULE CPU1#S\n:\n A\nEND\n"}});
  EXPECT_FALSE(fx.Catalogue.ScheduledJobList.has_value());
  fx.Run("J#5");
  EXPECT_EQ(fx.Catalogue.ScheduledJobList, "CPU1#A,");
  fx.Catalogue.ScheduledJobList = "CPU1#B,";
  fx.Run("J#5");
  EXPECT_EQ(RowsText(fx.Results), "CPU1|A\n");
  fx.Catalogue.ScheduledJobList = "";
  fx.Run("J#5");
  EXPECT_EQ(fx.Catalogue.ScheduledJobList, "CPU1#A,");
  EXPECT_EQ(RowsText(fx.Results), "CPU1|B\n");
  fx.Dir.Write("Schedules.Xtract", "SCHEDULE CPU1#S\n:\n B\nEND\n");
  RefreshCatalogue(fx.Settings.DatabaseDir, fx.Store, fx.Catalogue);
  EXPECT_FALSE(fx.Catalogue.ScheduledJobList.has_value());
  fx.Run("J#5");
  EXPECT_EQ(RowsText(fx.Results), "CPU1|A\n");
}

}  // namespace
}  // namespace vdbq
