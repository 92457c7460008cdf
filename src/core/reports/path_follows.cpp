#include "core/reports/path_follows.h"

#include "core/definitions/follows_clauses.h"
#include "core/text/text_routines.h"

namespace vdbq {

PathFollows ReadPathFollows(const LineList& lines, long long start, long long limit,
                            std::string_view defaultWorkstation) {
  PathFollows follows;
  FollowsRead header = ReadScheduleFollows(lines, start, limit, defaultWorkstation, [] {});
  FollowsRead jobs = ReadJobFollows(lines, header.NextLine, limit, defaultWorkstation);
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
