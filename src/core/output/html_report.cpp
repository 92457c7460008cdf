#include "core/output/html_report.h"

#include "core/reports/comma_items.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

constexpr const char* kRowStart = "<TR>";
constexpr const char* kRowEnd = "</TR>";
constexpr const char* kCentredCell = "<TD align=\"center\">";
constexpr const char* kLeftCell = "<TD align=\"left\">";
constexpr const char* kYellowCell = "<TD BGCOLOR=\"#ffff80\" align=\"left\">";
constexpr const char* kLabelRowStart =
    "<TR><TD align=\"center\"></TD> <TD BGCOLOR=\"#ffc0c0\" align=\"right\">";
constexpr const char* kWideCell = "<TD colspan=4 align=\"left\">";
constexpr const char* kSequenceCell = "<TD BGCOLOR=\"#c0ffc0\" align=\"centre\">";
constexpr const char* kNavyFont = "<FONT COLOR = navy SIZE=2>";
constexpr const char* kBlackFont = "<FONT COLOR = black SIZE=1>";
constexpr const char* kCellEnd = "</FONT></TD>";

constexpr const char* kTableStart =
    "<HTML><BODY><FONT FACE = \"Arial\"><TABLE border=\"2\" width=95% cellpadding=\"3\" "
    "cellspacing=\"3\" Align=\"center\" ";
constexpr const char* kScheduleHeadings =
    "</CAPTION><THEAD BGCOLOR=\"#ffc0c0\"><TR><TH>At </TH><TH>Workstation </TH><TH>Schedule "
    "</TH><TH>Follows </TH><TH>On </TH><TH>Except </TH></TR><THEAD BGCOLOR=\"#d2d2d2\">";
constexpr const char* kJobHeadings =
    "<THEAD BGCOLOR=\"#ffc0c0\"><TR><TH>Seq. </TH><TH>At/Until </TH><TH>Workstation "
    "</TH><TH>JobName </TH><TH>Dependencies </TH><TH>Priority </TH><TH>Requires </TH><TH>Every "
    "</TH><TH>Prompt </TH></TR><THEAD BGCOLOR=\"#d2d2d2\">";

std::string Cell(const char* opener, const char* font, std::string_view text) {
  return std::string(opener) + font + HtmlCellText(text) + kCellEnd;
}
std::string NavyCell(const char* opener, std::string_view text) {
  return Cell(opener, kNavyFont, text);
}
std::string BlackCell(const char* opener, std::string_view text) {
  return Cell(opener, kBlackFont, text);
}

std::string TrimmedItem(const CommaItems& items, long long n) { return TrimBlanks(items.Item(n)); }

