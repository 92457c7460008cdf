#include "support/page_colouring_check.h"

#include <cstdint>

#include "core/colouring/color_rule.h"
#include "core/colouring/rule_sets.h"
#include "core/colouring/text_colouring.h"
#include "core/text/display_text.h"
#include "support/database_exercise.h"

namespace vdbq::testing {

void CheckPageColouring(const std::vector<std::string>& lines, size_t selectionSeed) {
  static const std::vector<CompiledRule> rules = CompileRules(SchedulePageRules());
  std::string text;
  for (size_t k = 0; k < lines.size(); ++k) {
    if (k > 0) text += "\r\n";
    text += lines[k];
  }
  PaintSettings plain;
  PaintSettings marked;
  marked.HotSpot.Active = true;
  marked.Selection = TextSelection{static_cast<std::int32_t>(selectionSeed % 7),
                                   static_cast<std::int32_t>(selectionSeed % 4096)};
  for (const PaintSettings* settings : {&plain, &marked}) {
    long long previousEnd = -1;
    for (const ColourRun& run : ColourRuns(text, rules, *settings)) {
      Require(run.Start > previousEnd && run.Start <= run.End, "colour runs out of order");
      Require(static_cast<size_t>(run.End) < text.size(), "colour run past the text");
      previousEnd = run.End;
    }
  }
  for (const std::string& line : lines) {
    Require(IsValidUtf8(DisplayText(line)), "display text is not UTF-8");
  }
}

}  // namespace vdbq::testing
