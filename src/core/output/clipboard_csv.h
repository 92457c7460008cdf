#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/reports/result_list.h"

namespace vdbq {

inline constexpr const char* kCopiedCsvStatus = "Copied CSV Report To ClipBoard... Ready.";

// "Copy To ClipBoard As CSV Data": per row the caption (never quoted), ",", the sub-items in
// comma-text form, and CR LF.
std::string ClipboardCsvText(const ResultList& results);

// Items joined by ","; an item holding a blank or control character (code 32 or less), a
// double quote or a comma is enclosed in double quotes with its double quotes doubled. An
// empty item gives nothing, except that a lone empty item gives two double quotes.
std::string CommaText(const SubItemList& items);

}  // namespace vdbq