void AddScheduleTable(std::vector<std::string>& lines, const ScheduleHeader& header) {
  lines.push_back(std::string(kTableStart) + "cols=6><CAPTION>Varnolt Details For Schedule " +
                  HtmlCellText(header.Workstation) + "#" + HtmlCellText(header.ScheduleName) +
                  kScheduleHeadings);
  const CommaItems at(header.At), follows(header.Follows), on(header.On), except(header.Except);
  auto itemCells = [&](long long n) {
    lines.push_back(NavyCell(kLeftCell, follows.Item(n)));
    lines.push_back(NavyCell(kCentredCell, TrimmedItem(on, n)));
    lines.push_back(NavyCell(kCentredCell, TrimmedItem(except, n)) + kRowEnd);
  };
  const std::string dashes = "----";
  lines.push_back(kRowStart +
                  NavyCell(kCentredCell, (at.Item(1).empty() ? dashes : at.Item(1)) + "/" +
                                             (header.Until.empty() ? dashes : header.Until)));
  lines.push_back(NavyCell(kYellowCell, header.Workstation));
  lines.push_back(NavyCell(kYellowCell, header.ScheduleName));
  itemCells(1);
  lines.push_back(kRowStart + NavyCell(kCentredCell, ""));
  lines.push_back(NavyCell(kCentredCell, ""));
  lines.push_back(NavyCell(kCentredCell, ""));
  itemCells(2);

  auto orNone = [](const std::string& text) { return text.empty() ? std::string("--") : text; };
  const std::pair<const char*, std::string> labelled[] = {
      {"Carried Forward : ", header.CarryForward},
      {"Priority : ", orNone(header.Priority)},
      {"Limit : ", orNone(header.Limit)},
      {"In Order : ", orNone(header.InOrder)},
      {"FreeDays : ", orNone(header.Freedays)}};
  long long n = 3;
  for (const auto& [label, value] : labelled) {
    lines.push_back(NavyCell(kLabelRowStart, label));
    lines.push_back(NavyCell(kLeftCell, value));
    itemCells(n++);
  }
  for (;; ++n) {
    lines.push_back(NavyCell(kLabelRowStart, ""));
    lines.push_back(NavyCell(kLeftCell, ""));
    itemCells(n);
    if (follows.Item(n).empty() && TrimmedItem(on, n).empty() && TrimmedItem(except, n).empty()) {
      break;
    }
  }

  const std::pair<const char*, const std::string*> blocks[] = {
      {"Opens : ", &header.Opens}, {"Prompts : ", &header.Prompts}, {"Needs : ", &header.Needs}};
  for (const auto& [label, text] : blocks) {
    const CommaItems items(*text);
    lines.push_back(NavyCell(kLabelRowStart, label));
    lines.push_back(NavyCell(kWideCell, items.Item(1).empty() ? "(None)" : items.Item(1)) +
                    kRowEnd);
    for (long long k = 2;; ++k) {
      lines.push_back(NavyCell(kLabelRowStart, ""));
      lines.push_back(NavyCell(kWideCell, items.Item(k)) + kRowEnd);
      if (items.Item(k).empty()) break;
    }
  }
  lines.push_back("</TABLE>");
  lines.push_back("");
}

void AddJobTable(std::vector<std::string>& lines, const std::vector<ResultRow>& rows,
                 size_t headingRow) {
  lines.push_back(std::string(kTableStart) + "cols=9><CAPTION>...</CAPTION>" + kJobHeadings);
  for (size_t i = headingRow + 1; i < rows.size(); ++i) {
    const ResultRow& row = rows[i];
    if (!row.Caption.empty() && row.Caption != "<END>") {
      lines.push_back(kRowStart + BlackCell(kSequenceCell, row.Caption));
      lines.push_back(BlackCell(kCentredCell, row.Column(2)));
      lines.push_back(BlackCell(kYellowCell, row.Column(3)));
      lines.push_back(BlackCell(kYellowCell, row.Column(4)));
      for (size_t item = 3; item < row.SubItems.size(); ++item) {
        lines.push_back(BlackCell(kLeftCell, row.SubItems[item]));
      }
    } else {
      lines.push_back(kRowStart + BlackCell(kLeftCell, ""));
      for (std::string_view item : row.SubItems) lines.push_back(BlackCell(kLeftCell, item));
    }
    lines.push_back(kRowEnd);
  }
}

}  // namespace

std::string HtmlTempFilePath(const std::string& savesDir) { return savesDir + kHtmlTempFileName; }

bool HtmlExportAvailable(const ResultList& results) { return results.ReportNumber == 4; }

std::string HtmlSavedStatus(const std::string& fileName) { return "Report Saved As: " + fileName; }

std::string HtmlCellText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::vector<std::string> ScheduleHtmlLines(const ResultList& results) {
  std::vector<std::string> lines;
  AddScheduleTable(lines, results.Header);
  for (size_t i = 0; i < results.Rows.size(); ++i) {
    if (results.Rows[i].Caption == "Seq.") {
      AddJobTable(lines, results.Rows, i);
      break;
    }
  }
  lines.push_back("</FONT></BODY></HTML>");
  return lines;
}

std::string ScheduleHtmlDocument(const ResultList& results) {
  std::string document;
  for (const std::string& line : ScheduleHtmlLines(results)) {
    document += line;
    document += "\r\n";
  }
  return document;
}

}  // namespace vdbq
