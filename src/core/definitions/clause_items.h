#pragma once

#include <array>
#include <string_view>

#include "core/text/text_routines.h"

// The items of the clauses that name other objects: FOLLOWS (jobs and schedules), NEEDS
// (resources), PROMPT (prompts), ON and EXCEPT (calendars). The graphs and the check read items
// so; the reports read a clause's text whole (see follows_clauses.h).
namespace vdbq {

enum class ClauseKind { kFollows, kNeeds, kPrompt, kCalendar };
inline constexpr size_t kClauseKindCount = 4;

struct ItemClause {
  std::string_view Keyword;  // with its blank
  ClauseKind Kind;
  bool HeaderOnly;  // ON and EXCEPT in a job part are no calendar clauses
};

inline constexpr std::array<ItemClause, 5> kItemClauses{{
    {"FOLLOWS ", ClauseKind::kFollows, false},
    {"NEEDS ", ClauseKind::kNeeds, false},
    {"PROMPT ", ClauseKind::kPrompt, false},
    {"ON ", ClauseKind::kCalendar, true},
    {"EXCEPT ", ClauseKind::kCalendar, true},
}};

// The item clause a trimmed line opens, or nullptr.
inline const ItemClause* ItemClauseOfLine(std::string_view trimmed, bool inJobPart) {
  for (const ItemClause& clause : kItemClauses) {
    if (StartsWith(trimmed, clause.Keyword) && !(inJobPart && clause.HeaderOnly)) return &clause;
  }
  return nullptr;
}

// Calls visit(item) for every comma-separated item of one line of a clause, each trimmed of
// blanks and TABs and never empty. A FOLLOWS item is cut at its first blank (what follows is an
// option of the dependency); a NEEDS item loses its quantity ("NEEDS 2 CPU1#TAPES"); a PROMPT
// item in double quotes is a prompt text, which may hold commas itself, and names nothing.
template <typename Visit>
void ForEachClauseItem(std::string_view text, ClauseKind kind, Visit&& visit) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    if (kind == ClauseKind::kPrompt) {
      bool quoted = false;
      while (end < text.size() && (quoted || text[end] != ',')) {
        if (text[end] == '"') quoted = !quoted;
        ++end;
      }
    } else {
      end = text.find(',', start);
      if (end == std::string_view::npos) end = text.size();
    }
    std::string_view item = TrimBlanksAndTabs(text.substr(start, end - start));
    start = end + 1;
    if (item.empty()) continue;
    if (kind == ClauseKind::kFollows) item = item.substr(0, item.find(' '));
    if (kind == ClauseKind::kNeeds && item.find(' ') != std::string_view::npos) {
      item = TrimBlanksAndTabs(item.substr(item.find(' ') + 1));
    }
    if (kind == ClauseKind::kPrompt && item.front() == '"') continue;
    if (!item.empty()) visit(item);
  }
}

// Calls visit(item) for every item of a run clause (ON, EXCEPT, FREEDAYS): separated by ","
// outside double quotes, as a RUNCYCLE rule holds commas; trimmed of blanks and TABs; never
// empty.
template <typename Visit>
void ForEachRunClauseItem(std::string_view text, Visit&& visit) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    bool quoted = false;
    while (end < text.size() && (quoted || text[end] != ',')) {
      if (text[end] == '"') quoted = !quoted;
      ++end;
    }
    const std::string_view item = TrimBlanksAndTabs(text.substr(start, end - start));
    start = end + 1;
    if (!item.empty()) visit(item);
  }
}

}  // namespace vdbq
