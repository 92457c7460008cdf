#include "core/reports/path_follows.h"

#include <algorithm>

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

bool IsComment(std::string_view line) { return !line.empty() && line.front() == '*'; }

bool EndsWithComma(const std::string& text) { return !text.empty() && text.back() == ','; }

// Only a text without any "#" is completed, and then only in front.
void AppendQualified(std::string& out, std::string_view text, std::string_view workstation) {
  if (!text.empty() && text.find('#') == std::string_view::npos) {
    out += workstation;
    out += '#';
  }
  out += text;
}

// A job FOLLOWS line or a line it runs on over, with its CONFIRMED or PRIORITY clause taken off.
std::string WithoutJobOptions(std::string_view line) {
  JobOptionState state;
  state.CurrentLine = line;
  SplitJobOptions(state);
  return std::move(state.CurrentLine);
}

}  // namespace

FollowsRead ReadScheduleFollowsUpTo(const LineList& lines, long long start, long long limit,
                                    std::string_view defaultWorkstation) {
  FollowsRead result;
  const long long end = std::min(limit, lines.Count());
  long long i = std::max(0LL, start);
  while (i < end) {
    const std::string_view line = TrimmedView(lines.At(i++));
    if (line == ":") break;
    if (line.empty() || IsComment(line) || !StartsWith(line, "FOLLOWS")) continue;
    result.Text.clear();
    AppendQualified(result.Text, TrimmedView(line.substr(std::min<size_t>(8, line.size()))),
                    defaultWorkstation);
    bool colonRead = false;
    while (EndsWithComma(result.Text) && i < end) {
      const std::string_view next = TrimmedView(lines.At(i++));
      // The ":" closes the header even when a clause wrongly runs on into it.
      if (next == ":") {
        colonRead = true;
        break;
      }
      AppendQualified(result.Text, next, defaultWorkstation);
    }
    if (colonRead) break;
  }
  result.NextLine = i;
  return result;
}

FollowsRead ReadJobFollowsUpTo(const LineList& lines, long long start, long long limit,
                               std::string_view defaultWorkstation) {
  FollowsRead result;
  std::string& list = result.Text;
  const long long end = std::min(limit, lines.Count());
  long long i = std::max(0LL, start);
  while (i < end) {
    const std::string_view line = TrimmedView(lines.At(i++));
    if (line == "END") break;
    if (!line.empty() && !IsComment(line) && StartsWith(line, "FOLLOWS ")) {
      AppendQualified(list, TrimmedView(CopyFrom(WithoutJobOptions(line), 9)), defaultWorkstation);
      bool endRead = false;
      while (EndsWithComma(list) && i < end) {
        const std::string_view next = TrimmedView(lines.At(i++));
        // Likewise "END" closes the schedule even inside a clause that runs on.
        if (next == "END") {
          endRead = true;
          break;
        }
        AppendQualified(list, WithoutJobOptions(next), defaultWorkstation);
      }
      if (endRead) break;
    }
    if (!list.empty() && list.back() != ',') list += ',';
  }
  if (EndsWithComma(list)) list.pop_back();
  result.NextLine = i;
  return result;
}

PathFollows ReadPathFollows(const LineList& lines, long long start, long long limit,
                            std::string_view defaultWorkstation) {
  PathFollows follows;
  FollowsRead header = ReadScheduleFollowsUpTo(lines, start, limit, defaultWorkstation);
  FollowsRead jobs = ReadJobFollowsUpTo(lines, header.NextLine, limit, defaultWorkstation);
  follows.ScheduleFollows = std::move(header.Text);
  follows.AllJobFollows = std::move(jobs.Text);
  follows.JobFollows = ReferencesToJobs(follows.AllJobFollows);
  return follows;
}

std::string ReferencesToJobs(std::string_view allJobFollows) {
  std::string joined;
  bool first = true;
  size_t itemStart = 0;
  while (itemStart <= allJobFollows.size()) {
    size_t comma = allJobFollows.find(',', itemStart);
    if (comma == std::string_view::npos) comma = allJobFollows.size();
    const std::string_view item = allJobFollows.substr(itemStart, comma - itemStart);
    if (item.find('.') != std::string_view::npos) {
      if (!first) joined += ',';
      joined += item;
      first = false;
    }
    itemStart = comma + 1;
  }
  return joined;
}

namespace {

bool RefersIn(std::string_view text, std::string_view name) {
  std::string reference(name);
  reference += '.';
  bool refers = false;
  ForEachOccurrence(text, reference, [&](size_t p) {
    refers = refers || p == 0 || text[p - 1] == '.' || text[p - 1] == ',' || text[p - 1] == '#';
  });
  return refers;
}

}  // namespace

bool Refers(std::string_view scheduleFollows, std::string_view allJobFollows,
            std::string_view name) {
  return RefersIn(scheduleFollows, name) || RefersIn(allJobFollows, name);
}

std::string_view WorkstationOfKey(std::string_view key) {
  const size_t hash = key.find('#');
  return hash == std::string_view::npos ? std::string_view() : key.substr(0, hash);
}

}  // namespace vdbq
