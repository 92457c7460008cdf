#include "core/reports/packed_record.h"

namespace vdbq {
namespace {

constexpr long long kNotFound = -1;
constexpr std::string_view kMarkerOpen = "!!<";
constexpr std::string_view kMarkerClose = ">!!";

// The number of the marker that starts at `at` ("!!<" digits ">!!", written without leading
// zeros), 0 when none starts there or its number is out of range.
long long MarkerNumberAt(std::string_view record, size_t at, long long highest, size_t& length) {
  size_t digit = at + kMarkerOpen.size();
  if (digit >= record.size() || record[digit] < '1' || record[digit] > '9') return 0;
  long long number = 0;
  size_t end = digit;
  while (end < record.size() && record[end] >= '0' && record[end] <= '9') {
    if (number <= highest) number = number * 10 + (record[end] - '0');
    ++end;
  }
  if (record.substr(end, kMarkerClose.size()) != kMarkerClose || number > highest) return 0;
  length = end + kMarkerClose.size() - at;
  return number;
}

}  // namespace

std::vector<std::string> UnpackMarkedFields(std::string_view record, long long count) {
  if (count < 0) count = 0;
  // First position and length of markers 1 to count + 1.
  std::vector<long long> first(static_cast<size_t>(count + 2), kNotFound);
  std::vector<size_t> length(first.size(), 0);
  for (size_t at = record.find(kMarkerOpen); at != std::string_view::npos;
       at = record.find(kMarkerOpen, at + 1)) {
    size_t markerLength = 0;
    const long long number = MarkerNumberAt(record, at, count + 1, markerLength);
    if (number == 0 || first[static_cast<size_t>(number)] != kNotFound) continue;
    first[static_cast<size_t>(number)] = static_cast<long long>(at);
    length[static_cast<size_t>(number)] = markerLength;
  }

  std::vector<std::string> fields(static_cast<size_t>(count + 1));
  const auto recordSize = static_cast<long long>(record.size());
  for (long long n = 1; n <= count; ++n) {
    const long long opener = first[static_cast<size_t>(n)];
    if (opener == kNotFound) continue;
    const long long start = opener + static_cast<long long>(length[static_cast<size_t>(n)]);
    const long long closer = first[static_cast<size_t>(n + 1)];
    const long long end = closer == kNotFound ? recordSize : closer;
    if (end > start) {
      fields[static_cast<size_t>(n)] =
          std::string(record.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)));
    }
  }
  return fields;
}

}  // namespace vdbq
