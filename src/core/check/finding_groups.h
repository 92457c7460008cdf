#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/check/finding.h"

namespace vdbq {

// The findings of one rule, as the findings page lists them under the rule's heading.
struct FindingGroup {
  const RuleInfo* Rule = nullptr;
  std::vector<size_t> Members;  // indexes into the findings, in the check's order
};

// One group per rule that found something, in the rules' order; findings of an unknown rule
// are left out.
std::vector<FindingGroup> GroupFindingsByRule(const std::vector<Finding>& findings);

// "Undefined job (3)": the rule's title and its number of findings.
std::string GroupTitle(const FindingGroup& group);
// "job CPU1#J1": the object a finding is about.
std::string FindingObjectText(const Finding& finding);
// "Schedules.Xtract:5": where it stands.
std::string FindingPlaceText(const Finding& finding);

}  // namespace vdbq
