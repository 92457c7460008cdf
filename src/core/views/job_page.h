#pragma once

#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/views/page_picture.h"

namespace vdbq {

// What the job page shows. Only the interactive flag is reset for each job: command type,
// command, platform, logon, description and recovery keep the previous job's values when a
// definition lacks the line that sets them, and the operating-system picture stays when the
// workstation has no OS entry. "-" is what the page shows before any job.
struct JobPage {
  std::string Job = "-";                    // LabJobJob
  std::string Workstation = "-";            // LabJobCpu
  Picture OperatingSystem = Picture::None;  // ImageJobType
  std::string JobName = "-";                // LabJobName2
  std::string CommandType = "-";            // LabJobCmdType
  std::string Command = "-";                // LabJobCmd
  std::string RunPlatform = "-";            // LabJobPlatform
  std::string Logon = "-";                  // LabJobLogon
  std::string Description = "-";            // LabJobDesc
  std::string Recovery = "-";               // LabJobRecovery
  Picture Interactive = Picture::None;      // ImageJobInteractive
};

// Shows the job selectedCpu#selectedName: the first definition line whose key is exactly the
// target (followed by a blank, a TAB or the end of the line), then its indented lines up to
// and including RECOVERY, or up to the next definition line when RECOVERY is missing. A job
// whose workstation is not defined (listed under "Jobs (Invalid)") shows the unknown picture.
void ShowJob(const ExtractStore& store, const Catalogue& catalogue, std::string_view selectedCpu,
             std::string_view selectedName, JobPage& page);

// The index of the definition line of the job key in JobLines, or -1.
long long FindJobDefinition(const LineList& jobLines, std::string_view key);

}  // namespace vdbq
