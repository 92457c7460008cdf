#include "core/views/workstation_page.h"

#include "page_fixture.h"

namespace vdbq {
namespace {

class WorkstationPageTest : public PageTest {
 protected:
  WorkstationPage Show(const std::string& cpus, const std::string& name) {
    Load({{"Cpus.Xtract", cpus}});
    WorkstationPage page;
    ShowWorkstation(store, catalogue, name, page);
    return page;
  }
  void ShowAgain(const std::string& name) { ShowWorkstation(store, catalogue, name, page); }
  WorkstationPage page;
};

TEST_F(WorkstationPageTest, FirstMatchingKeywordTakesTheWholeRestOfTheLine) {
  page = Show("CPUNAME CPU1\nNODE host1 TCPADDR 31111\nEND\n", "CPU1");
  EXPECT_EQ(page.LabCpuAsNode, "host1 TCPADDR 31111");
  EXPECT_EQ(page.LabCpuTcp, "");
}

TEST_F(WorkstationPageTest, ValuesKeepTheirCaseAndQuotes) {
  page = Show(
      "CPUNAME CPU1\n  description \"Main box\"\n  node Host.Lan\n  for batchuser\n"
      "  server B\n  host MASTER\n  access remotessh\n  domain DM1\n  tcpaddr 31111\nEND\n",
      "CPU1");
  EXPECT_EQ(page.LabCpuDesc, "\"Main box\"");
  EXPECT_EQ(page.LabCpuAsNode, "Host.Lan");
  EXPECT_EQ(page.LabCpuForUser, "batchuser");
  EXPECT_EQ(page.LabCpuServer, "B");
  EXPECT_EQ(page.LabCpuHost, "MASTER");
  EXPECT_EQ(page.LabCpuAccess, "remotessh");
  EXPECT_EQ(page.LabCpuDomain, "DM1");
  EXPECT_EQ(page.LabCpuTcp, "31111");
}

TEST_F(WorkstationPageTest, AgentTypesAreSpeltOutAndTheSystemGivesThePicture) {
  const struct {
    const char* Line;
    const char* Type;
    Picture System;
  } cases[] = {{"type x-agent", "Extended Agent", Picture::None},
               {"TYPE fta", "Fault-Tolerant Agent", Picture::None},
               {"TYPE S-AGENT", "Standard Agent", Picture::None},
               {"TYPE MANAGER", "MANAGER", Picture::None},
               {"OS WINT", "", Picture::Windows},
               {"os wnt", "", Picture::Windows},
               {"OS MPIX", "", Picture::Mpix},
               {"OS mpev", "", Picture::Mpev},
               {"OS OTHER", "", Picture::Sap},
               {"OS SOLARIS", "", Picture::Unix}};
  for (const auto& c : cases) {
    const WorkstationPage shown = Show(std::string("CPUNAME A\n") + c.Line + "\nEND\n", "A");
    if (*c.Type != '\0') EXPECT_EQ(shown.LabCpuType, c.Type) << c.Line;
    if (c.System != Picture::None) EXPECT_EQ(shown.ImageCpu, c.System) << c.Line;
  }
}

TEST_F(WorkstationPageTest, OnOffPicturesAreYesOnlyForOn) {
  page = Show("CPUNAME A\nAUTOLINK on\nFULLSTATUS OFF\nRESOLVEDEP ON\nBEHINDFIREWALL maybe\nEND\n",
              "A");
  EXPECT_EQ(page.ImageCpuAutoLink, Picture::Yes);
  EXPECT_EQ(page.ImageCpuFullStatus, Picture::No);
  EXPECT_EQ(page.ImageCpuResDep, Picture::Yes);
  EXPECT_EQ(page.ImageCpuBFire, Picture::No);
}

TEST_F(WorkstationPageTest, IgnoreAndTimezoneLines) {
  page = Show("CPUNAME A\nIGNORE\nTZ Europe/Oslo\nEND\n", "A");
  EXPECT_EQ(page.ImageCpuIgnore, Picture::Yes);
  EXPECT_EQ(page.LabCpuTz, "Europe/Oslo");
}

TEST_F(WorkstationPageTest, LaterLineOfTheSameKeywordWins) {
  page = Show("CPUNAME A\nTIMEZONE UTC\nTZ CET\nDESCRIPTION one\nDESCRIPTION two\nEND\n", "A");
  EXPECT_EQ(page.LabCpuTz, "CET");
  EXPECT_EQ(page.LabCpuDesc, "two");
}

TEST_F(WorkstationPageTest, DefinitionEndsAtEndInAnyCase) {
  page = Show("CPUNAME A\nDESCRIPTION a\n end\nHOST after\nCPUNAME B\nHOST b\nEND\n", "A");
  EXPECT_EQ(page.LabCpuDesc, "a");
  EXPECT_EQ(page.LabCpuHost, "-");
}

TEST_F(WorkstationPageTest, DefinitionWithoutEndStopsAtTheNextDefinition) {
  const std::string cpus =
      "CPUNAME A\nDESCRIPTION a\nCPUNAME B\nDESCRIPTION b\nHOST hb\nEND\n"
      "CPUNAME C\nHOST hc\n  CPUCLASS K\nDESCRIPTION class\nEND\n";
  page = Show(cpus, "A");
  EXPECT_EQ(page.LabCpuDesc, "a");
  EXPECT_EQ(page.LabCpuHost, "-");
  page = Show(cpus, "C");
  EXPECT_EQ(page.LabCpuHost, "hc");
  EXPECT_EQ(page.LabCpuDesc, "<Empty>");
}

TEST_F(WorkstationPageTest, NameIsComparedExactlyAndOnlyTheFirstDefinitionCounts) {
  const std::string cpus =
      "CPUNAME CPU10\nHOST ten\nEND\nCPUNAME cpu1\nHOST lower\nEND\n"
      "CPUNAME CPU1\nHOST first\nEND\nCPUNAME CPU1\nHOST second\nEND\n";
  EXPECT_EQ(Show(cpus, "CPU1").LabCpuHost, "first");
  EXPECT_EQ(Show(cpus, "CPU").LabCpuHost, "-");
}

TEST_F(WorkstationPageTest, PicturesWithoutDefaultStayFromThePreviousWorkstation) {
  Load({{"Cpus.Xtract",
         "CPUNAME A\nOS WNT\nAUTOLINK ON\nFULLSTATUS ON\nRESOLVEDEP ON\nIGNORE\n"
         "BEHINDFIREWALL ON\nDESCRIPTION a\nEND\nCPUNAME B\nEND\n"}});
  ShowAgain("A");
  ShowAgain("B");
  EXPECT_EQ(page.LabCpuName, "B");
  EXPECT_EQ(page.LabCpuDesc, "<Empty>");
  EXPECT_EQ(page.ImageCpu, Picture::Windows);
  EXPECT_EQ(page.ImageCpuAutoLink, Picture::Yes);
  EXPECT_EQ(page.ImageCpuFullStatus, Picture::Yes);
  EXPECT_EQ(page.ImageCpuResDep, Picture::No);
  EXPECT_EQ(page.ImageCpuIgnore, Picture::No);
  EXPECT_EQ(page.ImageCpuBFire, Picture::No);
}

TEST_F(WorkstationPageTest, UnknownWorkstationAndUnendedDefinitionStayInBounds) {
  page = Show("CPUNAME A\nDESCRIPTION last\n\n", "Z");
  EXPECT_EQ(page.LabCpuName, "Z");
  EXPECT_EQ(page.LabCpuDesc, "<Empty>");
  EXPECT_EQ(Show("CPUNAME A\nDESCRIPTION last\n\n", "A").LabCpuDesc, "last");
}

}  // namespace
}  // namespace vdbq
