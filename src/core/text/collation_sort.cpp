#include "core/text/collation_sort.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace vdbq {
namespace {

// Extract text is single-byte; lines that are not valid UTF-8 are read as Latin-1 so that every
// byte still has a defined place in the order.
icu::UnicodeString DecodeLine(const std::string& line) {
  icu::UnicodeString decoded = icu::UnicodeString::fromUTF8(line);
  if (decoded.indexOf(static_cast<char16_t>(0xFFFD)) >= 0 && line.find("\xEF\xBF\xBD") == std::string::npos) {
    decoded = icu::UnicodeString(line.data(), static_cast<int32_t>(line.size()), "ISO-8859-1");
  }
  return decoded;
}

// The "C" locale maps to a POSIX tailoring that orders by code point; a user who has chosen no
// language gets the common order of all languages instead.
icu::Locale UserLocale() {
  const icu::Locale user = icu::Locale::getDefault();
  const std::string name = user.getName();
  if (name.empty() || name == "c" || name.rfind("en_US_POSIX", 0) == 0) return icu::Locale::getRoot();
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

}  // namespace

void SortScratchLines(std::vector<std::string>& lines) {
  if (lines.size() < 2) return;
  thread_local std::unique_ptr<icu::Collator> collator = MakeCollator();
  if (!collator) {
    std::stable_sort(lines.begin(), lines.end());
    return;
  }
  // One sort key per line, computed once, then compared as bytes.
  std::vector<std::string> keys(lines.size());
  std::vector<uint8_t> buffer(256);
  for (size_t i = 0; i < lines.size(); ++i) {
    const icu::UnicodeString text = DecodeLine(lines[i]);
    int32_t needed = collator->getSortKey(text, buffer.data(), static_cast<int32_t>(buffer.size()));
    if (needed > static_cast<int32_t>(buffer.size())) {
      buffer.resize(static_cast<size_t>(needed));
      needed = collator->getSortKey(text, buffer.data(), static_cast<int32_t>(buffer.size()));
    }
    keys[i].assign(reinterpret_cast<const char*>(buffer.data()),
                   needed > 0 ? static_cast<size_t>(needed) : 0);
  }
  std::vector<size_t> order(lines.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
  std::vector<std::string> sorted;
  sorted.reserve(lines.size());
  for (size_t index : order) sorted.push_back(std::move(lines[index]));
  lines = std::move(sorted);
}

}  // namespace vdbq
