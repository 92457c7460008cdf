#include "core/reports/report_presets.h"

#include "core/text/text_routines.h"

namespace vdbq {

const std::vector<PresetEntry>& FixedPresets() {
  static const std::vector<PresetEntry> entries{
      {"List Workstations/Schedules", 0, 1, PresetSearch::None, ObjectKind::None},
      {"List Schedules/Workstations (Duplicates)", 0, 2, PresetSearch::None, ObjectKind::None},
      {"List Workstations/Jobs", 1, 1, PresetSearch::None, ObjectKind::None},
      {"List Jobs/Workstations (Duplicates)", 1, 2, PresetSearch::None, ObjectKind::None},
      {"List Classes", 2, 3, PresetSearch::None, ObjectKind::None},
      {"List Unused Calendars", 3, 2, PresetSearch::None, ObjectKind::None},
      {"List Invalid Calendars", 3, 3, PresetSearch::None, ObjectKind::None},
      {"List Valid Calendars", 3, 4, PresetSearch::None, ObjectKind::None},
      {"List Resource Usage", 4, 2, PresetSearch::None, ObjectKind::None},
      {"List Parameter Usage", 5, 2, PresetSearch::None, ObjectKind::None},
      {"List Prompt Usage", 6, 2, PresetSearch::None, ObjectKind::None},
  };
  return entries;
}

const std::vector<PresetEntry>& NodePresets() {
  static const std::vector<PresetEntry> entries{
      {"List Schedules For This Workstation", 2, 1, PresetSearch::NodeText,
       ObjectKind::Workstation},
      {"List Jobs For This Workstation", 2, 2, PresetSearch::NodeText, ObjectKind::Workstation},
      {"Find Internal Dependencies For This Schedule", 0, 4, PresetSearch::ParentHashNode,
       ObjectKind::Schedule},
      {"Find External Dependencies For This Schedule", 0, 5, PresetSearch::ParentHashNode,
       ObjectKind::Schedule},
      {"Find Schedules For This Workstation#JobName", 1, 4, PresetSearch::ParentHashNode,
       ObjectKind::Job},
      {"Find Schedules For This JobName Only", 1, 4, PresetSearch::NodeText, ObjectKind::Job},
      {"Find Schedules Using This Calendar", 3, 1, PresetSearch::NodeText, ObjectKind::Calendar},
      {"Find Jobs That Use This Parameter", 5, 1, PresetSearch::NodeText, ObjectKind::Parameter},
      {"Find Schedules That Use This Prompt", 6, 1, PresetSearch::NodeText, ObjectKind::Prompt},
      {"Find Schedules That Use This Resource", 4, 1, PresetSearch::NodeText, ObjectKind::Resource},
  };
  return entries;
}

std::vector<PresetEntry> PresetsForKind(ObjectKind kind) {
  std::vector<PresetEntry> enabled;
  if (kind == ObjectKind::None) return enabled;
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
