#include "core/reports/calendar_header_scan.h"

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// What is left of a header scan from a line depends only on the lines and on whether each list
// is still empty: a clause with nothing after its keyword adds a comma (and so takes the next
// line as well) only to a list that holds items already.
struct ScanState {
  bool OnEmpty = true;
  bool ExceptEmpty = true;
  // Such a clause came while its list was empty: a scan reaching this one's start with items
  // already would read on differently.
  bool OnSensitive = false;
  bool ExceptSensitive = false;
};

// One text a header scan reads into a list: an item (joined with a comma) or a line that
// continues the clause before it (appended as it is).
struct ClauseText {
  bool IsExcept;
  bool Continues;
  const std::string& Text;
};

// The header scan itself. take(ClauseText) gets each text; before every line of the main loop
// resume(line) may end the scan by answering true. Returns the line after the last one read,
// or -1 when resume ended it.
template <typename Take, typename Resume>
long long ScanHeader(const LineList& lines, long long first, Progress& progress, ScanState& state,
                     Take&& take, Resume&& resume) {
  const long long count = lines.Count();
  std::string current;
  long long line = first;
  auto clause = [&](bool isExcept, std::string item) {
    bool& empty = isExcept ? state.ExceptEmpty : state.OnEmpty;
    if (empty && item.empty()) (isExcept ? state.ExceptSensitive : state.OnSensitive) = true;
    bool endsWithComma = item.empty() ? !empty : item.back() == ',';
    take(ClauseText{isExcept, false, item});
    empty = empty && item.empty();
    while (endsWithComma && line + 1 < count) {
      ++line;
      const std::string more = TrimBlanks(lines.At(line));
      take(ClauseText{isExcept, true, more});
      if (!more.empty()) endsWithComma = more.back() == ',';
    }
  };
  while (line < count) {
    if (resume(line)) return -1;
    progress.Tick();
    std::string_view text = lines.At(line);
    if (!text.empty()) {
      current = TrimBlanks(text);
      if (StartsWith(current, "ON")) {
        clause(false, TrimBlanks(CopyFrom(current, 4)));
      } else if (StartsWith(current, "EXCEPT")) {
        clause(true, TrimBlanks(CopyFrom(current, 8)));
      }
    }
    ++line;
    if (current == ":") break;
  }
  return line;
}

// Calls visit for every non-empty comma-separated item of the text with its blanks removed.
template <typename Visit>
void ForEachBlankFreeItem(const std::string& text, Visit&& visit) {
  const std::string joined = ReplaceRepeatedly(text, " ", "");
  size_t start = 0;
  while (start <= joined.size()) {
    size_t comma = joined.find(',', start);
    if (comma == std::string::npos) comma = joined.size();
    if (comma > start) visit(std::string_view(joined).substr(start, comma - start));
    start = comma + 1;
  }
}

}  // namespace

OnExceptClauses CollectOnExceptClauses(const LineList& lines, long long first, Progress& progress) {
  OnExceptClauses clauses;
  ScanState state;
  auto take = [&clauses](const ClauseText& text) {
    std::string& list = text.IsExcept ? clauses.ExceptList : clauses.OnList;
    if (!text.Continues && !list.empty()) list += ',';
    list += text.Text;
  };
  clauses.NextLine =
      ScanHeader(lines, first, progress, state, take, [](long long) { return false; });
  return clauses;
}

std::vector<CalendarUse> ScanCalendarHeaders(
    const LineList& lines, const std::vector<long long>& headerLines, Progress& progress,
    const std::function<bool(bool isExcept, std::string_view item)>& wanted) {
  const size_t count = headerLines.size();
  std::vector<CalendarUse> uses(count);
  std::vector<ScanState> states(count);
  // Later headers first, so that a scan running into one finds its answer ready.
  for (size_t k = count; k-- > 0;) {
    CalendarUse& use = uses[k];
    ScanState& state = states[k];
    size_t later = k + 1;
    auto take = [&](const ClauseText& text) {
      ForEachBlankFreeItem(text.Text, [&](std::string_view item) {
        if (wanted(text.IsExcept, item)) (text.IsExcept ? use.Except : use.On) = true;
      });
    };
    auto resume = [&](long long line) {
      while (later < count && headerLines[later] + 1 < line) ++later;
      if (later == count || headerLines[later] + 1 != line) return false;
      const ScanState& next = states[later];
      if ((!state.OnEmpty && next.OnSensitive) || (!state.ExceptEmpty && next.ExceptSensitive)) {
        return false;
      }
      use.On = use.On || uses[later].On;
      use.Except = use.Except || uses[later].Except;
      state.OnSensitive = state.OnSensitive || (state.OnEmpty && next.OnSensitive);
      state.ExceptSensitive = state.ExceptSensitive || (state.ExceptEmpty && next.ExceptSensitive);
      return true;
    };
    ScanHeader(lines, headerLines[k] + 1, progress, state, take, resume);
  }
  return uses;
}

}  // namespace vdbq
