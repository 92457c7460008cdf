#include "core/diff/extract_objects.h"

#include <algorithm>
#include <cstring>

#include "core/catalogue/catalogue.h"
#include "core/definitions/definition_lines.h"
#include "core/extracts/extract_store.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// TrimBlanks(line) upper-cased starts with prefix (upper case itself).
bool TrimmedUpperStartsWith(std::string_view line, std::string_view prefix) {
  const std::string_view trimmed = TrimBlanksView(line);
  if (trimmed.size() < prefix.size()) return false;
  for (size_t k = 0; k < prefix.size(); ++k) {
    char c = trimmed[k];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != prefix[k]) return false;
  }
  return true;
}

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Characters 1 to q - 2, where q is the 1-based position of the first double quote: the name
// of a calendar, parameter or prompt line.
std::string_view NameBeforeQuote(std::string_view line) {
  const size_t quote = line.find('"');
  return quote == std::string_view::npos || quote < 2 ? std::string_view{}
                                                      : line.substr(0, quote - 1);
}

using Lines = std::vector<std::string_view>;

long long Size(const Lines& lines) { return static_cast<long long>(lines.size()); }

// Collects definitions line by line: Open starts one with its header line, Take adds a line
// to it, Close ends it without its blank tail.
class Collector {
 public:
  void Open(std::string_view key, long long index, std::string_view line) {
    Close();
    open_ = true;
    current_ = ExtractObject{key, static_cast<std::uint32_t>(index), 1, line};
    count_ = 1;
  }
  // Lines of a block that the catalogue shows no object for end the open definition.
  void Ignore() { Close(); }
  bool IsOpen() const { return open_; }
  void Take(std::string_view line) {
    ++count_;
    if (IsBlankLine(line)) return;
    current_.Count = count_;
    current_.Text =
        std::string_view(current_.Text.data(),
                         static_cast<size_t>(line.data() + line.size() - current_.Text.data()));
  }
  void Close() {
    if (!open_) return;
    open_ = false;
    objects_.push_back(current_);
  }
  std::vector<ExtractObject> Finish() {
    Close();
    return std::move(objects_);
  }

 private:
  bool open_ = false;
  ExtractObject current_;
  std::uint32_t count_ = 0;
  std::vector<ExtractObject> objects_;
};

std::vector<ExtractObject> SplitWorkstations(std::string_view text) {
  Collector objects;
  LineWalker walk(text);
  std::string_view line;
  for (long long i = 0; walk.Next(line); ++i) {
    if (TrimmedUpperStartsWith(line, "CPUNAME")) {
      objects.Open(line.size() > 8 ? line.substr(8) : std::string_view{}, i, line);
    } else if (TrimmedUpperStartsWith(line, "CPUCLASS")) {
      objects.Ignore();
    } else if (objects.IsOpen()) {
      objects.Take(line);
      if (TrimmedUpperStartsWith(line, "END")) objects.Close();
    }
  }
  return objects.Finish();
}

std::vector<ExtractObject> SplitSchedules(std::string_view text) {
  Collector objects;
  LineWalker walk(text);
  std::string_view line;
  for (long long i = 0; walk.Next(line); ++i) {
    if (IsScheduleLine(line)) {
      if (IsScheduleHeaderLine(line)) {
        objects.Open(line.substr(9), i, line);
      } else {
        objects.Ignore();
      }
    } else if (objects.IsOpen()) {
      objects.Take(line);
      // The block index's test: a line beginning END ends the definition.
      if (StartsWith(line, "END")) objects.Close();
    }
  }
  return objects.Finish();
}

std::vector<ExtractObject> SplitJobs(std::string_view text) {
  Collector objects;
  LineWalker walk(text);
  std::string_view line;
  for (long long i = 0; walk.Next(line); ++i) {
    // RECOVERY ends a definition before anything else is asked of the line, as the job page
    // reads it.
    if (objects.IsOpen() && StartsWith(TrimBlanksView(line), "RECOVERY ")) {
      objects.Take(line);
      objects.Close();
    } else if (!StartsWith(line, "     ") && line.find('#') != std::string_view::npos) {
      // A job definition line as the catalogue counts them.
      // The text up to the first blank; a line without one gives an empty key.
      const size_t blank = line.find(' ');
      const std::string_view key = line.substr(0, blank == std::string_view::npos ? 0 : blank);
      if (key.find('#') != std::string_view::npos) {
        objects.Open(key, i, line);
      } else {
        objects.Ignore();
      }
    } else if (objects.IsOpen()) {
      objects.Take(line);
    }
  }
  return objects.Finish();
}

