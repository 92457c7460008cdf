#include "core/diff/extract_objects.h"

#include <cstring>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

struct KindTexts {
  const char* File;
  const char* Name;
  const char* Heading;
};

constexpr std::array<KindTexts, kObjectKindCount> kKindTexts{{
    {kCpusFile, "workstations", kHeadingWorkstations},
    {kSchedulesFile, "schedules", kHeadingSchedules},
    {kJobsFile, "jobs", kHeadingJobs},
    {kCalendarsFile, "calendars", kHeadingCalendars},
    {kParmsFile, "parameters", kHeadingParameters},
    {kPromptsFile, "prompts", kHeadingPrompts},
    {kResourcesFile, "resources", kHeadingResources},
}};

// What TrimBlanks keeps of a line, without copying it.
std::string_view Trimmed(std::string_view line) {
  size_t end = line.size();
  while (end > 0 && line[end - 1] == ' ') --end;
  size_t begin = 0;
  while (begin < end && line[begin] == ' ') ++begin;
  while (begin < end && line[begin] == '\t') ++begin;
  return line.substr(begin, end - begin);
}

// TrimBlanks(line) upper-cased starts with prefix (upper case itself).
bool TrimmedUpperStartsWith(std::string_view line, std::string_view prefix) {
  const std::string_view trimmed = Trimmed(line);
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

// The bytes from the object's first line to the end of its last one.
ExtractObject WithText(ExtractObject object, const Lines& lines) {
  const std::string_view first = lines[object.First];
  const std::string_view last = lines[object.First + object.Count - 1];
  object.Text = std::string_view(first.data(),
                                 static_cast<size_t>(last.data() + last.size() - first.data()));
  return object;
}

// Collects definitions line by line: Open starts one, Take adds the current line to it,
// Close ends it, dropping its blank tail.
class Collector {
 public:
  explicit Collector(const Lines& lines) : lines_(lines) {}

  void Open(std::string_view key, long long line) {
    Close();
    open_ = true;
    current_ = ExtractObject{key, static_cast<std::uint32_t>(line), 1, {}};
  }
  // Lines of a block that the catalogue shows no object for end the open definition.
  void Ignore() { Close(); }
  bool IsOpen() const { return open_; }
  void Take() { ++current_.Count; }
  void Close() {
    if (!open_) return;
    open_ = false;
    while (current_.Count > 1 && IsBlankLine(lines_[current_.First + current_.Count - 1])) {
      --current_.Count;
    }
    objects_.push_back(WithText(current_, lines_));
  }
  std::vector<ExtractObject> Finish() {
    Close();
    return std::move(objects_);
  }

 private:
  const Lines& lines_;
  bool open_ = false;
  ExtractObject current_;
  std::vector<ExtractObject> objects_;
};

std::vector<ExtractObject> SplitWorkstations(const Lines& lines) {
  Collector objects(lines);
  for (long long i = 0; i < Size(lines); ++i) {
    const std::string_view line = lines[static_cast<size_t>(i)];
    if (TrimmedUpperStartsWith(line, "CPUNAME")) {
      objects.Open(line.size() > 8 ? line.substr(8) : std::string_view{}, i);
    } else if (TrimmedUpperStartsWith(line, "CPUCLASS")) {
      objects.Ignore();
    } else if (objects.IsOpen()) {
      objects.Take();
      if (TrimmedUpperStartsWith(line, "END")) objects.Close();
    }
  }
  return objects.Finish();
}

std::vector<ExtractObject> SplitSchedules(const Lines& lines) {
  Collector objects(lines);
  for (long long i = 0; i < Size(lines); ++i) {
    const std::string_view line = lines[static_cast<size_t>(i)];
    if (StartsWith(line, "SCHEDULE ")) {
      if (line.find('#') != std::string_view::npos) {
        objects.Open(line.substr(9), i);
      } else {
        objects.Ignore();
      }
    } else if (objects.IsOpen()) {
      objects.Take();
      // The block index's test: a line beginning END ends the definition.
      if (StartsWith(line, "END")) objects.Close();
    }
  }
  return objects.Finish();
}

std::vector<ExtractObject> SplitJobs(const Lines& lines) {
  Collector objects(lines);
  for (long long i = 0; i < Size(lines); ++i) {
    const std::string_view line = lines[static_cast<size_t>(i)];
    // RECOVERY ends a definition before anything else is asked of the line, as the job page
    // reads it.
    if (objects.IsOpen() && StartsWith(Trimmed(line), "RECOVERY ")) {
      objects.Take();
      objects.Close();
    } else if (!StartsWith(line, "     ") && line.find('#') != std::string_view::npos) {
      // A job definition line as the catalogue counts them.
      // The text up to the first blank; a line without one gives an empty key.
      const size_t blank = line.find(' ');
      const std::string_view key = line.substr(0, blank == std::string_view::npos ? 0 : blank);
      if (key.find('#') != std::string_view::npos) {
        objects.Open(key, i);
      } else {
        objects.Ignore();
      }
    } else if (objects.IsOpen()) {
      objects.Take();
    }
  }
  return objects.Finish();
}

std::vector<ExtractObject> SplitCalendars(const Lines& lines) {
  Collector objects(lines);
  // Line 0 is the file's header.
  for (long long i = 1; i < Size(lines); ++i) {
    const std::string_view line = lines[static_cast<size_t>(i)];
    if (!line.empty() && !StartsWith(line, "  ")) {
      objects.Open(NameBeforeQuote(line), i);
    } else if (objects.IsOpen()) {
      objects.Take();
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
      objects.push_back(WithText(ExtractObject{name, static_cast<std::uint32_t>(i), 1, {}}, lines));
    }
  }
  return objects;
}

std::vector<ExtractObject> SplitResources(const Lines& lines) {
  std::vector<ExtractObject> objects;
  for (long long i = 0; i < Size(lines); ++i) {
    const std::string_view line = lines[static_cast<size_t>(i)];
    if (line.empty() || StartsWith(line, "$RESOURCE")) continue;
    size_t blanks = line.find("   ");
    if (blanks == std::string_view::npos) blanks = line.find("  ");
    // The TAB before the blanks is not part of the key.
    const std::string_view key = blanks == std::string_view::npos || blanks < 1
                                     ? std::string_view{}
                                     : line.substr(0, blanks - 1);
    objects.push_back(WithText(ExtractObject{key, static_cast<std::uint32_t>(i), 1, {}}, lines));
  }
  return objects;
}

}  // namespace

