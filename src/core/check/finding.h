#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/object_kind.h"
#include "core/text/line_number.h"

namespace vdbq {

enum class Severity { Error, Warning };

// One problem the integrity check found: which rule, the object whose definition holds it
// (kind and key as the catalogue names them), and where it stands.
struct Finding {
  std::string Rule;
  vdbq::Severity Severity = Severity::Error;
  ObjectKind Kind = ObjectKind::None;
  std::string Key;
  std::string File;    // the extract file name, e.g. "Schedules.Xtract"
  LineNumber Line;
  std::string Message;
};

struct FindingTotals {
  long long Errors = 0;
  long long Warnings = 0;
};

struct RuleInfo {
  const char* Id;
  vdbq::Severity Severity;
  const char* Title;  // how a person names the rule's findings
};

// Every rule, errors first, in the order the findings page lists them.
const std::vector<RuleInfo>& CheckRules();
// The rule of an id; nullptr for an unknown id.
const RuleInfo* FindRule(std::string_view id);

const char* SeverityText(Severity severity);  // "error" or "warning"

// By file, then line, then rule id (byte order); ties keep their order.
void SortFindings(std::vector<Finding>& findings);
FindingTotals CountFindings(const std::vector<Finding>& findings);
// "N errors, M warnings", with "1 error" and "1 warning" in the singular.
std::string TotalsText(const FindingTotals& totals);

// The findings as CSV: a heading line, then one line per finding with every field quoted when
// it needs to be; CR LF line ends, as the other exports write them.
std::string FindingsCsv(const std::vector<Finding>& findings);

}  // namespace vdbq
