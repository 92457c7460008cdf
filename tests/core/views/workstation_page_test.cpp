#include "core/views/workstation_page.h"

#include <string>
#include <tuple>
#include <vector>

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

// Description, node, TCP address, time zone, domain, user, type, host, access and server.
std::string Text(const WorkstationPage& p) {
  return p.Description + "|" + p.Node + "|" + p.TcpPort + "|" + p.TimeZone + "|" + p.Domain + "|" +
         p.ForUser + "|" + p.Type + "|" + p.Host + "|" + p.Access + "|" + p.Server;
}

// System, autolink, full status, resolve dependencies, ignore and behind-firewall pictures.
std::vector<Picture> Pictures(const WorkstationPage& p) {
  return {p.OperatingSystem,     p.AutoLink, p.FullStatus,
          p.ResolveDependencies, p.Ignore,   p.BehindFirewall};
}

const std::string kWithoutEnd =
    "CPUNAME A\nDESCRIPTION a\nCPUNAME B\nDESCRIPTION b\nHOST hb\nEND\n"
    "CPUNAME C\nHOST hc\n  CPUCLASS K\nDESCRIPTION class\nEND\n";
const std::string kSameNames =
    "CPUNAME CPU10\nHOST ten\nEND\nCPUNAME cpu1\nHOST lower\nEND\n"
    "CPUNAME CPU1\nHOST first\nEND\nCPUNAME CPU1\nHOST second\nEND\n";

TEST_F(WorkstationPageTest, LinesOfTheDefinitionFillTheLabelsAndPicture) {
  // Why, the workstations, the one shown and its labels.
  const std::tuple<const char*, std::string, const char*, const char*> cases[] = {
      {"the first matching keyword takes the whole rest of the line",
       "CPUNAME CPU1\nNODE host1 TCPADDR 31111\nEND\n", "CPU1",
       "<Empty>|host1 TCPADDR 31111||Default||||-|-|Default"},
      {"values keep their case and quotes",
       "CPUNAME CPU1\n  description \"Main box\"\n  node Host.Lan\n  for batchuser\n"
       "  server B\n  host MASTER\n  access remotessh\n  domain DM1\n  tcpaddr 31111\nEND\n",
       "CPU1", "\"Main box\"|Host.Lan|31111|Default|DM1|batchuser||MASTER|remotessh|B"},
      {"time zone", "CPUNAME A\nIGNORE\nTZ Europe/Oslo\nEND\n", "A",
       "<Empty>|||Europe/Oslo||||-|-|Default"},
      {"a later line of the same keyword wins",
       "CPUNAME A\nTIMEZONE UTC\nTZ CET\nDESCRIPTION one\nDESCRIPTION two\nEND\n", "A",
       "two|||CET||||-|-|Default"},
      {"the definition ends at END in any case",
       "CPUNAME A\nDESCRIPTION a\n end\nHOST after\nCPUNAME B\nHOST b\nEND\n", "A",
       "a|||Default||||-|-|Default"},
      {"without END the next definition ends it", kWithoutEnd, "A", "a|||Default||||-|-|Default"},
      {"a class line ends it", kWithoutEnd, "C", "<Empty>|||Default||||hc|-|Default"},
      {"only the first exact name counts", kSameNames, "CPU1",
       "<Empty>|||Default||||first|-|Default"},
      {"no part of a name", kSameNames, "CPU", "<Empty>|||Default||||-|-|Default"},
      {"an unknown workstation stays in bounds", "CPUNAME A\nDESCRIPTION last\n\n", "Z",
       "<Empty>|||Default||||-|-|Default"},
      {"an unended definition stays in bounds", "CPUNAME A\nDESCRIPTION last\n\n", "A",
       "last|||Default||||-|-|Default"},
  };
  for (const auto& [why, cpus, name, text] : cases) {
    const WorkstationPage shown = Show(cpus, name);
    EXPECT_EQ(Text(shown), text) << why;
    EXPECT_EQ(shown.Name, name) << why;
  }
  // Agent types are spelt out and the system gives the picture.
  const std::tuple<const char*, const char*, Picture> agents[] = {
      {"type x-agent", "Extended Agent", Picture::None},
      {"TYPE fta", "Fault-Tolerant Agent", Picture::None},
      {"TYPE S-AGENT", "Standard Agent", Picture::None},
      {"TYPE MANAGER", "MANAGER", Picture::None},
      {"OS WINT", "", Picture::Windows},
      {"os wnt", "", Picture::Windows},
      {"OS MPIX", "", Picture::Mpix},
      {"OS mpev", "", Picture::Mpev},
      {"OS OTHER", "", Picture::Sap},
      {"OS SOLARIS", "", Picture::Unix}};
  for (const auto& [line, type, system] : agents) {
    const WorkstationPage shown = Show(std::string("CPUNAME A\n") + line + "\nEND\n", "A");
    EXPECT_EQ(shown.Type, type) << line;
    EXPECT_EQ(shown.OperatingSystem, system) << line;
    EXPECT_EQ(shown.Node, "") << line;  // a system line leaves the next field alone
  }
  // On/off pictures are Yes only for ON; pictures without a default stay from the previous
  // workstation.
  page = Show(
      "CPUNAME A\nAUTOLINK on\nFULLSTATUS OFF\nRESOLVEDEP ON\nBEHINDFIREWALL maybe\nIGNORE\n"
      "END\n",
      "A");
  EXPECT_EQ(Pictures(page), (std::vector<Picture>{Picture::None, Picture::Yes, Picture::No,
                                                  Picture::Yes, Picture::Yes, Picture::No}));
  Load({{"Cpus.Xtract",
         "CPUNAME A\nOS WNT\nAUTOLINK ON\nFULLSTATUS ON\nRESOLVEDEP ON\nIGNORE\n"
         "BEHINDFIREWALL ON\nDESCRIPTION a\nEND\nCPUNAME B\nEND\n"}});
  page = WorkstationPage{};
  ShowAgain("A");
  ShowAgain("B");
  EXPECT_EQ(page.Name, "B");
  EXPECT_EQ(page.Description, "<Empty>");
  EXPECT_EQ(Pictures(page), (std::vector<Picture>{Picture::Windows, Picture::Yes, Picture::Yes,
                                                  Picture::No, Picture::No, Picture::No}));
}

}  // namespace
}  // namespace vdbq
