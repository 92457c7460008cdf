#include "core/output/clipboard_csv.h"

namespace vdbq {
namespace {

bool NeedsQuotes(const std::string& item) {
  for (const char c : item) {
    if (static_cast<unsigned char>(c) <= 32 || c == '"' || c == ',') return true;
  }
  return false;
}

void AppendItem(std::string& text, const std::string& item) {
  if (!NeedsQuotes(item)) {
    text += item;
    return;
  }
  text += '"';
  for (const char c : item) {
    if (c == '"') text += '"';
    text += c;
  }
  text += '"';
}

}  // namespace

std::string CommaText(std::span<const std::string> items) {
  if (items.size() == 1 && items.front().empty()) return "\"\"";
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += ',';
    AppendItem(text, items[i]);
  }
  return text;
}

std::string ClipboardCsvText(const ResultList& results) {
  std::string text;
  for (const ResultRow& row : results.Rows) {
    text += row.Caption;
    text += ',';
    text += CommaText(row.SubItems);
    text += "\r\n";
  }
  return text;
}

}  // namespace vdbq
