#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/extracts/line_list.h"
#include "core/reports/report_context.h"
#include "core/reports/report_frame.h"

// What the resource, parameter and prompt reports share: the find reports' input steps, the
// reading of NEEDS and PROMPT clauses from schedule bodies, and the rows they all write.
namespace vdbq {

inline constexpr std::array<int, kResultColumns> kFindWidths{100, 350, 0, 0, 0, 0, 0, 0, 0};
inline constexpr std::array<int, kResultColumns> kUsageWidths{200, 200, 0, 0, 0, 0, 0, 0, 0};
inline constexpr const char* kUsed = "Ok.";
inline constexpr const char* kNotUsed = "Not Used.";

// How a find report takes its search text.
struct FindInput {
  const char* Code;         // for the audit line
  const char* NoNameText;   // the box held only a workstation part
  const char* InvalidText;  // the name is not one of the category
};

// The find reports' input steps: the category must hold objects (categoryTotal), the search
// text must pass the check, a workstation part before "#" is cut off the search box, the audit
// line is written and the name must be one of nameList (built only then). Returns the name, or
// nothing when the report stops; the status text then says why.
std::optional<std::string> AcceptFindName(ReportContext& ctx, long long categoryTotal,
                                          const FindInput& input,
                                          const std::function<std::string()>& nameList);

// The frame of a report whose audit line is already written: report number, titles, rows
// cleared, widths.
void BeginReportAfterAudit(ReportContext& ctx, const ReportFrame& frame);

// Sorts WORKSTATION#NAME keys and adds a row for each (workstation, name), ticking per key;
// with skipEmpty an empty key gives no row. Returns the number of rows added.
long long AddKeyRows(ReportContext& ctx, std::vector<std::string> keys, bool skipEmpty);

struct UsageCounts {
  long long Used = 0;
  long long Unused = 0;
};

// One row per name of nameList (up to its first empty field), in list order: the name and
// "Ok." when "," + name + "," occurs in "," + uses + ",", else "Not Used.".
UsageCounts AddUsageRows(ReportContext& ctx, std::string_view nameList, std::string_view uses);

// "Found <used> used <objects>, and <unused> unused <objects>... Ready."
std::string UsageStatus(const UsageCounts& counts, const char* objects);

// A clause that names objects of a category from a schedule body.
struct BodyClause {
  std::string_view Keyword;  // at the start of the trimmed line
  long long TextStart;       // where the clause's text begins on that line
};
inline constexpr BodyClause kNeedsClause{"NEEDS", 7};
inline constexpr BodyClause kPromptClause{"PROMPT", 8};

// Reads a schedule body from `first` (the line after its SCHEDULE line) up to and including
// the line whose trimmed text is "END", or to the end of the list. For every clause line, with
// a trailing CONFIRMED or PRIORITY cut off, appends "," + its text to uses; while uses ends
// with a comma the next line is taken as well, and it becomes the current line, so an "END"
// taken that way ends the body. Returns the line after the last one read.
long long ReadBodyClauses(const LineList& lines, long long first, const BodyClause& clause,
                          std::string& uses);

// For each schedule whose SCHEDULE line is given (in file order), whether its body, read as
// ReadBodyClauses reads it, holds a clause text for which holds(text) is true. A body without
// its END line reads on into the schedules after it; once it reaches the start of a later
// body it takes that body's answer, so the cost stays one pass over the file.
std::vector<bool> BodiesHolding(const LineList& lines, const std::vector<long long>& headerLines,
                                const BodyClause& clause,
                                const std::function<bool(const std::string& text)>& holds);

// The same reading for the resource usage check: each NEEDS item loses its quantity (the text
// up to its first blank) and is qualified with the schedule's workstation when it names none;
// continuation lines are items only and do not end the body.
long long ReadNeedsAsResources(const LineList& lines, long long first, std::string_view workstation,
                               std::string& uses, Progress& progress);

// The resource name of a resources-file line (trimmed, before its first TAB), "" for the
// header and for lines without a TAB.
std::string ResourceNameOfLine(std::string_view line);

}  // namespace vdbq
