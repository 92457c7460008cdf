#include "core/text/collation_sort.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/sortkey.h>
#include <unicode/ucol.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>
#include <unicode/usetiter.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numeric>

namespace vdbq {
namespace {

// Extract text is single-byte; lines that are not valid UTF-8 are read as Latin-1 so that every
// byte still has a defined place in the order.
icu::UnicodeString DecodeLine(std::string_view line) {
  icu::UnicodeString decoded = icu::UnicodeString::fromUTF8(
      icu::StringPiece(line.data(), static_cast<int32_t>(line.size())));
  if (decoded.indexOf(static_cast<char16_t>(0xFFFD)) >= 0 &&
      line.find("\xEF\xBF\xBD") == std::string_view::npos) {
    decoded = icu::UnicodeString(line.data(), static_cast<int32_t>(line.size()), "ISO-8859-1");
  }
  return decoded;
}

// The "C" locale maps to a POSIX tailoring that orders by code point; a user who has chosen no
// language gets the common order of all languages instead.
icu::Locale UserLocale() {
  const icu::Locale user = icu::Locale::getDefault();
  const std::string name = user.getName();
  if (name.empty() || name == "c" || name.rfind("en_US_POSIX", 0) == 0)
    return icu::Locale::getRoot();
  return user;
}

std::unique_ptr<icu::Collator> MakeCollator() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(UserLocale(), status));
  if (U_FAILURE(status) || !collator) {
    status = U_ZERO_ERROR;
    collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
  }
  if (collator) {
    status = U_ZERO_ERROR;
    collator->setStrength(icu::Collator::SECONDARY);
    collator->setAttribute(UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, status);
  }
  return collator;
}

std::string SortKeyOf(const icu::Collator& collator, const icu::UnicodeString& text,
                      std::vector<uint8_t>& buffer) {
  int32_t needed = collator.getSortKey(text, buffer.data(), static_cast<int32_t>(buffer.size()));
  if (needed > static_cast<int32_t>(buffer.size())) {
    buffer.resize(static_cast<size_t>(needed));
    needed = collator.getSortKey(text, buffer.data(), static_cast<int32_t>(buffer.size()));
  }
  return std::string(reinterpret_cast<const char*>(buffer.data()),
                     needed > 0 ? static_cast<size_t>(needed) : 0);
}

// Where the collation weighs each ASCII character alone, with one primary weight and the
// common secondary weight (as the root order and most languages do for the extracts' plain
// names), comparing two ASCII lines at secondary strength is comparing their characters'
// primary weights in turn, the shorter line first when one is the start of the other. Each
// such character gets its primary weight's rank (1 and up, letter cases sharing one); the
// others get 0 and send a sort through the library.
struct AsciiRanks {
  std::array<uint8_t, 256> Rank{};
};

AsciiRanks MakeAsciiRanks(const icu::Collator& collator) {
  AsciiRanks ranks;
  // Characters that start or take part in a contraction, or expand, are weighed in company.
  std::array<bool, 128> excluded{};
  UErrorCode status = U_ZERO_ERROR;
  icu::UnicodeSet contractions;
  icu::UnicodeSet expansions;
  ucol_getContractionsAndExpansions(collator.toUCollator(), contractions.toUSet(),
                                    expansions.toUSet(), true, &status);
  if (U_FAILURE(status)) return ranks;
  for (icu::UnicodeSetIterator it(contractions); it.next();) {
    const icu::UnicodeString text =
        it.isString() ? it.getString() : icu::UnicodeString(it.getCodepoint());
    bool allAscii = true;
    for (int32_t k = 0; k < text.length(); ++k) allAscii = allAscii && text.charAt(k) < 128;
    if (!allAscii) continue;
    for (int32_t k = 0; k < text.length(); ++k) excluded[text.charAt(k)] = true;
  }
  for (int c = 1; c < 128; ++c) {
    if (expansions.contains(c)) excluded[static_cast<size_t>(c)] = true;
  }
  std::vector<uint8_t> buffer(64);
  std::array<std::string, 128> primary;
  std::string commonSecondary;
  bool haveCommon = false;
  for (int c = 1; c < 128; ++c) {
    if (excluded[static_cast<size_t>(c)]) continue;
    const std::string key =
        SortKeyOf(collator, icu::UnicodeString(static_cast<UChar32>(c)), buffer);
    // A sort key is the primary weights, 01, the secondary weights, 00.
    const size_t separator = key.find('\x01');
    if (separator == std::string::npos || separator == 0) continue;
    const std::string secondary = key.substr(separator);
    if (!haveCommon) {
      commonSecondary = SortKeyOf(collator, icu::UnicodeString(static_cast<UChar32>('a')), buffer);
      commonSecondary = commonSecondary.substr(commonSecondary.find('\x01'));
      haveCommon = true;
    }
    if (secondary != commonSecondary) continue;
    primary[static_cast<size_t>(c)] = key.substr(0, separator);
  }
  std::vector<int> chars;
  for (int c = 1; c < 128; ++c) {
    if (!primary[static_cast<size_t>(c)].empty()) chars.push_back(c);
  }
  std::stable_sort(chars.begin(), chars.end(),
                   [&primary](int a, int b) { return primary[size_t(a)] < primary[size_t(b)]; });
  uint8_t rank = 0;
  for (size_t k = 0; k < chars.size(); ++k) {
    if (k == 0 || primary[size_t(chars[k])] != primary[size_t(chars[k - 1])]) ++rank;
    ranks.Rank[static_cast<size_t>(chars[k])] = rank;
  }
  return ranks;
}

