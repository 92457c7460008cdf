#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "core/definitions/definition_lines.h"
#include "core/definitions/job_options.h"
#include "core/extracts/line_list.h"
#include "core/text/text_routines.h"

// The reports' reading of FOLLOWS clauses: a clause's text is kept whole, as written, over its
// continuation lines, and a text that names no workstation is completed with the schedule's.
// The graphs and the check split clauses into items instead (clause_items.h).
namespace vdbq {

// Which texts without any "#" get the schedule's workstation and "#" put before them. Either way
// the whole text of a line is looked at, so of several items on one line only the first can be
// completed, and only when none names a workstation.
enum class Qualification {
  // The dependency path report and the schedule-level reading: an empty text stays empty.
  kNonEmptyText,
  // The job usage report's job dependencies: it asks only whether the line holds a "#", so an
  // empty text (a blank line after a ",") becomes the workstation and "#" alone.
  kAnyText,
};

inline void AppendQualified(std::string& out, std::string_view text, std::string_view workstation,
                            Qualification rule) {
  const bool hasNone = FindByteOf(text, 0, '#', '#') == std::string_view::npos;
  if (hasNone && (rule == Qualification::kAnyText || !text.empty())) {
    out += workstation;
    out += '#';
  }
  out += text;
}

// How the lines that continue a clause are read.
struct Continuation {
  std::string_view Workstation;
  Qualification Rule;
  // Take a trailing CONFIRMED or PRIORITY clause off each line (the job part's lines).
  bool CutJobOptions;
  // A line that closes the part the clause stands in (":" in the header, "END" in the job
  // part) even when the clause runs on into it; it is read but not appended. Empty: none does,
  // and such a line is appended as any other.
  std::string_view ClosingLine;
};

struct ContinuationEnd {
  bool Closed = false;    // the closing line was read
  std::string_view Last;  // the last line read, trimmed (and cut); unchanged when none was
};

// While `text` ends with ",", reads line `next` (then the one after it ...) below `end`,
// trimmed by TrimBlanks, and appends it as `how` says; tick() comes before each line.
template <typename Tick>
ContinuationEnd ContinueClause(const LineList& lines, long long& next, long long end,
                               std::string& text, const Continuation& how, Tick&& tick) {
  ContinuationEnd result;
  while (EndsWithComma(text) && next < end) {
    tick();
    std::string_view line = TrimBlanksView(lines.At(next++));
    if (!how.ClosingLine.empty() && line == how.ClosingLine) {
      result.Closed = true;
      result.Last = line;
      return result;
    }
    if (how.CutJobOptions) line = WithoutJobOptions(line);
    AppendQualified(text, line, how.Workstation, how.Rule);
    result.Last = line;
  }
  return result;
}

struct FollowsRead {
  std::string Text;
  long long NextLine = 0;  // the line after the last one read
};

// The schedule's own FOLLOWS text: reads the header clauses from `start` up to and including
// the ":" line, below `limit`. Every line whose first seven characters are "FOLLOWS" gives the
// text from its ninth character on, trimmed; a later one replaces an earlier one. A text that
// ends with "," goes on over the next lines; the ":" closes the header even inside such a
// clause. tick() comes before every line read.
template <typename Tick>
FollowsRead ReadScheduleFollows(const LineList& lines, long long start, long long limit,
                                std::string_view workstation, Tick&& tick) {
  FollowsRead result;
  const Continuation how{workstation, Qualification::kNonEmptyText, false, ":"};
  const long long end = std::min(limit, lines.Count());
  long long i = std::max(0LL, start);
  while (i < end) {
    tick();
    const std::string_view line = TrimBlanksView(lines.At(i++));
    if (IsHeaderEndLine(line)) break;
    if (line.empty() || IsCommentLine(line) || !StartsWith(line, "FOLLOWS")) continue;
    result.Text.clear();
    AppendQualified(result.Text, TrimBlanksView(line.substr(std::min<size_t>(8, line.size()))),
                    workstation, how.Rule);
    if (ContinueClause(lines, i, end, result.Text, how, tick).Closed) break;
  }
  result.NextLine = i;
  return result;
}

// Every job FOLLOWS text of a schedule's job part, comma-joined in file order: reads from
// `start` up to and including the "END" line, below `limit`. Each "FOLLOWS " line and its
// continuation lines lose a trailing CONFIRMED or PRIORITY clause; the "END" closes the
// schedule even inside a clause that runs on.
inline FollowsRead ReadJobFollows(const LineList& lines, long long start, long long limit,
                                  std::string_view workstation) {
  FollowsRead result;
  std::string& list = result.Text;
  const Continuation how{workstation, Qualification::kNonEmptyText, true, "END"};
  const long long end = std::min(limit, lines.Count());
  long long i = std::max(0LL, start);
  while (i < end) {
    const std::string_view line = TrimBlanksView(lines.At(i++));
    if (IsDefinitionEndLine(line)) break;
    if (!line.empty() && !IsCommentLine(line) && StartsWith(line, "FOLLOWS ")) {
      const std::string_view cut = WithoutJobOptions(line);
      AppendQualified(list, TrimBlanksView(cut.substr(std::min<size_t>(8, cut.size()))),
                      workstation, how.Rule);
      if (ContinueClause(lines, i, end, list, how, [] {}).Closed) break;
    }
    if (!list.empty() && list.back() != ',') list += ',';
  }
  if (EndsWithComma(list)) list.pop_back();
  result.NextLine = i;
  return result;
}

}  // namespace vdbq
