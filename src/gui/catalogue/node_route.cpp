#include "gui/catalogue/node_route.h"

namespace vdbq::gui {
namespace {

std::optional<PageCategory> CategoryOfHeading(const std::string& caption) {
  if (caption == kHeadingWorkstations) return PageCategory::Cpu;
  if (caption == kHeadingSchedules || caption == kHeadingSchedulesInvalid) {
    return PageCategory::Sch;
  }
  if (caption == kHeadingJobs || caption == kHeadingJobsInvalid) return PageCategory::Job;
  if (caption == kHeadingCalendars) return PageCategory::Cal;
  if (caption == kHeadingParameters) return PageCategory::Par;
  if (caption == kHeadingPrompts) return PageCategory::Pro;
  if (caption == kHeadingResources) return PageCategory::Res;
  return std::nullopt;
}

}  // namespace

std::optional<PageCategory> CategoryOfKind(NodeKind kind) {
  switch (kind) {
    case NodeKind::Workstation:
      return PageCategory::Cpu;
    case NodeKind::Schedule:
      return PageCategory::Sch;
    case NodeKind::Job:
      return PageCategory::Job;
    case NodeKind::Calendar:
      return PageCategory::Cal;
    case NodeKind::Parameter:
      return PageCategory::Par;
    case NodeKind::Prompt:
      return PageCategory::Pro;
    case NodeKind::Resource:
      return PageCategory::Res;
    case NodeKind::None:
      break;
  }
  return std::nullopt;
}

NodeRoute RouteOf(const NodeInfo& node) {
  NodeRoute route;
  if (node.Level == 0) {
    if (const auto category = CategoryOfHeading(node.Caption)) {
      route.What = NodeRoute::Action::Heading;
      route.Category = *category;
    }
    return route;
  }
  // A job's grandparent need only contain "Jobs"; schedules are tested after jobs.
  NodeKind kind = NodeKind::None;
  if (node.Level == 2) {
    if (node.GrandparentCaption.find("Jobs") != std::string::npos) {
      kind = NodeKind::Job;
    } else if (node.GrandparentCaption.find("Schedules") != std::string::npos) {
      kind = NodeKind::Schedule;
    }
  } else {
    kind = KindOfNode(node.Level, node.ParentCaption, node.GrandparentCaption);
  }
  if (const auto category = CategoryOfKind(kind)) {
    route.What = NodeRoute::Action::ShowObject;
    route.Category = *category;
    route.Kind = kind;
  }
  return route;
}

}  // namespace vdbq::gui
