#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/diff/extract_objects.h"
#include "core/reports/report_presets.h"
#include "gui/catalogue/catalogue_model.h"
#include "gui/category_navigation.h"

namespace vdbq::gui {

// What selecting a node leads to: a heading switches to its category's page (when visited),
// an object node shows its object on the page of its kind, anything else does nothing.
struct NodeRoute {
  enum class Action { Nothing, Heading, ShowObject };
  Action What = Action::Nothing;
  PageCategory Category = PageCategory::Title;
  ObjectKind Kind = ObjectKind::None;
};

NodeRoute RouteOf(const NodeInfo& node);

// The caption paths an object of the loaded database may stand at in the tree, its valid
// heading first; none for a schedule or job key without "#".
std::vector<std::vector<std::string>> TreePathsOf(ObjectKind kind, const std::string& key);

// The page category of a kind of object node.
std::optional<PageCategory> CategoryOfKind(ObjectKind kind);

}  // namespace vdbq::gui
