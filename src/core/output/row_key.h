#pragma once

#include <optional>
#include <string>

#include "core/reports/result_list.h"

namespace vdbq {

// What a click on a row of the result list does.
struct RowClick {
  // The text put on the clipboard; nothing when the row copies nothing.
  std::optional<std::string> Copied;
  // The status text afterwards; nothing when it stays as it was.
  std::optional<std::string> StatusText;
};

// The key a click on row `row` (counted from 0) copies, chosen by the report the list holds;
// nothing for heading, separator and closing rows of the schedule reports, for a row the list
// does not hold, and while no report with a known number has run.
std::optional<std::string> RowKey(const ResultList& results, long long row);

// The whole click: the key with its status text; with no known report, nothing copied and
// "Ready."; with no such row, nothing at all.
RowClick ClickResultRow(const ResultList& results, long long row);

// The status text after text was copied: "Copied: " + text + " To ClipBoard.", with a text
// longer than 100 characters shown as its first 100 followed by "...".
std::string CopiedStatusText(const std::string& text);

}  // namespace vdbq
