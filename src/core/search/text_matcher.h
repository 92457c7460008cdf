#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace re2 {
class RE2;
}

namespace vdbq {

// A pattern that cannot be searched for: a malformed regular expression or an empty text.
class SearchPatternError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TextMatch {
  size_t Begin = 0;
  size_t End = 0;
};

// Finds a plain text (ASCII letters in either case unless matchCase) or an RE2 regular
// expression, whose "^" and "$" hold at line breaks so that a whole text can be searched at
// once. RE2 runs in time linear in the text, so no pattern can hang a search.
class TextMatcher {
 public:
  // Throws SearchPatternError for an empty pattern or a regular expression RE2 rejects.
  TextMatcher(std::string_view pattern, bool regex, bool matchCase);
  ~TextMatcher();
  TextMatcher(TextMatcher&&) noexcept;
  TextMatcher& operator=(TextMatcher&&) noexcept;

  // The first match that starts in text[from, to); to is a line break or the end of the text,
  // and a match never reaches past it. text before from is context only (for "^" and "\b").
  std::optional<TextMatch> Find(std::string_view text, size_t from, size_t to) const;

 private:
  std::string needle_;  // the plain text, letters lower-cased when case does not matter
  std::string fold_;    // 0x20 where a byte of needle_ is a letter compared in either case
  std::unique_ptr<re2::RE2> regex_;
};

}  // namespace vdbq