std::vector<ExtractObject> SplitCalendars(std::string_view text) {
  Collector objects;
  LineWalker walk(text);
  std::string_view line;
  for (long long i = 0; walk.Next(line); ++i) {
    // Line 0 is the file's header.
    if (i == 0) continue;
    if (!line.empty() && !StartsWith(line, "  ")) {
      objects.Open(NameBeforeQuote(line), i, line);
    } else if (objects.IsOpen()) {
      objects.Take(line);
    }
  }
  return objects.Finish();
}

// Rows below the last line's index are the ones the catalogue lists, those with a name.
std::vector<ExtractObject> SplitNameValueLines(const Lines& lines, std::string_view header) {
  std::vector<ExtractObject> objects;
  const long long lastLine = Size(lines) - 1;
  long long row = 0;
  for (long long i = 0; i <= lastLine; ++i) {
    const std::string_view line = lines[static_cast<size_t>(i)];
    if (line.empty() || StartsWith(line, header)) continue;
    const std::string_view name = NameBeforeQuote(line);
    if (row++ < lastLine && !name.empty()) {
      objects.push_back(ExtractObject{name, static_cast<std::uint32_t>(i), 1, line});
    }
  }
  return objects;
}

std::vector<ExtractObject> SplitResources(std::string_view text) {
  std::vector<ExtractObject> objects;
  LineWalker walk(text);
  std::string_view line;
  for (long long i = 0; walk.Next(line); ++i) {
    if (line.empty() || StartsWith(line, "$RESOURCE")) continue;
    size_t blanks = line.find("   ");
    if (blanks == std::string_view::npos) blanks = line.find("  ");
    // The TAB before the blanks is not part of the key.
    const std::string_view key = blanks == std::string_view::npos || blanks < 1
                                     ? std::string_view{}
                                     : line.substr(0, blanks - 1);
    objects.push_back(ExtractObject{key, static_cast<std::uint32_t>(i), 1, line});
  }
  return objects;
}

}  // namespace

LineWalker::LineWalker(std::string_view text)
    : at_(text.data()),
      end_(text.data() + text.size()),
      anyCr_(!text.empty() && std::memchr(text.data(), '\r', text.size()) != nullptr) {}

bool LineWalker::Next(std::string_view& line) {
  if (at_ >= end_) return false;
  if (lf_ == nullptr || lf_ < at_) {
    lf_ = static_cast<const char*>(std::memchr(at_, '\n', static_cast<size_t>(end_ - at_)));
    if (lf_ == nullptr) lf_ = end_;
  }
  const char* lf = lf_ == end_ ? nullptr : lf_;
  const char* stop = lf == nullptr ? end_ : lf;
  const char* next = lf == nullptr ? end_ : lf + 1;
  if (anyCr_) {
    // A CR ends the line too: before the LF as its pair, elsewhere on its own.
    const char* cr =
        static_cast<const char*>(std::memchr(at_, '\r', static_cast<size_t>(stop - at_)));
    if (cr != nullptr) {
      stop = cr;
      next = cr + 1 == lf ? lf + 1 : cr + 1;
    }
  }
  line = std::string_view(at_, static_cast<size_t>(stop - at_));
  at_ = next;
  return true;
}

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineWalker walk(text);
  std::string_view line;
  while (walk.Next(line)) lines.push_back(line);
  return lines;
}

std::vector<ExtractObject> SplitObjects(ObjectKind kind, std::string_view text) {
  switch (kind) {
    case ObjectKind::Workstation:
      return SplitWorkstations(text);
    case ObjectKind::Schedule:
      return SplitSchedules(text);
    case ObjectKind::Job:
      return SplitJobs(text);
    case ObjectKind::Calendar:
      return SplitCalendars(text);
    case ObjectKind::Parameter:
      return SplitNameValueLines(TextLines(text), "$PARM");
    case ObjectKind::Prompt:
      return SplitNameValueLines(TextLines(text), "$PROMPT");
    case ObjectKind::Resource:
      return SplitResources(text);
    case ObjectKind::None:
      break;
  }
  return {};
}

}  // namespace vdbq
