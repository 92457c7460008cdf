#include "cli/result_printers.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "core/output/csv_text.h"
#include "core/reports/row_styles.h"
#include "core/text/display_text.h"

namespace vdbq::cli {
namespace {

nlohmann::ordered_json StylesJson(const ResultList& results, long long row) {
  const CellStyle style = RowStyle(results, row);
  nlohmann::ordered_json cells = nlohmann::json::array();
  for (int k = 2; k <= kResultColumns; ++k) {
    const CellStyle cell = CellStyleAt(results, row, k);
    cells.push_back(cell.CellRule ? nlohmann::ordered_json(GroundName(cell.Fill))
                                  : nlohmann::ordered_json());
  }
  return {{"text", TextColourName(style.Text)},
          {"bold", style.Bold},
          {"ground", GroundName(style.Fill)},
          {"cells", std::move(cells)}};
}

// Width of a text as shown: one column per character, not per byte.
size_t ShownWidth(const std::string& utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

void PrintResultJson(std::ostream& out, const ReportEntry& entry, const ReportSession& session,
                     bool withStyles) {
  const ResultList& results = session.Results;
  nlohmann::ordered_json json;
  json["code"] = entry.Code;
  json["reportNumber"] = results.ReportNumber;
  json["title1"] = DisplayText(results.LabRepTit1);
  json["title2"] = DisplayText(results.LabRepTit2);
  json["status"] = DisplayText(session.Panel.StatusText);
  json["search"] = DisplayText(session.Panel.SearchText);
  json["hint"] = DisplayText(session.Panel.LabHint);
  nlohmann::ordered_json audit = nlohmann::json::array();
  for (const std::string& text : session.Audit->AuditTexts()) audit.push_back(DisplayText(text));
  json["audit"] = std::move(audit);
  json["widths"] = results.Widths;
  nlohmann::ordered_json rows = nlohmann::json::array();
  nlohmann::ordered_json styles = nlohmann::json::array();
  for (size_t i = 0; i < results.Rows.size(); ++i) {
    const ResultRow& row = results.Rows[i];
    nlohmann::ordered_json cells = nlohmann::json::array();
    cells.push_back(DisplayText(row.Caption));
    for (std::string_view item : row.SubItems) cells.push_back(DisplayText(item));
    if (withStyles) {
      nlohmann::ordered_json rowJson = StylesJson(results, static_cast<long long>(i));
      styles.push_back(std::move(rowJson));
    }
    rows.push_back(std::move(cells));
  }
  json["rows"] = std::move(rows);
  if (withStyles) json["styles"] = std::move(styles);
  out << json.dump(2) << '\n';
}

void PrintResultCsv(std::ostream& out, const ResultList& results) { out << CsvFileText(results); }

void PrintResultTable(std::ostream& out, const ReportSession& session) {
  const ResultList& results = session.Results;
  out << DisplayText(results.LabRepTit1) << '\n' << DisplayText(results.LabRepTit2) << '\n';
  std::vector<int> shown;
  for (int k = 1; k <= kResultColumns; ++k) {
    if (results.Widths[static_cast<size_t>(k - 1)] > 0) shown.push_back(k);
  }
  std::vector<size_t> widths(shown.size(), 0);
  for (const ResultRow& row : results.Rows) {
    for (size_t c = 0; c < shown.size(); ++c) {
      widths[c] = std::max(widths[c], ShownWidth(DisplayText(row.Column(shown[c]))));
    }
  }
  for (const ResultRow& row : results.Rows) {
    std::string line;
    for (size_t c = 0; c < shown.size(); ++c) {
      const std::string text = DisplayText(row.Column(shown[c]));
      line += text;
      if (c + 1 < shown.size()) line += std::string(widths[c] - ShownWidth(text) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << '\n';
  }
  out << DisplayText(session.Panel.StatusText) << '\n';
}

}  // namespace vdbq::cli
