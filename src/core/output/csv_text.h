#pragma once

#include <string>

#include "core/reports/result_list.h"

namespace vdbq {

// The text "Export To CSV File" writes: one line per row, caption then "," and each sub-item,
// CR LF after every line. A field holding a comma, a double quote, a CR or a LF is enclosed in
// double quotes with its double quotes doubled, so every row reads back as the fields it holds.
std::string CsvFileText(const ResultList& results);
// One row's line of that text, appended.
void AppendCsvFileLine(std::string& text, const ResultRow& row);

// One field of the file text, quoted only when it must be.
std::string CsvFileField(std::string_view field);
void AppendCsvFileField(std::string& text, std::string_view field);

}  // namespace vdbq
