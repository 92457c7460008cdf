#include "core/catalogue/object_kind.h"

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

struct KindTexts {
  const char* Name;
  const char* Title;
  const char* ListName;
  const char* Heading;
  const char* File;
};

// In the order of ObjectKind.
constexpr std::array<KindTexts, kObjectKindCount> kKindTexts{{
    {"workstation", "Workstation", "workstations", kHeadingWorkstations, kCpusFile},
    {"schedule", "Schedule", "schedules", kHeadingSchedules, kSchedulesFile},
    {"job", "Job", "jobs", kHeadingJobs, kJobsFile},
    {"calendar", "Calendar", "calendars", kHeadingCalendars, kCalendarsFile},
    {"parameter", "Parameter", "parameters", kHeadingParameters, kParmsFile},
    {"prompt", "Prompt", "prompts", kHeadingPrompts, kPromptsFile},
    {"resource", "Resource", "resources", kHeadingResources, kResourcesFile},
}};
constexpr KindTexts kNoKindTexts{"", "", "", "", ""};

const KindTexts& TextsOf(ObjectKind kind) {
  const auto at = static_cast<size_t>(kind);
  return at < kKindTexts.size() ? kKindTexts[at] : kNoKindTexts;
}

}  // namespace

const char* KindName(ObjectKind kind) { return TextsOf(kind).Name; }
const char* KindTitle(ObjectKind kind) { return TextsOf(kind).Title; }
const char* KindListName(ObjectKind kind) { return TextsOf(kind).ListName; }
const char* KindHeading(ObjectKind kind) { return TextsOf(kind).Heading; }
const char* ExtractFileOf(ObjectKind kind) { return TextsOf(kind).File; }

std::optional<ObjectKind> KindOfName(std::string_view name) {
  for (ObjectKind kind : kObjectKinds) {
    if (name == KindName(kind)) return kind;
  }
  return std::nullopt;
}

ObjectKind KindOfNode(int level, const std::string& parentCaption,
                      const std::string& grandparentCaption) {
  if (level == 1) {
    for (ObjectKind kind : {ObjectKind::Workstation, ObjectKind::Calendar, ObjectKind::Parameter,
                            ObjectKind::Prompt, ObjectKind::Resource}) {
      if (parentCaption == KindHeading(kind)) return kind;
    }
  } else if (level == 2) {
    if (StartsWith(grandparentCaption, kHeadingSchedules)) return ObjectKind::Schedule;
    if (StartsWith(grandparentCaption, kHeadingJobs)) return ObjectKind::Job;
  }
  return ObjectKind::None;
}

}  // namespace vdbq
