#include "core/output/clipboard_csv.h"

namespace vdbq {
namespace {

bool NeedsQuotes(std::string_view item) {
  for (const char c : item) {
    if (static_cast<unsigned char>(c) <= 32 || c == '"' || c == ',') return true;
  }
  return false;
}

void AppendItem(std::string& text, std::string_view item) {
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

std::string CommaText(const SubItemList& items) {
  if (items.size() == 1 && items[0].empty()) return "\"\"";
  std::string text;
  for (auto item = items.begin(); item != items.end(); ++item) {
    if (item != items.begin()) text += ',';
    AppendItem(text, *item);
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
