#include "gui/pages/install_script.h"

namespace vdbq::gui {

const std::vector<std::string>& ExtractScriptLines() {
  static const std::vector<std::string> lines{
      std::string(41, '-'),
      "#!/bin/ksh",
      "",
      "rm /scheduler/varnolt/DBXtract/*.Xtract",
      "Upath=/scheduler/varnolt/DBXtract",
      "ExeName=/scheduler/varnolt/bin/composer",
      "SchName=${Upath}/Schedules.Xtract",
      "JobName=${Upath}/Jobs.Xtract",
      "CalName=${Upath}/Calendars.Xtract",
      "CpuName=${Upath}/Cpus.Xtract",
      "ParName=${Upath}/Parms.Xtract",
      "ProName=${Upath}/Prompts.Xtract",
      "ResName=${Upath}/Resources.Xtract",
      "$ExeName create ${SchName} from sched=@#@",
      "$ExeName create ${JobName} from jobs=@#@",
      "$ExeName create ${CalName} from calendars",
      "$ExeName create ${CpuName} from cpu=@",
      "$ExeName create ${ParName} from parms",
      "$ExeName create ${ProName} from prompts",
      "$ExeName create ${ResName} from resources",
      std::string(41, '-'),
  };
  return lines;
}

std::string ExtractScriptText() {
  const std::vector<std::string>& lines = ExtractScriptLines();
  std::string text;
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
#ifdef _WIN32
    text += lines[i] + "\r\n";
#else
    text += lines[i] + "\n";
#endif
  }
  return text;
}

}  // namespace vdbq::gui
