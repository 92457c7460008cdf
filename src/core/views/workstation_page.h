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
  std::string LabCpuName;
  Picture ImageCpu = Picture::None;
  std::string LabCpuDesc = "<Empty>";
  std::string LabCpuAsNode;
  std::string LabCpuTcp;
  std::string LabCpuTz = "Default";
  std::string LabCpuDomain;
  std::string LabCpuForUser;
  std::string LabCpuType;
  std::string LabCpuHost = "-";
  std::string LabCpuAccess = "-";
  Picture ImageCpuAutoLink = Picture::None;
  Picture ImageCpuFullStatus = Picture::None;
  Picture ImageCpuResDep = Picture::No;
  Picture ImageCpuIgnore = Picture::No;
  Picture ImageCpuBFire = Picture::No;
  std::string LabCpuServer = "Default";
};

// Shows the first definition in CpuLines whose CPUNAME line names selectedName exactly.
void ShowWorkstation(const ExtractStore& store, const Catalogue& catalogue,
                     std::string_view selectedName, WorkstationPage& page);

// The agent type as the page words it: FTA, X-AGENT and S-AGENT (any case) spelt out, other
// values as they are.
std::string WorkstationTypeText(std::string_view value);

}  // namespace vdbq
