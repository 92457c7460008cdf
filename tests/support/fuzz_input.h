#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/extracts/extract_store.h"

namespace vdbq::testing {

// How the fuzzer's input holds a database: the seven extract texts in load order, then the
// texts that searches and pages are tried with (one per line), each part ended by the
// separator. A single byte keeps file boundaries easy for the fuzzer to move, add and drop;
// parts it does not hold are empty files, and anything after the eighth part is ignored.
inline constexpr char kFuzzPartSeparator = '\x1e';

struct FuzzInput {
  ExtractTexts Texts;
  std::vector<std::string> Searches;
};

inline FuzzInput SplitFuzzInput(std::string_view data) {
  FuzzInput input;
  const size_t fileCount = input.Texts.size();
  std::string searches;
  for (size_t part = 0; part <= fileCount && !data.empty(); ++part) {
    const size_t end = data.find(kFuzzPartSeparator);
    const std::string_view text = data.substr(0, end);
    if (part < fileCount) {
      input.Texts[part] = std::string(text);
    } else {
      searches = std::string(text);
    }
    data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
  }
  size_t start = 0;
  while (start < searches.size()) {
    size_t end = searches.find('\n', start);
    if (end == std::string::npos) end = searches.size();
    input.Searches.push_back(searches.substr(start, end - start));
    start = end + 1;
  }
  return input;
}

inline std::string JoinFuzzInput(const ExtractTexts& texts,
                                 const std::vector<std::string>& searches) {
  std::string data;
  for (const std::string& text : texts) {
    data += text;
    data += kFuzzPartSeparator;
  }
  for (const std::string& search : searches) {
    data += search;
    data += '\n';
  }
  data += kFuzzPartSeparator;
  return data;
}

}  // namespace vdbq::testing