const char* ExtractFileOf(ObjectKind kind) { return kKindTexts[static_cast<size_t>(kind)].File; }
const char* KindName(ObjectKind kind) { return kKindTexts[static_cast<size_t>(kind)].Name; }
const char* KindHeading(ObjectKind kind) { return kKindTexts[static_cast<size_t>(kind)].Heading; }

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  const bool anyCr = std::memchr(at, '\r', text.size()) != nullptr;
  while (at < end) {
    const char* lf = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
    const char* stop = lf == nullptr ? end : lf;
    const char* next = lf == nullptr ? end : lf + 1;
    if (anyCr) {
      // A CR ends the line too: before the LF as its pair, elsewhere on its own.
      const char* cr = static_cast<const char*>(std::memchr(at, '\r', static_cast<size_t>(stop - at)));
      if (cr != nullptr) {
        stop = cr;
        next = cr + 1 == lf ? lf + 1 : cr + 1;
      }
    }
    lines.emplace_back(at, static_cast<size_t>(stop - at));
    at = next;
  }
  return lines;
}

std::vector<ExtractObject> SplitObjects(ObjectKind kind, std::string_view text) {
  const Lines lines = TextLines(text);
  switch (kind) {
    case ObjectKind::Workstation:
      return SplitWorkstations(lines);
    case ObjectKind::Schedule:
      return SplitSchedules(lines);
    case ObjectKind::Job:
      return SplitJobs(lines);
    case ObjectKind::Calendar:
      return SplitCalendars(lines);
    case ObjectKind::Parameter:
      return SplitNameValueLines(lines, "$PARM");
    case ObjectKind::Prompt:
      return SplitNameValueLines(lines, "$PROMPT");
    case ObjectKind::Resource:
      return SplitResources(lines);
  }
  return {};
}

}  // namespace vdbq
