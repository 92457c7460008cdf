#include "core/check/schedule_outline.h"

#include <algorithm>
#include <array>

#include "core/check/check_context.h"
#include "core/reports/job_usage_report.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

enum class ClauseKind { Follows, Needs, Prompt, Calendar };

struct ClauseKeyword {
  std::string_view Keyword;  // with its blank
  ClauseKind Kind;
  bool HeaderOnly;
};

constexpr std::array<ClauseKeyword, 5> kClauses{{
    {"FOLLOWS ", ClauseKind::Follows, false},
    {"NEEDS ", ClauseKind::Needs, false},
    {"PROMPT ", ClauseKind::Prompt, false},
    {"ON ", ClauseKind::Calendar, true},
    {"EXCEPT ", ClauseKind::Calendar, true},
}};

// The job part's lines that are clauses of a job, not jobs (J#5's list).
constexpr std::array<std::string_view, 10> kOtherJobClauses{
    "AT ",    "PROMPT ",     "OPENS ",       "NEEDS ",   "PRIORITY ",
    "EVERY ", "SCRIPTNAME ", "STREAMLOGON ", "ONUNTIL ", "UNTIL "};

bool IsOtherJobClause(std::string_view text) {
  if (text == "CONFIRMED") return true;
  for (std::string_view keyword : kOtherJobClauses) {
    if (StartsWith(text, keyword)) return true;
  }
  return false;
}

// The text without a trailing CONFIRMED or PRIORITY clause. The cut text is a part of the
// text, so it is given as a view of it; only a text that holds either word is cut at all.
std::string_view WithoutJobOptions(std::string_view text) {
  if (text.find("CONFIRMED") == std::string_view::npos &&
      text.find("PRIORITY") == std::string_view::npos) {
    return text;
  }
  JobOptionState state{std::string(text), {}, {}};
  SplitJobOptions(state);
  const size_t at = text.find(state.CurrentLine);
  return at == std::string_view::npos ? text : text.substr(at, state.CurrentLine.size());
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The comma-separated items of one line of a clause. A PROMPT item in double quotes is a prompt
// text, which may hold commas itself, and names nothing.
void AddItems(std::string_view text, ClauseKind kind, long long line, int job, bool inJobs,
              std::vector<OutlineItem>& items) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    bool quoted = false;
    while (end < text.size() && (quoted || text[end] != ',')) {
      if (kind == ClauseKind::Prompt && text[end] == '"') quoted = !quoted;
      ++end;
    }
    std::string_view item = Trimmed(text.substr(start, end - start));
    start = end + 1;
    if (item.empty()) continue;
    if (kind == ClauseKind::Follows) item = item.substr(0, item.find(' '));
    if (kind == ClauseKind::Needs && item.find(' ') != std::string_view::npos) {
      // "NEEDS 2 CPU1#TAPES": the quantity comes first.
      item = Trimmed(item.substr(item.find(' ') + 1));
    }
    if (kind == ClauseKind::Prompt && item.front() == '"') continue;
    if (!item.empty()) items.push_back(OutlineItem{item, line, job, inJobs});
  }
}

std::vector<OutlineItem>& ItemsOf(ScheduleOutline& outline, ClauseKind kind) {
  switch (kind) {
    case ClauseKind::Follows:
      return outline.Follows;
    case ClauseKind::Needs:
      return outline.Needs;
    case ClauseKind::Prompt:
      return outline.Prompts;
    case ClauseKind::Calendar:
      break;
  }
  return outline.Calendars;
}

bool EndsDefinition(std::string_view raw) { return StartsWith(raw, "SCHEDULE "); }

}  // namespace

std::vector<ScheduleOutline> ReadScheduleOutlines(const LineList& lines, Progress& progress) {
  std::vector<ScheduleOutline> outlines;
  const long long count = lines.Count();
  long long i = 0;
  while (i < count) {
    progress.Tick();
    const std::string_view header = lines.At(i);
    if (!StartsWith(header, "SCHEDULE ") || header.find('#') == std::string_view::npos) {
      ++i;
      continue;
    }
    ScheduleOutline outline;
    outline.Key = TrimmedView(header.substr(9));
    outline.CatalogueKey = header.substr(9);
    // As the J#5 reading takes it (ScheduleWorkstation).
    outline.Workstation = outline.Key.substr(0, std::min<size_t>(outline.Key.find('#'), 50));
    outline.Line = i;
    bool inJobs = false;
    long long j = i + 1;
    for (; j < count; ++j) {
      progress.Tick();
      const std::string_view raw = lines.At(j);
      if (EndsDefinition(raw)) break;
      const std::string_view text = TrimmedView(raw);
      if (text.empty() || text.front() == '*') continue;
      if (text == "END") {
        ++j;
        break;
      }
      if (!inJobs && text == ":") {
        inJobs = true;
        continue;
      }
      const ClauseKeyword* clause = nullptr;
      for (const ClauseKeyword& candidate : kClauses) {
        if (StartsWith(text, candidate.Keyword) && (inJobs ? !candidate.HeaderOnly : true)) {
          clause = &candidate;
          break;
        }
      }
      if (clause != nullptr) {
        const int job = inJobs ? static_cast<int>(outline.Jobs.size()) - 1 : -1;
        std::vector<OutlineItem>& items = ItemsOf(outline, clause->Kind);
        std::string_view part = WithoutJobOptions(Trimmed(text.substr(clause->Keyword.size())));
        AddItems(part, clause->Kind, j, job, inJobs, items);
        // A clause ending with "," goes on, up to a line that closes the part it stands in.
        while (!part.empty() && part.back() == ',' && j + 1 < count) {
          const std::string_view next = lines.At(j + 1);
          part = WithoutJobOptions(Trimmed(next));
          if (EndsDefinition(next) || part == "END" || (!inJobs && part == ":")) break;
          ++j;
          AddItems(part, clause->Kind, j, job, inJobs, items);
        }
        continue;
      }
      if (!inJobs || IsOtherJobClause(text)) continue;
      const std::string_view job = WithoutJobOptions(text);
      OutlineJob entry;
      entry.Key = job.find('#') != std::string_view::npos
                      ? std::string(TrimmedView(job))
                      : std::string(outline.Workstation) + "#" + std::string(job);
      entry.NodeKeyLength = std::min(entry.Key.find(' '), entry.Key.size());
      entry.Line = j;
      outline.Jobs.push_back(std::move(entry));
    }
    outlines.push_back(std::move(outline));
    i = j;
  }
  return outlines;
}

}  // namespace vdbq
