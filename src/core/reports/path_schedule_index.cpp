#include "core/reports/path_schedule_index.h"

#include <algorithm>

#include "core/definitions/definition_lines.h"
#include "core/text/text_routines.h"

namespace vdbq {

PathScheduleIndex::PathScheduleIndex(const ExtractStore& store, Progress& progress) {
  const LineList& lines = store.ScheduleLines;
  const long long count = lines.Count();
  long long lastBlock = -1;
  // About one schedule a block: room for them at once, not copied as the list grows.
  const auto blocks = static_cast<size_t>(std::max<long long>(store.ScheduleBlockCount, 0));
  schedules_.reserve(blocks + 1);
  firstInBlock_.reserve(blocks + 1);
  for (long long i = 0; i < count; ++i) {
    progress.Tick();
    std::string_view line = lines.At(i);
    if (!IsScheduleLine(line)) continue;
    PathSchedule schedule;
    schedule.Line = i;
    schedule.Key = TrimBlanks(std::string_view(line).substr(9));
    const long long block = store.BlockOfLine(i);
    if (block != lastBlock) {
      firstInBlock_.try_emplace(std::string_view(line).substr(9),
                                static_cast<uint32_t>(schedules_.size()));
      lastBlock = block;
    }
    schedules_.push_back(std::move(schedule));
  }
  for (size_t k = 0; k < schedules_.size(); ++k) {
    PathSchedule& schedule = schedules_[k];
    schedule.Limit = k + 1 < schedules_.size() ? schedules_[k + 1].Line : count;
    schedule.Follows =
        ReadPathFollows(lines, schedule.Line + 1, schedule.Limit, WorkstationOfKey(schedule.Key));
  }
  // Only now are the texts in their final place.
  for (size_t k = 0; k < schedules_.size(); ++k) {
    const uint32_t id = static_cast<uint32_t>(k);
    referring_.Add(id, schedules_[k].Follows.ScheduleFollows);
    referring_.Add(id, schedules_[k].Follows.AllJobFollows);
  }
}

const PathSchedule* PathScheduleIndex::Find(std::string_view key) const {
  const auto found = firstInBlock_.find(key);
  return found == firstInBlock_.end() ? nullptr : &schedules_[found->second];
}

}  // namespace vdbq
