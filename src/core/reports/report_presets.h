#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/object_kind.h"

namespace vdbq {

// Where a preset takes its search text from.
enum class PresetSearch {
  None,            // the search box is left as it is
  NodeText,        // the selected node's caption
  ParentHashNode,  // parent caption + "#" + node caption
};

// A menu entry that presets a category, an option and perhaps the search text, then runs.
struct PresetEntry {
  const char* Caption;
  int Category;
  int Option;
  PresetSearch Search;
  ObjectKind ForKind;  // the node kind a per-object entry needs; None for the fixed entries
};

// The fixed entries of the tree menu's "Reports" submenu and of "Standard Reports".
const std::vector<PresetEntry>& FixedPresets();
// The per-object entries of the tree menu, each offered for one node kind.
const std::vector<PresetEntry>& NodePresets();
// The entries enabled for a node of that kind.
std::vector<PresetEntry> PresetsForKind(ObjectKind kind);

// The search text a preset puts in for the selected node; nothing when it leaves the box alone.
std::optional<std::string> PresetSearchText(const PresetEntry& entry, const std::string& nodeCaption,
                                            const std::string& parentCaption);

}  // namespace vdbq
