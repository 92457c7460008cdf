#include "core/check/schedule_outline.h"

#include <algorithm>
#include <array>
#include <span>

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

// Whether the text holds "CONFIRMED" or "PRIORITY": one pass for both words.
bool MayHoldJobOption(std::string_view text) {
  for (size_t at = 0; at + 8 <= text.size(); ++at) {
    if (text[at] == 'C' && text.substr(at, 9) == "CONFIRMED") return true;
    if (text[at] == 'P' && text.substr(at, 8) == "PRIORITY") return true;
  }
  return false;
}

// The text without a trailing CONFIRMED or PRIORITY clause. The cut text is a part of the
// text, so it is given as a view of it; only a text that holds either word is cut at all.
std::string_view WithoutJobOptions(std::string_view text) {
  if (!MayHoldJobOption(text)) return text;
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
              HugeVector<OutlineItem>& items) {
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

bool EndsDefinition(std::string_view raw) { return StartsWith(raw, "SCHEDULE "); }

}  // namespace

ScheduleOutlines ReadScheduleOutlines(const LineList& lines, Progress& progress) {
  ScheduleOutlines result;
  HugeVector<ScheduleOutline>& outlines = result.schedules_;
  // Where each outline's part of the shared arrays begins and ends, turned into views once
  // the arrays have stopped growing.
  struct Extent {
    size_t Begin[5];
    size_t End[5];
  };
  HugeVector<Extent> extents;
  HugeVector<OutlineItem>* arrays[4] = {&result.follows_, &result.needs_, &result.prompts_,
                                        &result.calendars_};
  auto sizes = [&](size_t(&at)[5]) {
    for (size_t k = 0; k < 4; ++k) at[k] = arrays[k]->size();
    at[4] = result.jobs_.size();
  };
  // Composed keys: the job, and where its key lies in composedKeys_.
  struct Composed {
    size_t Job;
    size_t Offset;
  };
  std::vector<Composed> composed;
  HugeVector<char>& composedKeys = result.composedKeys_;

  const long long count = lines.Count();
  // Room for what a file of this many lines usually holds, taken up front so that the arrays
  // are not copied as they grow; pages are only taken as they are written.
  const auto room = static_cast<size_t>(std::min<long long>(count, 1LL << 22));
  outlines.reserve(room / 8);
  extents.reserve(room / 8);
  result.jobs_.reserve(room / 2);
  result.follows_.reserve(room / 2);
  result.calendars_.reserve(room / 4);
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
    Extent extent;
    sizes(extent.Begin);
    const size_t firstJob = result.jobs_.size();
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
        const int job = inJobs ? static_cast<int>(result.jobs_.size() - firstJob) - 1 : -1;
        HugeVector<OutlineItem>& items = *arrays[static_cast<size_t>(clause->Kind)];
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
      if (job.find('#') != std::string_view::npos) {
        entry.Key = TrimmedView(job);
      } else {
        composed.push_back(Composed{result.jobs_.size(), composedKeys.size()});
        composedKeys.insert(composedKeys.end(), outline.Workstation.begin(),
                            outline.Workstation.end());
        composedKeys.push_back('#');
        composedKeys.insert(composedKeys.end(), job.begin(), job.end());
        // Its place is filled in once composedKeys has stopped growing.
        entry.Key = std::string_view(nullptr, outline.Workstation.size() + 1 + job.size());
      }
      if (entry.Key.data() != nullptr) {
        entry.NodeKeyLength = std::min(entry.Key.find(' '), entry.Key.size());
      }
      entry.Line = j;
      result.jobs_.push_back(entry);
    }
    sizes(extent.End);
    extents.push_back(extent);
    outlines.push_back(outline);
    i = j;
  }

  for (const Composed& c : composed) {
    OutlineJob& job = result.jobs_[c.Job];
    job.Key = std::string_view(composedKeys.data() + c.Offset, job.Key.size());
    job.NodeKeyLength = std::min(job.Key.find(' '), job.Key.size());
  }
  for (size_t k = 0; k < outlines.size(); ++k) {
    const Extent& extent = extents[k];
    std::span<const OutlineItem>* views[4] = {&outlines[k].Follows, &outlines[k].Needs,
                                              &outlines[k].Prompts, &outlines[k].Calendars};
    for (size_t a = 0; a < 4; ++a) {
      *views[a] = std::span<const OutlineItem>(*arrays[a])
                      .subspan(extent.Begin[a], extent.End[a] - extent.Begin[a]);
    }
    outlines[k].Jobs = std::span<const OutlineJob>(result.jobs_)
                           .subspan(extent.Begin[4], extent.End[4] - extent.Begin[4]);
  }
  return result;
}

}  // namespace vdbq
