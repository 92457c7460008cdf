#include "core/catalogue/object_kind.h"

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

struct KindTexts {
  const char* Name;
  const char* ListName;
  const char* Heading;
  const char* File;
};

// In the order of ObjectKind.
constexpr std::array<KindTexts, kObjectKindCount> kKindTexts{{
    {"workstation", "workstations", kHeadingWorkstations, kCpusFile},
    {"schedule", "schedules", kHeadingSchedules, kSchedulesFile},
    {"job", "jobs", kHeadingJobs, kJobsFile},
    {"calendar", "calendars", kHeadingCalendars, kCalendarsFile},
    {"parameter", "parameters", kHeadingParameters, kParmsFile},
    {"prompt", "prompts", kHeadingPrompts, kPromptsFile},
    {"resource", "resources", kHeadingResources, kResourcesFile},
}};
constexpr KindTexts kNoKindTexts{"", "", "", ""};

const KindTexts& TextsOf(ObjectKind kind) {
  const auto at = static_cast<size_t>(kind);
  return at < kKindTexts.size() ? kKindTexts[at] : kNoKindTexts;
}

}  // namespace

const char* KindName(ObjectKind kind) { return TextsOf(kind).Name; }
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
