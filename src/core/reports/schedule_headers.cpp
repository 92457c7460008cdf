#include "core/reports/schedule_headers.h"

namespace vdbq {

std::optional<long long> FindScheduleHeader(const ExtractStore& store, std::string_view key,
                                            Progress& progress) {
  std::optional<long long> found;
  ForEachScheduleHeader(store, progress, [&](long long line) {
    if (std::string_view(store.ScheduleLines.At(line)).substr(9) != key) return true;
    found = line;
    return false;
  });
  return found;
}

}  // namespace vdbq
