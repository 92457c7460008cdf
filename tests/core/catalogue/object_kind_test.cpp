#include "core/catalogue/object_kind.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vdbq {
namespace {

// The texts themselves are pinned by the outputs that print them; here each kind's name must
// lead back to that kind and no other.
TEST(KindOfName, EachKindsNameLeadsBackToIt) {
  for (ObjectKind kind : kObjectKinds) {
    EXPECT_EQ(KindOfName(KindName(kind)), kind) << KindName(kind);
  }
}

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
