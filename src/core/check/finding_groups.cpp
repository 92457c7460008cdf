#include "core/check/finding_groups.h"

namespace vdbq {

std::vector<FindingGroup> GroupFindingsByRule(const std::vector<Finding>& findings) {
  const std::vector<RuleInfo>& rules = CheckRules();
  std::vector<FindingGroup> byRule(rules.size());
  for (size_t r = 0; r < rules.size(); ++r) byRule[r].Rule = &rules[r];
  for (size_t k = 0; k < findings.size(); ++k) {
    if (const RuleInfo* rule = FindRule(findings[k].Rule)) {
      byRule[static_cast<size_t>(rule - rules.data())].Members.push_back(k);
    }
  }
  std::vector<FindingGroup> groups;
  for (FindingGroup& group : byRule) {
    if (!group.Members.empty()) groups.push_back(std::move(group));
  }
  return groups;
}

std::string GroupTitle(const FindingGroup& group) {
  return std::string(group.Rule->Title) + " (" + std::to_string(group.Members.size()) + ")";
}

std::string FindingObjectText(const Finding& finding) {
  return std::string(KindName(finding.Kind)) + " " + finding.Key;
}

std::string FindingPlaceText(const Finding& finding) {
  return finding.File + ":" + std::to_string(finding.Line.Value);
}

}  // namespace vdbq
