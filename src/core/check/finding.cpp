#include "core/check/finding.h"

#include <algorithm>

#include "core/output/csv_text.h"

namespace vdbq {

const std::vector<RuleInfo>& CheckRules() {
  static const std::vector<RuleInfo> rules{
      {"undefined-workstation", Severity::Error, "Undefined workstation"},
      {"undefined-schedule", Severity::Error, "Undefined schedule"},
      {"undefined-job-in-schedule", Severity::Error, "Undefined job in schedule"},
      {"undefined-job", Severity::Error, "Undefined job"},
      {"undefined-calendar", Severity::Error, "Undefined calendar"},
      {"undefined-resource", Severity::Error, "Undefined resource"},
      {"undefined-prompt", Severity::Error, "Undefined prompt"},
      {"schedule-cycle", Severity::Error, "Schedule cycle"},
      {"job-cycle", Severity::Error, "Job cycle"},
      {"duplicate-definition", Severity::Error, "Duplicate definition"},
      {"unscheduled-job", Severity::Warning, "Unscheduled job"},
      {"unused-calendar", Severity::Warning, "Unused calendar"},
      {"unused-resource", Severity::Warning, "Unused resource"},
      {"unused-prompt", Severity::Warning, "Unused prompt"},
      {"unused-parameter", Severity::Warning, "Unused parameter"},
      {"never-runs", Severity::Warning, "Schedule that never runs"},
      {"calendar-ends", Severity::Warning, "Calendar that ends"},
      {"unreadable-run-item", Severity::Warning, "Unreadable run item"},
  };
  return rules;
}

const RuleInfo* FindRule(std::string_view id) {
  for (const RuleInfo& rule : CheckRules()) {
    if (rule.Id == id) return &rule;
  }
  return nullptr;
}

const char* SeverityText(Severity severity) {
  return severity == Severity::Error ? "error" : "warning";
}

void SortFindings(std::vector<Finding>& findings) {
  std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
    if (a.File != b.File) return a.File < b.File;
    if (a.Line != b.Line) return a.Line < b.Line;
    return a.Rule < b.Rule;
  });
}

FindingTotals CountFindings(const std::vector<Finding>& findings) {
  FindingTotals totals;
  for (const Finding& finding : findings) {
    ++(finding.Severity == Severity::Error ? totals.Errors : totals.Warnings);
  }
  return totals;
}

std::string TotalsText(const FindingTotals& totals) {
  auto counted = [](long long n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
  };
  return counted(totals.Errors, "error") + ", " + counted(totals.Warnings, "warning");
}

std::string FindingsCsv(const std::vector<Finding>& findings) {
  std::string csv = "Severity,Rule,Kind,Key,File,Line,Message\r\n";
  for (const Finding& f : findings) {
    csv += std::string(SeverityText(f.Severity)) + "," + CsvFileField(f.Rule) + "," +
           CsvFileField(KindName(f.Kind)) + "," + CsvFileField(f.Key) + "," + CsvFileField(f.File) +
           "," + std::to_string(f.Line.Value) + "," + CsvFileField(f.Message) + "\r\n";
  }
  return csv;
}

}  // namespace vdbq
