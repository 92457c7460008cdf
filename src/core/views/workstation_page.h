#pragma once

#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/views/page_picture.h"

namespace vdbq {

// What the workstation page shows. The operating-system, Auto Link and Full Status pictures
// have no default: a definition without their keyword line leaves the previous workstation's
// picture in place.
struct WorkstationPage {
  std::string Name;                           // LabCpuName
  Picture OperatingSystem = Picture::None;    // ImageCpu
  std::string Description = "<Empty>";        // LabCpuDesc
  std::string Node;                           // LabCpuAsNode
  std::string TcpPort;                        // LabCpuTcp
  std::string TimeZone = "Default";           // LabCpuTz
  std::string Domain;                         // LabCpuDomain
  std::string ForUser;                        // LabCpuForUser
  std::string Type;                           // LabCpuType
  std::string Host = "-";                     // LabCpuHost
  std::string Access = "-";                   // LabCpuAccess
  Picture AutoLink = Picture::None;           // ImageCpuAutoLink
  Picture FullStatus = Picture::None;         // ImageCpuFullStatus
  Picture ResolveDependencies = Picture::No;  // ImageCpuResDep
  Picture Ignore = Picture::No;               // ImageCpuIgnore
  Picture BehindFirewall = Picture::No;       // ImageCpuBFire
  std::string Server = "Default";             // LabCpuServer
};

// Shows the first definition in CpuLines whose CPUNAME line names selectedName exactly.
void ShowWorkstation(const ExtractStore& store, const Catalogue& catalogue,
                     std::string_view selectedName, WorkstationPage& page);

// The agent type as the page words it: FTA, X-AGENT and S-AGENT (any case) spelt out, other
// values as they are.
std::string WorkstationTypeText(std::string_view value);

}  // namespace vdbq
