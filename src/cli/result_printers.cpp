#include "cli/result_printers.h"

#include <algorithm>
#include <functional>
#include <nlohmann/json.hpp>
#include <string_view>

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

// Writes `"name": [...]` as a member of the top object after the members before it, its
// elements laid out as dump(2) lays out an array nested in an object.
void WriteArrayMember(std::ostream& out, const char* name, size_t count,
                      const std::function<nlohmann::ordered_json(size_t)>& element) {
  out << ",\n  \"" << name << "\": ";
  if (count == 0) {
    out << "[]";
    return;
  }
  out << "[\n";
  std::string nested;
  for (size_t i = 0; i < count; ++i) {
    nested.assign(i == 0 ? "    " : ",\n    ");
    for (char c : element(i).dump(2)) {
      nested += c;
      if (c == '\n') nested += "    ";
    }
    out << nested;
  }
  out << "\n  ]";
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
  json["title1"] = DisplayText(results.Title);
  json["title2"] = DisplayText(results.Subtitle);
  json["status"] = DisplayText(session.Panel.StatusText);
  json["search"] = DisplayText(session.Panel.SearchText);
  json["hint"] = DisplayText(session.Panel.Hint);
  nlohmann::ordered_json audit = nlohmann::json::array();
  for (const std::string& text : session.Audit->AuditTexts()) audit.push_back(DisplayText(text));
  json["audit"] = std::move(audit);
  json["widths"] = results.Widths;
  // The rows follow one at a time, laid out as the whole document's dump would lay them out:
  // a listing of hundreds of thousands of rows is never held as a document.
  const std::string head = json.dump(2);
  out << std::string_view(head).substr(0, head.size() - 2);
  const size_t count = results.Rows.size();
  WriteArrayMember(out, "rows", count, [&results](size_t i) {
    const ResultRow& row = results.Rows[i];
    nlohmann::ordered_json cells = nlohmann::json::array();
    cells.push_back(DisplayText(row.Caption));
    for (std::string_view item : row.SubItems) cells.push_back(DisplayText(item));
    return cells;
  });
  if (withStyles) {
    WriteArrayMember(out, "styles", count, [&results](size_t i) {
      return StylesJson(results, static_cast<long long>(i));
    });
  }
  out << "\n}\n";
}

void PrintResultCsv(std::ostream& out, const ResultList& results) { out << CsvFileText(results); }

void PrintResultTable(std::ostream& out, const ReportSession& session) {
  const ResultList& results = session.Results;
  out << DisplayText(results.Title) << '\n' << DisplayText(results.Subtitle) << '\n';
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
