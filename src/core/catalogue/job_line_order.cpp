#include "core/catalogue/job_line_order.h"

#include <string>
#include <string_view>

#include "core/text/collation_sort.h"

namespace vdbq {
namespace {

bool Current(const std::optional<SortedJobLines>& sorted, const ExtractStore& store) {
  return sorted && sorted->JobLinesSerial == store.JobLines.Serial() &&
         sorted->JobLineCount == store.JobLineCount;
}

SortedJobLines InOrder(const ExtractStore& store, const std::vector<long long>& lines,
                       const std::vector<std::string_view>& keys) {
  SortedJobLines sorted{store.JobLines.Serial(), store.JobLineCount, {}};
  sorted.Lines.reserve(lines.size());
  for (size_t index : CollationOrder(keys)) sorted.Lines.push_back(lines[index]);
  return sorted;
}

}  // namespace

const std::vector<long long>& JobLinesSortedByKey(const ExtractStore& store,
                                                  const Catalogue& catalogue) {
  if (!Current(catalogue.JobLinesByKey, store)) {
    std::vector<long long> lines;
    std::vector<std::string_view> keys;
    for (long long i = 0; i < store.JobLineCount; ++i) {
      const std::string_view line = store.JobLines.At(i);
      if (!IsJobDefinitionLine(line)) continue;
      lines.push_back(i);
      keys.push_back(JobKeyView(line));
    }
    catalogue.JobLinesByKey = InOrder(store, lines, keys);
  }
  return catalogue.JobLinesByKey->Lines;
}

const std::vector<long long>& JobLinesSortedByName(const ExtractStore& store,
                                                   const Catalogue& catalogue) {
  if (!Current(catalogue.JobLinesByName, store)) {
    std::vector<long long> lines;
    std::vector<std::string_view> keys;
    for (long long i = 0; i < store.JobLineCount; ++i) {
      const std::string_view line = store.JobLines.At(i);
      if (!IsJobDefinitionLine(line)) continue;
      const std::string_view key = JobKeyView(line);
      if (key.find('#') == std::string_view::npos) continue;
      lines.push_back(i);
      keys.push_back(key);
    }
    // The swapped keys stand in one buffer; it does not grow while the views are taken.
    size_t total = 0;
    for (std::string_view key : keys) total += key.size();
    std::string swapped;
    swapped.reserve(total);
    for (std::string_view& key : keys) {
      const size_t hash = key.find('#');
      const size_t at = swapped.size();
      swapped.append(key.substr(hash + 1)).append("#").append(key.substr(0, hash));
      key = std::string_view(swapped).substr(at, key.size());
    }
    catalogue.JobLinesByName = InOrder(store, lines, keys);
  }
  return catalogue.JobLinesByName->Lines;
}

}  // namespace vdbq