struct Collation {
  std::unique_ptr<icu::Collator> Collator = MakeCollator();
  AsciiRanks Ranks = Collator ? MakeAsciiRanks(*Collator) : AsciiRanks{};
};

const Collation& ThreadCollation() {
  thread_local const Collation collation;
  return collation;
}

// Up to eight ranks packed so that comparing the numbers compares those characters; a missing
// character (rank 0) sorts first, as the shorter of two lines does.
uint64_t PackedRanks(const AsciiRanks& ranks, std::string_view line, size_t from) {
  uint64_t packed = 0;
  for (size_t k = 0; k < 8; ++k) {
    const size_t at = from + k;
    const uint64_t rank = at < line.size() ? ranks.Rank[static_cast<uint8_t>(line[at])] : 0;
    packed = (packed << 8) | rank;
  }
  return packed;
}

// Sorts by ranks, or returns false when a line holds a character the ranks do not cover.
bool RankOrder(const AsciiRanks& ranks, std::span<const std::string_view> lines,
               std::vector<size_t>& order) {
  struct Item {
    uint64_t Head;
    uint64_t Next;
    uint32_t Index;
  };
  std::vector<Item> items(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    for (char c : line) {
      if (ranks.Rank[static_cast<uint8_t>(c)] == 0) return false;
    }
    items[i] =
        Item{PackedRanks(ranks, line, 0), PackedRanks(ranks, line, 8), static_cast<uint32_t>(i)};
  }
  auto tailLess = [&ranks, lines](uint32_t a, uint32_t b) {
    const std::string_view x = lines[a];
    const std::string_view y = lines[b];
    const size_t common = std::min(x.size(), y.size());
    for (size_t k = 16; k < common; ++k) {
      const uint8_t rx = ranks.Rank[static_cast<uint8_t>(x[k])];
      const uint8_t ry = ranks.Rank[static_cast<uint8_t>(y[k])];
      if (rx != ry) return rx < ry ? -1 : 1;
    }
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return 0;
  };
  std::sort(items.begin(), items.end(), [&tailLess](const Item& a, const Item& b) {
    if (a.Head != b.Head) return a.Head < b.Head;
    if (a.Next != b.Next) return a.Next < b.Next;
    const int tail = tailLess(a.Index, b.Index);
    if (tail != 0) return tail < 0;
    return a.Index < b.Index;
  });
  order.resize(items.size());
  for (size_t i = 0; i < items.size(); ++i) order[i] = items[i].Index;
  return true;
}

std::vector<size_t> SortKeyOrder(const icu::Collator& collator,
                                 std::span<const std::string_view> lines) {
  // One sort key per line, computed once, then compared as bytes.
  std::vector<std::string> keys(lines.size());
  std::vector<uint8_t> buffer(256);
  for (size_t i = 0; i < lines.size(); ++i)
    keys[i] = SortKeyOf(collator, DecodeLine(lines[i]), buffer);
  std::vector<size_t> order(lines.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
  return order;
}

}  // namespace

std::vector<size_t> LibraryCollationOrder(std::span<const std::string_view> lines) {
  const Collation& collation = ThreadCollation();
  if (collation.Collator) return SortKeyOrder(*collation.Collator, lines);
  std::vector<size_t> order(lines.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [lines](size_t a, size_t b) { return lines[a] < lines[b]; });
  return order;
}

std::vector<size_t> CollationOrder(std::span<const std::string_view> lines) {
  std::vector<size_t> order;
  if (lines.size() < 2) {
    order.resize(lines.size());
    std::iota(order.begin(), order.end(), size_t{0});
    return order;
  }
  const Collation& collation = ThreadCollation();
  if (collation.Collator && lines.size() <= UINT32_MAX &&
      RankOrder(collation.Ranks, lines, order)) {
    return order;
  }
  return LibraryCollationOrder(lines);
}

void SortScratchLines(std::vector<std::string>& lines) {
  if (lines.size() < 2) return;
  const std::vector<std::string_view> views(lines.begin(), lines.end());
  const std::vector<size_t> order = CollationOrder(views);
  std::vector<std::string> sorted;
  sorted.reserve(lines.size());
  for (size_t index : order) sorted.push_back(std::move(lines[index]));
  lines = std::move(sorted);
}

}  // namespace vdbq
