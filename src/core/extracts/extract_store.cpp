#include "core/extracts/extract_store.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/audit/time_stamp.h"
#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace fs = std::filesystem;

namespace {

std::string ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    throw ExtractFileError("Cannot open file \"" + path.string() + "\". It is a directory.");
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw ExtractFileError("Cannot open file \"" + path.string() + "\". " +
                           std::strerror(errno) + ".");
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0 || !in) {
    throw ExtractFileError("Cannot read file \"" + path.string() + "\".");
  }
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), size);
  if (in.gcount() != size) {
    throw ExtractFileError("Cannot read file \"" + path.string() + "\".");
  }
  return bytes;
}

std::optional<std::tm> LocalModificationTime(const fs::path& path) {
  std::error_code ec;
  const auto written = fs::last_write_time(path, ec);
  if (ec) return std::nullopt;
  const auto asSystem = std::chrono::file_clock::to_sys(written);
  const std::time_t seconds = std::chrono::system_clock::to_time_t(asSystem);
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return std::nullopt;
  return local;
}

// Short date and time without the seconds and their separator.
std::string LastUpdateText(const std::vector<fs::path>& files) {
  std::optional<std::time_t> oldest;
  std::tm oldestLocal{};
  for (const auto& file : files) {
    auto local = LocalModificationTime(file);
    if (!local) continue;
    std::tm copy = *local;
    const std::time_t when = std::mktime(&copy);
    if (!oldest || when < *oldest) {
      oldest = when;
      oldestLocal = *local;
    }
  }
  if (!oldest) return {};
  const std::string text = DateTimeText(StampFromLocalTime(oldestLocal));
  return text.size() > 3 ? text.substr(0, text.size() - 3) : std::string{};
}

}  // namespace

long long ExtractStore::BlockOfLine(long long line) const {
  const auto used = ScheduleBlockStart.begin() + (ScheduleBlockCount + 1);
  const auto after = std::upper_bound(ScheduleBlockStart.begin(), used, line);
  return std::max<long long>(0, (after - ScheduleBlockStart.begin()) - 1);
}

long long ExtractStore::NextBlockStart(long long line) const {
  return ScheduleBlockStart[static_cast<size_t>(BlockOfLine(line) + 1)];
}

std::vector<NameValue> ReadNameValueRows(const LineList& lines, long long lastLine,
                                         const std::string& headerKeyword) {
  std::vector<NameValue> rows;
  for (long long i = 0; i <= lastLine; ++i) {
    std::string_view line = lines.At(i);
    if (line.empty() || StartsWith(line, headerKeyword)) continue;
    const long long q = Find("\"", line);
    NameValue row;
    row.Line = i;
    row.Name = q >= 3 ? Copy(line, 1, q - 2) : std::string{};
    row.Value = q >= 1 ? CopyFrom(line, q) : line;
    if (row.Value.size() >= 2 && row.Value.front() == '"' && row.Value.back() == '"') {
      row.Value = row.Value.substr(1, row.Value.size() - 2);
    } else if (row.Value == "\"") {
      row.Value.clear();
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

namespace {

// Puts one file's text in its place in the store.
void TakeExtractText(const std::string& file, std::string text, ExtractStore& store) {
  LineList lines = LineList::FromText(std::move(text));
  if (file == kSchedulesFile) {
    store.ScheduleLines = std::move(lines);
  } else if (file == kJobsFile) {
    store.JobLines = std::move(lines);
  } else if (file == kResourcesFile) {
    store.ResourceLines = std::move(lines);
  } else if (file == kCalendarsFile) {
    store.CalendarLines = std::move(lines);
  } else if (file == kCpusFile) {
    store.CpuLines = std::move(lines);
  } else if (file == kParmsFile) {
    store.ParameterLastLine = lines.Count() - 1;
    store.ParameterList = ReadNameValueRows(lines, store.ParameterLastLine, "$PARM");
    if (store.ParameterLastLine > 0 && !store.ParameterList.empty() &&
        !store.ParameterList.front().Name.empty()) {
      store.ParameterPageTitle = store.ParameterList.front().Name;
    }
  } else if (file == kPromptsFile) {
    store.PromptLastLine = lines.Count() - 1;
    store.PromptList = ReadNameValueRows(lines, store.PromptLastLine, "$PROMPT");
    if (store.PromptLastLine > 0 && !store.PromptList.empty() &&
        !store.PromptList.front().Name.empty()) {
      store.PromptPageTitle = store.PromptList.front().Name;
    }
  }
}

// The counts that only a complete load sets.
void SetLoadCounts(ExtractStore& store) {
  store.ScheduleLineCount = store.ScheduleLines.Count();
  store.JobLineCount = store.JobLines.Count();
  store.CpuLineCount = store.CpuLines.Count();
  store.CalendarLineCount = store.CalendarLines.Count();
  store.ResourceLastLine = store.ResourceLines.Count() - 1;
  store.ParameterTotal = store.ParameterLastLine;
  store.PromptTotal = store.PromptLastLine;
  store.ResourceTotal = store.ResourceLastLine;
}

}  // namespace

void LoadExtracts(const std::string& databaseDir, ExtractStore& store) {
  store.ExtractsMissing = false;
  store.MissingFile.clear();
  std::vector<fs::path> loaded;
  for (const char* name : kExtractLoadOrder) {
    const fs::path path = fs::path(databaseDir + name);
    std::error_code ec;
    if (!fs::exists(path, ec)) {
      store.ExtractsMissing = true;
      store.MissingFile = name;
      return;
    }
    TakeExtractText(name, ReadWholeFile(path), store);
    loaded.push_back(path);
  }
  store.LastUpdate = LastUpdateText(loaded);
  SetLoadCounts(store);
}

void LoadExtractTexts(ExtractTexts texts, ExtractStore& store) {
  store.ExtractsMissing = false;
  store.MissingFile.clear();
  for (size_t k = 0; k < texts.size(); ++k) {
    TakeExtractText(kExtractLoadOrder[k], std::move(texts[k]), store);
  }
  store.LastUpdate.clear();
  SetLoadCounts(store);
}

std::vector<std::string> IndexSchedules(ExtractStore& store) {
  std::vector<long long>& starts = store.ScheduleBlockStart;
  starts.assign(1, 0);
  store.ScheduleBlockCount = 0;
  std::vector<std::string> keys;
  const LineList& lines = store.ScheduleLines;
  for (long long i = 0; i < lines.Count(); ++i) {
    std::string_view line = lines.At(i);
    if (StartsWith(line, "END")) {
      ++store.ScheduleBlockCount;
      starts.push_back(i + 1);
    } else if (StartsWith(line, "SCHEDULE ") && Contains(line, "#")) {
      keys.emplace_back(line.substr(9));
    }
  }
  starts.push_back(std::max(kBlockEndMark, lines.Count()));
  SortScratchLines(keys);
  return keys;
}

}  // namespace vdbq
