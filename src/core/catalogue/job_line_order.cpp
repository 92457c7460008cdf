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

constexpr int kOffsetBits = 40;
constexpr unsigned long long kOffsetMask = (1ULL << kOffsetBits) - 1;
constexpr size_t kLongestPackedKey = (size_t{1} << (64 - kOffsetBits)) - 1;

// The keys in the given order, with their lines.
SortedJobLines InOrder(const ExtractStore& store, const std::vector<long long>& lines,
                       const std::vector<std::string_view>& keys,
                       const std::vector<size_t>& order) {
  SortedJobLines sorted{store.JobLines.Serial(), store.JobLineCount, false, {}};
  const LineList& text = store.JobLines;
  for (std::string_view key : keys) {
    if (!key.empty() && (key.size() > kLongestPackedKey || text.OffsetOf(key) > kOffsetMask)) {
      sorted.LineIndexes = true;
      break;
    }
  }
  sorted.Entries.reserve(order.size());
  for (size_t index : order) {
    const std::string_view key = keys[index];
    if (sorted.LineIndexes) {
      sorted.Entries.push_back(static_cast<unsigned long long>(lines[index]));
    } else if (key.empty()) {
      sorted.Entries.push_back(0);
    } else {
      sorted.Entries.push_back(static_cast<unsigned long long>(key.size()) << kOffsetBits |
                               text.OffsetOf(key));
    }
  }
  return sorted;
}

// The job definition lines and their keys in file order; `qualifiedOnly` keeps only keys
// with a workstation ("WS#JOB").
struct DefinitionKeys {
  std::vector<long long> Lines;
  std::vector<std::string_view> Keys;
};

DefinitionKeys JobDefinitionKeys(const ExtractStore& store, bool qualifiedOnly) {
  DefinitionKeys found;
  for (long long i = 0; i < store.JobLineCount; ++i) {
    const std::string_view line = store.JobLines.At(i);
    if (!IsJobDefinitionLine(line)) continue;
    const std::string_view key = JobKeyView(line);
    if (qualifiedOnly && key.find('#') == std::string_view::npos) continue;
    found.Lines.push_back(i);
    found.Keys.push_back(key);
  }
  return found;
}

}  // namespace

std::string_view JobKeyOrder::operator[](size_t k) const {
  const unsigned long long entry = sorted_.Entries[k];
  if (sorted_.LineIndexes) return JobKeyView(store_.JobLines.At(static_cast<long long>(entry)));
  return store_.JobLines.TextAt(static_cast<size_t>(entry & kOffsetMask),
                                static_cast<size_t>(entry >> kOffsetBits));
}

JobKeyOrder JobKeysSortedByKey(const ExtractStore& store, const Catalogue& catalogue) {
  if (!Current(catalogue.JobLinesByKey, store)) {
    const DefinitionKeys found = JobDefinitionKeys(store, false);
    catalogue.JobLinesByKey =
        InOrder(store, found.Lines, found.Keys, CollationOrder(found.Keys));
  }
  return JobKeyOrder(store, *catalogue.JobLinesByKey);
}

JobKeyOrder JobKeysSortedByName(const ExtractStore& store, const Catalogue& catalogue) {
  if (!Current(catalogue.JobLinesByName, store)) {
    const DefinitionKeys found = JobDefinitionKeys(store, true);
    const std::vector<std::string_view>& keys = found.Keys;
    // The swapped keys stand in one buffer; it does not grow while the views are taken.
    size_t total = 0;
    for (std::string_view key : keys) total += key.size();
    std::string swapped;
    swapped.reserve(total);
    std::vector<std::string_view> swappedKeys;
    swappedKeys.reserve(keys.size());
    for (std::string_view key : keys) {
      const size_t hash = key.find('#');
      const size_t at = swapped.size();
      swapped.append(key.substr(hash + 1)).append("#").append(key.substr(0, hash));
      swappedKeys.push_back(std::string_view(swapped).substr(at, key.size()));
    }
    SortedJobLines sorted = InOrder(store, found.Lines, keys, CollationOrder(swappedKeys));
    catalogue.JobLinesByName = std::move(sorted);
  }
  return JobKeyOrder(store, *catalogue.JobLinesByName);
}

}  // namespace vdbq
