#pragma once

#include <vector>

#include "core/colouring/color_rule.h"

namespace vdbq {

// The light grey ground of the schedule page's memo.
inline constexpr Colour kSchedulePageBackground = 13816530;

// The schedule page: scheduling keywords navy, FOLLOWS blue, SCHEDULE maroon, OPENS purple,
// and comments from "*" to the line end green over any keyword (the last rule wins on equal
// z-order).
std::vector<ColourRule> SchedulePageRules();

// The instruction memos of the installation page: literal paths, the scheduler user and the
// script name purple (also inside words), the composer keywords and the sample object names
// purple in exact case, "Step" and "#1" navy.
std::vector<ColourRule> InstallationPageRules();

// The last installation memo: the rules above, then lines from "A" to their end black, lines
// from "*" to their end green over them, and the "< Install.Doc >" marker navy over all.
std::vector<ColourRule> InstallationLastMemoRules();

// The installation memos whose keywords are drawn bold by the key drawer.
inline constexpr int kBoldKeyInstallationMemos[] = {2, 3, 5, 7, 8, 9, 10};

}  // namespace vdbq
