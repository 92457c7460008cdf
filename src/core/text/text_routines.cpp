#include "core/text/text_routines.h"

#include <vector>

namespace vdbq {
namespace {

// Up to this length the plain search costs at most this many comparisons per character.
constexpr size_t kShortPattern = 64;

// For each length k of a prefix of the pattern, the length of its longest proper border.
std::vector<size_t> BorderTable(std::string_view pattern) {
  std::vector<size_t> border(pattern.size() + 1, 0);
  size_t k = 0;
  for (size_t i = 1; i < pattern.size(); ++i) {
    while (k > 0 && pattern[i] != pattern[k]) k = border[k];
    if (pattern[i] == pattern[k]) ++k;
    border[i + 1] = k;
  }
  return border;
}

// Scans text from `from` with the prefix table, calling found(at) for each occurrence until it
// answers false.
template <typename Found>
void ScanWithBorders(std::string_view text, std::string_view pattern, size_t from, Found found) {
  const std::vector<size_t> border = BorderTable(pattern);
  size_t matched = 0;
  for (size_t i = from; i < text.size(); ++i) {
    while (matched > 0 && text[i] != pattern[matched]) matched = border[matched];
    if (text[i] == pattern[matched]) ++matched;
    if (matched == pattern.size()) {
      if (!found(i + 1 - pattern.size())) return;
      matched = border[matched];
    }
  }
}

}  // namespace

size_t FindText(std::string_view text, std::string_view pattern, size_t from) {
  if (pattern.size() <= kShortPattern || from > text.size() ||
      text.size() - from < pattern.size()) {
    return text.find(pattern, from);
  }
  size_t first = std::string_view::npos;
  ScanWithBorders(text, pattern, from, [&first](size_t at) {
    first = at;
    return false;
  });
  return first;
}

void ForEachOccurrence(std::string_view text, std::string_view pattern,
                       const std::function<void(size_t)>& visit) {
  if (pattern.size() <= kShortPattern) {
    for (size_t at = text.find(pattern); at != std::string_view::npos;
         at = text.find(pattern, at + 1)) {
      visit(at);
    }
    return;
  }
  if (text.size() < pattern.size()) return;
  ScanWithBorders(text, pattern, 0, [&visit](size_t at) {
    visit(at);
    return true;
  });
}

std::string_view CopyView(std::string_view text, long long start, long long count) {
  if (start < 1) start = 1;
  const auto size = static_cast<long long>(text.size());
  if (text.empty() || start > size || count <= 0) return {};
  const long long available = size - start + 1;
  return text.substr(static_cast<size_t>(start - 1),
                     static_cast<size_t>(count < available ? count : available));
}

std::string Copy(std::string_view text, long long start, long long count) {
  return std::string(CopyView(text, start, count));
}

std::string CopyFrom(std::string_view text, long long start) {
  return Copy(text, start, static_cast<long long>(text.size()) + 1);
}

long long Find(std::string_view pattern, std::string_view text) {
  if (pattern.empty() || text.empty()) return 0;
  const auto at = FindText(text, pattern);
  return at == std::string_view::npos ? 0 : static_cast<long long>(at) + 1;
}

std::string Delete(std::string_view text, long long start, long long count) {
  if (start < 1) start = 1;
  const auto size = static_cast<long long>(text.size());
  if (text.empty() || start > size || count <= 0) return std::string(text);
  const long long available = size - start + 1;
  const long long removed = count < available ? count : available;
  std::string result(text.substr(0, static_cast<size_t>(start - 1)));
  result.append(text.substr(static_cast<size_t>(start - 1 + removed)));
  return result;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string TrimBlanks(std::string_view text) { return std::string(TrimBlanksView(text)); }

std::string CsvField(std::string_view text, long long n) {
  if (n < 1 || text.empty()) return {};
  long long commas = 0;
  size_t fieldStart = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ',') continue;
    ++commas;
    if (commas == n) return std::string(text.substr(fieldStart, i - fieldStart));
    fieldStart = i + 1;
  }
  if (commas == n - 1) return std::string(text.substr(fieldStart));
  return {};
}

std::string FieldMarker(long long n) { return "!!<" + std::to_string(n) + ">!!"; }

std::string MarkedField(std::string_view record, long long n) {
  const std::string m1 = FieldMarker(n);
  const std::string m2 = FieldMarker(n + 1);
  const long long startMarker = Find(m1, record);
  if (startMarker == 0) return {};
  const long long start = startMarker + static_cast<long long>(m1.size());
  long long end = Find(m2, record);
  if (end == 0) end = static_cast<long long>(record.size()) + 1;
  return Copy(record, start, end - start);
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
  if (pattern.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  size_t from = 0;
  for (;;) {
    const size_t at = FindText(text, pattern, from);
    if (at == std::string_view::npos) break;
    result.append(text.substr(from, at - from));
    result.append(replacement);
    from = at + pattern.size();
  }
  result.append(text.substr(from));
  return result;
}

std::string ReplaceRepeatedly(std::string_view text, std::string_view pattern,
                              std::string_view replacement) {
  std::string result = ReplaceAll(text, pattern, replacement);
  if (pattern.empty() || Contains(replacement, pattern)) return result;
  // Each pass strictly shortens the text or removes the pattern, so this ends.
  while (Contains(result, pattern)) result = ReplaceAll(result, pattern, replacement);
  return result;
}

void SplitJobOptions(JobOptionState& state) {
  std::string& line = state.CurrentLine;
  auto separatorBefore = [&line](long long p) {
    const char c = line[static_cast<size_t>(p - 2)];
    return c == ' ' || c == '\t';
  };
  long long p = Find("CONFIRMED", line);
  if (p >= 2) {
    if (separatorBefore(p)) {
      state.ConfirmedRecord += "Y";
      line = TrimBlanks(Copy(line, 1, p - 1));
    }
    return;
  }
  p = Find("PRIORITY", line);
  if (p >= 2 && separatorBefore(p)) {
    state.PriorityRecord += TrimBlanks(CopyFrom(line, p + 9));
    line = TrimBlanks(Copy(line, 1, p - 1));
  }
}

}  // namespace vdbq
