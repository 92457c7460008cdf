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

std::optional<PageCategory> CategoryOfKind(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Workstation:
      return PageCategory::Cpu;
    case ObjectKind::Schedule:
      return PageCategory::Sch;
    case ObjectKind::Job:
      return PageCategory::Job;
    case ObjectKind::Calendar:
      return PageCategory::Cal;
    case ObjectKind::Parameter:
      return PageCategory::Par;
    case ObjectKind::Prompt:
      return PageCategory::Pro;
    case ObjectKind::Resource:
      return PageCategory::Res;
    case ObjectKind::None:
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
  ObjectKind kind = ObjectKind::None;
  if (node.Level == 2) {
    if (node.GrandparentCaption.find("Jobs") != std::string::npos) {
      kind = ObjectKind::Job;
    } else if (node.GrandparentCaption.find("Schedules") != std::string::npos) {
      kind = ObjectKind::Schedule;
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
