#include "core/search/text_matcher.h"

#include <re2/re2.h>

#include <bit>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace vdbq {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether the needle's bytes lie at `at`: OR-ing 0x20 turns an upper-case letter into its
// lower case, and no other byte into a letter.
bool SameFolded(const char* at, const std::string& needle, const std::string& fold) {
  for (size_t k = 0; k < needle.size(); ++k) {
    if (static_cast<char>(at[k] | fold[k]) != needle[k]) return false;
  }
  return true;
}

// The first place in [from, to) where the needle starts and ends by `to`: candidates are where
// its first and last bytes both match, 16 places at a time, then checked in full.
size_t FindFolded(std::string_view text, size_t from, size_t to, const std::string& needle,
                  const std::string& fold) {
  const size_t n = needle.size();
  if (to < n || from > to - n) return std::string_view::npos;
  const size_t lastStart = to - n;  // the last place a whole needle fits
  const char* p = text.data();
  size_t at = from;
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i first = _mm_set1_epi8(needle.front());
  const __m128i last = _mm_set1_epi8(needle.back());
  const __m128i firstFold = _mm_set1_epi8(fold.front());
  const __m128i lastFold = _mm_set1_epi8(fold.back());
  for (; at + 16 <= lastStart + 1; at += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at + n - 1));
    const __m128i hit = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstFold), first),
                                      _mm_cmpeq_epi8(_mm_or_si128(b, lastFold), last));
    for (auto bits = static_cast<unsigned>(_mm_movemask_epi8(hit)); bits != 0; bits &= bits - 1) {
      const size_t start = at + static_cast<size_t>(std::countr_zero(bits));
      if (SameFolded(p + start, needle, fold)) return start;
    }
  }
#endif
  for (; at <= lastStart; ++at) {
    if (SameFolded(p + at, needle, fold)) return at;
  }
  return std::string_view::npos;
}

}  // namespace

TextMatcher::TextMatcher(std::string_view pattern, bool regex, bool matchCase) {
  if (pattern.empty()) throw SearchPatternError("The search text is empty.");
  if (!regex) {
    needle_.assign(pattern);
    fold_.assign(pattern.size(), '\0');
    for (size_t k = 0; k < pattern.size() && !matchCase; ++k) {
      if (!IsAsciiLetter(pattern[k])) continue;
      needle_[k] = static_cast<char>(pattern[k] | 0x20);
      fold_[k] = 0x20;
    }
    return;
  }
  RE2::Options options;
  options.set_case_sensitive(matchCase);
  options.set_log_errors(false);
  // Compiled as given first, so that the message quotes what the user wrote.
  const RE2 asGiven(re2::StringPiece(pattern.data(), pattern.size()), options);
  if (!asGiven.ok()) {
    throw SearchPatternError("Malformed regular expression \"" + std::string(pattern) +
                             "\": " + asGiven.error());
  }
  // Multi-line: a whole extract is searched at once, and "^" and "$" mean its lines' ends.
  regex_ = std::make_unique<RE2>("(?m)" + std::string(pattern), options);
}

TextMatcher::~TextMatcher() = default;
TextMatcher::TextMatcher(TextMatcher&&) noexcept = default;
TextMatcher& TextMatcher::operator=(TextMatcher&&) noexcept = default;

std::optional<TextMatch> TextMatcher::Find(std::string_view text, size_t from, size_t to) const {
  if (!regex_) {
    const size_t at = FindFolded(text, from, to, needle_, fold_);
    if (at == std::string_view::npos) return std::nullopt;
    return TextMatch{at, at + needle_.size()};
  }
  if (from > to) return std::nullopt;
  re2::StringPiece match;
  if (!regex_->Match(re2::StringPiece(text.data(), text.size()), from, to, RE2::UNANCHORED,
                     &match, 1)) {
    return std::nullopt;
  }
  const auto begin = static_cast<size_t>(match.data() - text.data());
  return TextMatch{begin, begin + match.size()};
}

}  // namespace vdbq
