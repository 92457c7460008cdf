#include "core/output/csv_text.h"

namespace vdbq {

std::string CsvFileField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string CsvFileText(const ResultList& results) {
  std::string text;
  for (const ResultRow& row : results.Rows) {
    text += CsvFileField(row.Caption);
    for (std::string_view item : row.SubItems) {
      text += ',';
      text += CsvFileField(item);
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace vdbq
