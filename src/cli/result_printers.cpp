#include "cli/result_printers.h"

#include <algorithm>
#include <functional>
#include <nlohmann/json.hpp>
#include <string_view>

#include "core/output/csv_text.h"
#include "core/output/json_text.h"
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

// Collects the text of a large result and hands it to the stream in large blocks, so that a
// listing of hundreds of thousands of rows costs a few dozen writes.
class BlockOutput {
 public:
  explicit BlockOutput(std::ostream& out) : out_(out) { text_.reserve(2 * kBlock); }
  ~BlockOutput() { out_.write(text_.data(), static_cast<std::streamsize>(text_.size())); }
  std::string& Text() { return text_; }
  // Called between elements: the block goes out once it is full.
  void Spill() {
    if (text_.size() < kBlock) return;
    out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
    text_.clear();
  }

 private:
  static constexpr size_t kBlock = size_t{1} << 20;
  std::ostream& out_;
  std::string text_;
};

// Writes `"name": [...]` as a member of the top object after the members before it, its
// elements laid out as dump(2) lays out an array nested in an object; `element` appends one.
void WriteArrayMember(BlockOutput& out, const char* name, size_t count,
                      const std::function<void(std::string&, size_t)>& element) {
  std::string& text = out.Text();
  text += ",\n  \"";
  text += name;
  text += "\": ";
  if (count == 0) {
    text += "[]";
    return;
  }
  text += "[\n";
  for (size_t i = 0; i < count; ++i) {
    text += i == 0 ? "    " : ",\n    ";
    element(text, i);
    out.Spill();
  }
  text += "\n  ]";
}

// A row's texts as dump(2) lays out an array of strings two levels down.
void AppendRowJson(std::string& text, const ResultRow& row) {
  text += "[\n      ";
  AppendJsonString(text, row.Caption);
  for (std::string_view item : row.SubItems) {
    text += ",\n      ";
    AppendJsonString(text, item);
  }
  text += "\n    ]";
}

// A nlohmann value laid out the same way.
void AppendNestedJson(std::string& text, const nlohmann::ordered_json& value) {
  for (char c : value.dump(2)) {
    text += c;
    if (c == '\n') text += "    ";
  }
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
  BlockOutput block(out);
  const std::string head = json.dump(2);
  block.Text().append(head, 0, head.size() - 2);
  const size_t count = results.Rows.size();
  WriteArrayMember(block, "rows", count, [&results](std::string& text, size_t i) {
    AppendRowJson(text, results.Rows[i]);
  });
  if (withStyles) {
    WriteArrayMember(block, "styles", count, [&results](std::string& text, size_t i) {
      AppendNestedJson(text, StylesJson(results, static_cast<long long>(i)));
    });
  }
  block.Text() += "\n}\n";
}

void PrintResultCsv(std::ostream& out, const ResultList& results) {
  BlockOutput block(out);
  for (const ResultRow& row : results.Rows) {
    AppendCsvFileLine(block.Text(), row);
    block.Spill();
  }
}

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
