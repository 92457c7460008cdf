#include "gui/catalogue/node_route.h"

namespace vdbq::gui {
namespace {

std::optional<PageCategory> CategoryOfHeading(const std::string& caption) {
  if (caption == kHeadingWorkstations) return PageCategory::Workstations;
  if (caption == kHeadingSchedules || caption == kHeadingSchedulesInvalid) {
    return PageCategory::Schedules;
  }
  if (caption == kHeadingJobs || caption == kHeadingJobsInvalid) return PageCategory::Jobs;
  if (caption == kHeadingCalendars) return PageCategory::Calendars;
  if (caption == kHeadingParameters) return PageCategory::Parameters;
  if (caption == kHeadingPrompts) return PageCategory::Prompts;
  if (caption == kHeadingResources) return PageCategory::Resources;
  return std::nullopt;
}

}  // namespace

std::optional<PageCategory> CategoryOfKind(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Workstation:
      return PageCategory::Workstations;
    case ObjectKind::Schedule:
      return PageCategory::Schedules;
    case ObjectKind::Job:
      return PageCategory::Jobs;
    case ObjectKind::Calendar:
      return PageCategory::Calendars;
    case ObjectKind::Parameter:
      return PageCategory::Parameters;
    case ObjectKind::Prompt:
      return PageCategory::Prompts;
    case ObjectKind::Resource:
      return PageCategory::Resources;
    case ObjectKind::None:
      break;
  }
  return std::nullopt;
}

std::vector<std::vector<std::string>> TreePathsOf(ObjectKind kind, const std::string& key) {
  if (kind != ObjectKind::Schedule && kind != ObjectKind::Job) return {{KindHeading(kind), key}};
  const size_t hash = key.find('#');
  if (hash == std::string::npos) return {};
  const std::string cpu = key.substr(0, hash);
  const std::string name = key.substr(hash + 1);
  if (kind == ObjectKind::Job) return {{kHeadingJobs, cpu, name}, {kHeadingJobsInvalid, cpu, name}};
  return {{kHeadingSchedules, cpu, name}, {kHeadingSchedulesInvalid, cpu, name}};
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
