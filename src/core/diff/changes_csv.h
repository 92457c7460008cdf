#pragma once

#include <string>

#include "core/diff/database_diff.h"

namespace vdbq {

// "added", "removed" or "changed".
inline constexpr const char* kAddedText = "added";
inline constexpr const char* kRemovedText = "removed";
inline constexpr const char* kChangedText = "changed";

// The list of changes as the Changes page exports it: a heading line "Kind,Key,Change", then
// one line per object, kind by kind, added, removed and changed in turn; CR LF line ends,
// fields quoted as the result list's CSV export quotes them.
std::string ChangesCsvText(const DatabaseDiff& diff);

// The status text after a comparison: "No Objects Changed." or "N Objects Changed.".
std::string ChangesStatusText(const DatabaseDiff& diff);

}  // namespace vdbq
