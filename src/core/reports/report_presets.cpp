#include "core/reports/report_presets.h"

#include "core/text/text_routines.h"

namespace vdbq {

NodeKind KindOfNode(int level, const std::string& parentCaption,
                    const std::string& grandparentCaption) {
  if (level == 1) {
    if (parentCaption == "Workstations") return NodeKind::Workstation;
    if (parentCaption == "Calendars") return NodeKind::Calendar;
    if (parentCaption == "Parameters") return NodeKind::Parameter;
    if (parentCaption == "Prompts") return NodeKind::Prompt;
    if (parentCaption == "Resources") return NodeKind::Resource;
  } else if (level == 2) {
    if (StartsWith(grandparentCaption, "Schedules")) return NodeKind::Schedule;
    if (StartsWith(grandparentCaption, "Jobs")) return NodeKind::Job;
  }
  return NodeKind::None;
}

const std::vector<PresetEntry>& FixedPresets() {
  static const std::vector<PresetEntry> entries{
      {"List Workstations/Schedules", 0, 1, PresetSearch::None, NodeKind::None},
      {"List Schedules/Workstations (Duplicates)", 0, 2, PresetSearch::None, NodeKind::None},
      {"List Workstations/Jobs", 1, 1, PresetSearch::None, NodeKind::None},
      {"List Jobs/Workstations (Duplicates)", 1, 2, PresetSearch::None, NodeKind::None},
      {"List Classes", 2, 3, PresetSearch::None, NodeKind::None},
      {"List Unused Calendars", 3, 2, PresetSearch::None, NodeKind::None},
      {"List Invalid Calendars", 3, 3, PresetSearch::None, NodeKind::None},
      {"List Valid Calendars", 3, 4, PresetSearch::None, NodeKind::None},
      {"List Resource Usage", 4, 2, PresetSearch::None, NodeKind::None},
      {"List Parameter Usage", 5, 2, PresetSearch::None, NodeKind::None},
      {"List Prompt Usage", 6, 2, PresetSearch::None, NodeKind::None},
  };
  return entries;
}

const std::vector<PresetEntry>& NodePresets() {
  static const std::vector<PresetEntry> entries{
      {"List Schedules For This Workstation", 2, 1, PresetSearch::NodeText, NodeKind::Workstation},
      {"List Jobs For This Workstation", 2, 2, PresetSearch::NodeText, NodeKind::Workstation},
      {"Find Internal Dependencies For This Schedule", 0, 4, PresetSearch::ParentHashNode,
       NodeKind::Schedule},
      {"Find External Dependencies For This Schedule", 0, 5, PresetSearch::ParentHashNode,
       NodeKind::Schedule},
      {"Find Schedules For This Workstation#JobName", 1, 4, PresetSearch::ParentHashNode,
       NodeKind::Job},
      {"Find Schedules For This JobName Only", 1, 4, PresetSearch::NodeText, NodeKind::Job},
      {"Find Schedules Using This Calendar", 3, 1, PresetSearch::NodeText, NodeKind::Calendar},
      {"Find Jobs That Use This Parameter", 5, 1, PresetSearch::NodeText, NodeKind::Parameter},
      {"Find Schedules That Use This Prompt", 6, 1, PresetSearch::NodeText, NodeKind::Prompt},
      {"Find Schedules That Use This Resource", 4, 1, PresetSearch::NodeText, NodeKind::Resource},
  };
  return entries;
}

std::vector<PresetEntry> PresetsForKind(NodeKind kind) {
  std::vector<PresetEntry> enabled;
  if (kind == NodeKind::None) return enabled;
  for (const PresetEntry& entry : NodePresets()) {
    if (entry.ForKind == kind) enabled.push_back(entry);
  }
  return enabled;
}

std::optional<std::string> PresetSearchText(const PresetEntry& entry,
                                            const std::string& nodeCaption,
                                            const std::string& parentCaption) {
  switch (entry.Search) {
    case PresetSearch::NodeText: return nodeCaption;
    case PresetSearch::ParentHashNode: return parentCaption + "#" + nodeCaption;
    case PresetSearch::None: break;
  }
  return std::nullopt;
}

}  // namespace vdbq
