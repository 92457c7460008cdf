#include "core/output/csv_text.h"

namespace vdbq {

void AppendCsvFileField(std::string& text, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    text += field;
    return;
  }
  text += '"';
  for (size_t quote; (quote = field.find('"')) != std::string_view::npos;) {
    text.append(field.substr(0, quote + 1));
    text += '"';
    field.remove_prefix(quote + 1);
  }
  text += field;
  text += '"';
}

std::string CsvFileField(std::string_view field) {
  std::string text;
  AppendCsvFileField(text, field);
  return text;
}

void AppendCsvFileLine(std::string& text, const ResultRow& row) {
  AppendCsvFileField(text, row.Caption);
  for (std::string_view item : row.SubItems) {
    text += ',';
    AppendCsvFileField(text, item);
  }
  text += "\r\n";
}

std::string CsvFileText(const ResultList& results) {
  std::string text;
  for (const ResultRow& row : results.Rows) AppendCsvFileLine(text, row);
  return text;
}

}  // namespace vdbq
