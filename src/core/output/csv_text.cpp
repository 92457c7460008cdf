#include "core/output/csv_text.h"

namespace vdbq {

std::string CsvFileField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
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
    for (const std::string& item : row.SubItems) {
      text += ',';
      text += CsvFileField(item);
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace vdbq
