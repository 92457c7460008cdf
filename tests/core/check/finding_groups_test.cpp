// The findings page's grouping: one group per rule in the rules' order, members in the check's
// order, unknown rules left out; and the texts of a group and of a finding.

#include "core/check/finding_groups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vdbq {
namespace {

Finding Of(const char* rule, long long line = 1) {
  return Finding{rule, Severity::Error, ObjectKind::Job, "CPU1#J1", "Jobs.Xtract", LineNumber(line),
                 ""};
}

struct GroupingCase {
  const char* Name;
  std::vector<Finding> Findings;
  // Per group: the rule id, then the member indexes.
  std::vector<std::pair<std::string, std::vector<size_t>>> Groups;
};

class GroupingTest : public ::testing::TestWithParam<GroupingCase> {};

TEST_P(GroupingTest, GroupsByRuleInTheRulesOrder) {
  std::vector<std::pair<std::string, std::vector<size_t>>> groups;
  for (const FindingGroup& group : GroupFindingsByRule(GetParam().Findings)) {
    groups.emplace_back(group.Rule->Id, group.Members);
  }
  EXPECT_EQ(groups, GetParam().Groups);
}

INSTANTIATE_TEST_SUITE_P(
    Findings, GroupingTest,
    ::testing::Values(GroupingCase{"none", {}, {}},
                      GroupingCase{"rulesOrderNotFindingsOrder",
                                   {Of("unused-prompt"), Of("undefined-workstation")},
                                   {{"undefined-workstation", {1}}, {"unused-prompt", {0}}}},
                      GroupingCase{"membersKeepTheirOrder",
                                   {Of("job-cycle", 9), Of("undefined-job"), Of("job-cycle", 2)},
                                   {{"undefined-job", {1}}, {"job-cycle", {0, 2}}}},
                      GroupingCase{"unknownRuleLeftOut",
                                   {Of("no-such-rule"), Of("unused-calendar")},
                                   {{"unused-calendar", {1}}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FindingTextsTest, NameTheGroupTheObjectAndThePlace) {
  const std::vector<Finding> findings{Of("undefined-job", 5), Of("undefined-job", 7)};
  const std::vector<FindingGroup> groups = GroupFindingsByRule(findings);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(GroupTitle(groups[0]), "Undefined job (2)");
  EXPECT_EQ(FindingObjectText(findings[1]), "job CPU1#J1");
  EXPECT_EQ(FindingPlaceText(findings[1]), "Jobs.Xtract:7");
}

}  // namespace
}  // namespace vdbq
