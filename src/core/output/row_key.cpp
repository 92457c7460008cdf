#include "core/output/row_key.h"

#include <algorithm>
#include <iterator>

namespace vdbq {
namespace {

constexpr size_t kShownCopyLength = 100;

enum class KeyRule { kFirstTwo, kThirdFirst, kFirstOnly, kDetail, kPath, kNone };

constexpr int kFirstTwoReports[] = {1, 3, 11, 13, 14, 15, 16, 21, 22, 31, 41, 51, 61};
constexpr int kThirdFirstReports[] = {2, 12};
constexpr int kFirstOnlyReports[] = {23, 32, 33, 34, 42, 52, 62};

template <size_t N>
bool OneOf(int reportNumber, const int (&reports)[N]) {
  return std::find(std::begin(reports), std::end(reports), reportNumber) != std::end(reports);
}

KeyRule KeyRuleFor(int reportNumber) {
  if (OneOf(reportNumber, kFirstTwoReports)) return KeyRule::kFirstTwo;
  if (OneOf(reportNumber, kThirdFirstReports)) return KeyRule::kThirdFirst;
  if (OneOf(reportNumber, kFirstOnlyReports)) return KeyRule::kFirstOnly;
  if (reportNumber == 4) return KeyRule::kDetail;
  if (reportNumber == 5) return KeyRule::kPath;
  return KeyRule::kNone;
}

// Heading, separator and closing rows of the schedule detail and path reports.
bool CopiesNothing(const ResultRow& row) {
  return row.Caption.empty() || row.Caption == "Seq." || row.Caption == "<END>";
}

bool HasRow(const ResultList& results, long long row) {
  return row >= 0 && row < static_cast<long long>(results.Rows.size());
}

std::string KeyOf(std::string_view workstation, std::string_view name) {
  std::string key(workstation);
  key += '#';
  key.append(name);
  return key;
}

}  // namespace

std::optional<std::string> RowKey(const ResultList& results, long long row) {
  if (!HasRow(results, row)) return std::nullopt;
  const ResultRow& r = results.Rows[static_cast<size_t>(row)];
  switch (KeyRuleFor(results.ReportNumber)) {
    case KeyRule::kFirstTwo:
      return KeyOf(r.Column(1), r.Column(2));
    case KeyRule::kThirdFirst:
      return KeyOf(r.Column(3), r.Column(1));
    case KeyRule::kFirstOnly:
      return std::string(r.Column(1));
    case KeyRule::kDetail:
      // The second row is the schedule's own row, whatever its caption.
      if (row != 1 && CopiesNothing(r)) return std::nullopt;
      return KeyOf(r.Column(3), r.Column(4));
    case KeyRule::kPath:
      if (CopiesNothing(r)) return std::nullopt;
      return KeyOf(r.Column(2), r.Column(3));
    case KeyRule::kNone:
      break;
  }
  return std::nullopt;
}

RowClick ClickResultRow(const ResultList& results, long long row) {
  if (!HasRow(results, row)) return {};
  if (KeyRuleFor(results.ReportNumber) == KeyRule::kNone) return {std::nullopt, "Ready."};
  std::optional<std::string> key = RowKey(results, row);
  if (!key) return {};
  std::string status = CopiedStatusText(*key);
  return {std::move(key), std::move(status)};
}

std::string CopiedStatusText(const std::string& text) {
  const std::string shown =
      text.size() > kShownCopyLength ? text.substr(0, kShownCopyLength) + "..." : text;
  return "Copied: " + shown + " To ClipBoard.";
}

}  // namespace vdbq
