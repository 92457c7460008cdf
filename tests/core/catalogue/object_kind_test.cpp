#include "core/catalogue/object_kind.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vdbq {
namespace {

// The names the command line, the check's and the diff's output and the tree use.
struct KindTextsCase {
  ObjectKind Kind;
  const char* Name;
  const char* Title;
  const char* ListName;
  const char* Heading;
  const char* File;
};

class KindTexts : public ::testing::TestWithParam<KindTextsCase> {};

TEST_P(KindTexts, NameEachKindAndTheNameLeadsBack) {
  const KindTextsCase& c = GetParam();
  EXPECT_STREQ(KindName(c.Kind), c.Name);
  EXPECT_STREQ(KindTitle(c.Kind), c.Title);
  EXPECT_STREQ(KindListName(c.Kind), c.ListName);
  EXPECT_STREQ(KindHeading(c.Kind), c.Heading);
  EXPECT_STREQ(ExtractFileOf(c.Kind), c.File);
  EXPECT_EQ(KindOfName(c.Name), c.Kind);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, KindTexts,
    ::testing::Values(KindTextsCase{ObjectKind::Workstation, "workstation", "Workstation",
                                    "workstations", "Workstations", "Cpus.Xtract"},
                      KindTextsCase{ObjectKind::Schedule, "schedule", "Schedule", "schedules",
                                    "Schedules", "Schedules.Xtract"},
                      KindTextsCase{ObjectKind::Job, "job", "Job", "jobs", "Jobs", "Jobs.Xtract"},
                      KindTextsCase{ObjectKind::Calendar, "calendar", "Calendar", "calendars",
                                    "Calendars", "Calendars.Xtract"},
                      KindTextsCase{ObjectKind::Parameter, "parameter", "Parameter", "parameters",
                                    "Parameters", "Parms.Xtract"},
                      KindTextsCase{ObjectKind::Prompt, "prompt", "Prompt", "prompts", "Prompts",
                                    "Prompts.Xtract"},
                      KindTextsCase{ObjectKind::Resource, "resource", "Resource", "resources",
                                    "Resources", "Resources.Xtract"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(KindOfName, KnowsOnlyTheSingularLowerCaseNames) {
  EXPECT_STREQ(KindName(ObjectKind::None), "");
  for (const char* other : {"", "Schedule", "schedules", "cpu", " job"}) {
    EXPECT_FALSE(KindOfName(other).has_value()) << other;
  }
}

TEST(KindOfNode, FollowsLevelAndHeadings) {
  const std::tuple<int, const char*, const char*, ObjectKind> cases[] = {
      {1, "Workstations", "", ObjectKind::Workstation},
      {1, "Resources", "", ObjectKind::Resource},
      {1, "Calendars", "", ObjectKind::Calendar},
      {2, "CPU9", "Schedules (Invalid)", ObjectKind::Schedule},
      {2, "CPU1", "Jobs", ObjectKind::Job},
      {1, "Schedules", "", ObjectKind::None},
      {0, "", "", ObjectKind::None}};
  for (const auto& [level, text, parent, kind] : cases) {
    EXPECT_EQ(KindOfNode(level, text, parent), kind) << text;
  }
}

}  // namespace
}  // namespace vdbq
