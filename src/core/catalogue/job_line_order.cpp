#include "core/catalogue/job_line_order.h"

#include <string>
#include <string_view>

#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

bool Current(const JobKeyList& list, const ExtractStore& store) {
  return list.JobLinesSerial == store.JobLines.Serial() && list.JobLineCount == store.JobLineCount;
}

constexpr int kOffsetBits = 40;
constexpr unsigned long long kOffsetMask = (1ULL << kOffsetBits) - 1;
constexpr size_t kLongestPackedKey = (size_t{1} << (64 - kOffsetBits)) - 1;

bool Packs(const LineList& text, std::string_view key) {
  return key.empty() || (key.size() <= kLongestPackedKey && text.OffsetOf(key) <= kOffsetMask);
}

unsigned long long Packed(const LineList& text, std::string_view key) {
  if (key.empty()) return 0;
  return static_cast<unsigned long long>(key.size()) << kOffsetBits | text.OffsetOf(key);
}

std::string_view Unpacked(const LineList& text, unsigned long long entry) {
  return text.TextAt(static_cast<size_t>(entry & kOffsetMask),
                     static_cast<size_t>(entry >> kOffsetBits));
}

// The job definition lines and their keys in file order; `qualifiedOnly` keeps only keys
// with a workstation ("WS#JOB"). Lines is filled only when the keys are read from the file.
struct DefinitionKeys {
  std::vector<long long> Lines;
  std::vector<std::string_view> Keys;
};

// From the catalogue's list when it holds this jobs file's keys, else read from the file.
DefinitionKeys JobDefinitionKeys(const ExtractStore& store, const Catalogue& catalogue,
                                 bool qualifiedOnly) {
  DefinitionKeys found;
  const JobKeyList& inFileOrder = catalogue.JobLinesInFileOrder;
  if (Current(inFileOrder, store) && !inFileOrder.LineIndexes) {
    found.Keys.reserve(inFileOrder.Entries.size());
    for (unsigned long long entry : inFileOrder.Entries) {
      const std::string_view key = Unpacked(store.JobLines, entry);
      if (qualifiedOnly && key.find('#') == std::string_view::npos) continue;
      found.Keys.push_back(key);
    }
    return found;
  }
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

// The keys in the given order, with their lines. Keys taken from a packed list always pack.
JobKeyList InOrder(const ExtractStore& store, const DefinitionKeys& found,
                   const std::vector<size_t>& order) {
  JobKeyList sorted{store.JobLines.Serial(), store.JobLineCount, false, {}};
  const LineList& text = store.JobLines;
  for (std::string_view key : found.Keys) {
    if (!Packs(text, key)) {
      sorted.LineIndexes = true;
      break;
    }
  }
  sorted.Entries.reserve(order.size());
  for (size_t index : order) {
    sorted.Entries.push_back(sorted.LineIndexes
                                 ? static_cast<unsigned long long>(found.Lines[index])
                                 : Packed(text, found.Keys[index]));
  }
  return sorted;
}

}  // namespace

std::string_view JobKeyOrder::operator[](size_t k) const {
  const unsigned long long entry = sorted_.Entries[k];
  if (sorted_.LineIndexes) return JobKeyView(store_.JobLines.At(static_cast<long long>(entry)));
  return Unpacked(store_.JobLines, entry);
}

HugeVector<std::string_view> JobKeysInFileOrder(const ExtractStore& store) {
  HugeVector<std::string_view> keys;
  // Untouched room costs no memory: a jobs file has fewer header lines than lines.
  keys.reserve(static_cast<size_t>(store.JobLineCount));
  for (long long i = 0; i < store.JobLineCount; ++i) {
    const std::string_view line = store.JobLines.At(i);
    // As JobKeyView, each test once: most lines are indented clauses.
    if (StartsWith(line, "     ") || line.find('#') == std::string_view::npos) continue;
    const size_t blank = line.find(' ');
    keys.push_back(blank == std::string_view::npos ? std::string_view() : line.substr(0, blank));
  }
  return keys;
}

JobKeyList PackedJobKeys(const ExtractStore& store, const HugeVector<std::string_view>& keys) {
  JobKeyList list{store.JobLines.Serial(), store.JobLineCount, false, {}};
  for (std::string_view key : keys) {
    if (!Packs(store.JobLines, key)) return JobKeyList{};
  }
  list.Entries.reserve(keys.size());
  for (std::string_view key : keys) list.Entries.push_back(Packed(store.JobLines, key));
  return list;
}

JobKeyOrder JobKeysSortedByKey(const ExtractStore& store, const Catalogue& catalogue) {
  if (!catalogue.JobLinesByKey || !Current(*catalogue.JobLinesByKey, store)) {
    const DefinitionKeys found = JobDefinitionKeys(store, catalogue, false);
    catalogue.JobLinesByKey = InOrder(store, found, CollationOrder(found.Keys));
  }
  return JobKeyOrder(store, *catalogue.JobLinesByKey);
}

JobKeyOrder JobKeysSortedByName(const ExtractStore& store, const Catalogue& catalogue) {
  if (!catalogue.JobLinesByName || !Current(*catalogue.JobLinesByName, store)) {
    const DefinitionKeys found = JobDefinitionKeys(store, catalogue, true);
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
    catalogue.JobLinesByName = InOrder(store, found, CollationOrder(swappedKeys));
  }
  return JobKeyOrder(store, *catalogue.JobLinesByName);
}

}  // namespace vdbq
