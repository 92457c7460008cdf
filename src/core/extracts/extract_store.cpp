#include "core/extracts/extract_store.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>
#include <utility>

#include "core/audit/time_stamp.h"
#include "core/extracts/line_starts.h"
#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace fs = std::filesystem;

namespace {

// A file is read in pieces of about this size, so that the threads share a large file.
constexpr size_t kPieceBytes = size_t{8} << 20;

// Runs task(0) ... task(count - 1) on the machine's cores, the calling thread included.
void RunOnAllCores(size_t count, const std::function<void(size_t)>& task) {
  const size_t threads =
      std::min<size_t>(count, std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8));
  std::atomic<size_t> next{0};
  auto work = [&] {
    for (size_t k = next++; k < count; k = next++) task(k);
  };
  std::vector<std::thread> helpers;
  for (size_t t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
}

// One extract file on its way into a line list.
struct FileRead {
  fs::path Path;
  ByteBuffer Bytes;
  // Per piece: how many lines start in it, then where its first start goes in Starts.
  std::vector<size_t> PieceStarts;
  LineOffsets Starts;
  std::string Error;  // set when the file cannot be read; the load then stops at it
};

// Checks that the file can be opened and makes room for it.
void OpenFileRead(FileRead& file) {
  const fs::path& path = file.Path;
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    file.Error = "Cannot open file \"" + path.string() + "\". It is a directory.";
    return;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    file.Error = "Cannot open file \"" + path.string() + "\". " + std::strerror(errno) + ".";
    return;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || !in) {
    file.Error = "Cannot read file \"" + path.string() + "\".";
    return;
  }
  file.Bytes = ByteBuffer(static_cast<size_t>(size));
  const size_t pieces = (static_cast<size_t>(size) + kPieceBytes - 1) / kPieceBytes;
  file.PieceStarts.resize(std::max<size_t>(pieces, 1));
}

struct Piece {
  FileRead* File;
  size_t Index;
  size_t From() const { return Index * kPieceBytes; }
  size_t To() const { return std::min(File->Bytes.Size(), From() + kPieceBytes); }
};

bool ReadPiece(const Piece& piece) {
  if (piece.To() == piece.From()) return true;
  std::ifstream in(piece.File->Path, std::ios::binary);
  if (!in.seekg(static_cast<std::streamoff>(piece.From()))) return false;
  const auto length = static_cast<std::streamsize>(piece.To() - piece.From());
  in.read(piece.File->Bytes.Data() + piece.From(), length);
  return in.gcount() == length;
}

// Reads the files at once, their pieces spread over the cores, then finds their lines the
// same way. Files that cannot be read carry their error and no lines.
std::vector<LineList> ReadFilesAsLines(std::vector<FileRead>& files) {
  std::vector<Piece> pieces;
  for (FileRead& file : files) {
    OpenFileRead(file);
    if (!file.Error.empty()) continue;
    for (size_t k = 0; k < file.PieceStarts.size(); ++k) pieces.push_back(Piece{&file, k});
  }
  std::vector<char> failed(pieces.size(), 0);
  RunOnAllCores(pieces.size(), [&](size_t k) { failed[k] = ReadPiece(pieces[k]) ? 0 : 1; });
  for (size_t k = 0; k < pieces.size(); ++k) {
    FileRead& file = *pieces[k].File;
    if (failed[k] && file.Error.empty()) {
      file.Error = "Cannot read file \"" + file.Path.string() + "\".";
    }
  }
  // Every piece is in place before any is split: a CR at the end of one looks at the next.
  // The pieces are counted first, so that each writes its starts straight into their place.
  RunOnAllCores(pieces.size(), [&](size_t k) {
    const Piece& piece = pieces[k];
    FileRead& file = *piece.File;
    if (!file.Error.empty()) return;
    file.PieceStarts[piece.Index] =
        CountLineStarts(file.Bytes.Data(), file.Bytes.Size(), piece.From(), piece.To());
  });
  for (FileRead& file : files) {
    if (!file.Error.empty()) continue;
    size_t total = 0;
    for (size_t& count : file.PieceStarts) total += std::exchange(count, total);
    // Room for the end of the text, which the line list adds.
    if (total > 0) file.Starts = LineOffsets(file.Bytes.Size(), total);
  }
  RunOnAllCores(pieces.size(), [&](size_t k) {
    const Piece& piece = pieces[k];
    FileRead& file = *piece.File;
    if (!file.Error.empty()) return;
    const size_t first = file.PieceStarts[piece.Index];
    if (file.Starts.Wide()) {
      WriteLineStarts(file.Bytes.Data(), file.Bytes.Size(), piece.From(), piece.To(),
                      file.Starts.WideData() + first);
    } else {
      WriteLineStarts(file.Bytes.Data(), file.Bytes.Size(), piece.From(), piece.To(),
                      file.Starts.Narrow() + first);
    }
  });
  std::vector<LineList> lists;
  for (FileRead& file : files) {
    if (!file.Error.empty()) {
      lists.emplace_back();
      continue;
    }
    lists.emplace_back(std::move(file.Bytes), std::move(file.Starts));
  }
  return lists;
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
void TakeExtractLines(const std::string& file, LineList lines, ExtractStore& store) {
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
  // The files before the first missing one are loaded, even when one is missing.
  std::vector<FileRead> files;
  for (const char* name : kExtractLoadOrder) {
    const fs::path path = fs::path(databaseDir + name);
    std::error_code ec;
    if (!fs::exists(path, ec)) {
      store.ExtractsMissing = true;
      store.MissingFile = name;
      break;
    }
    files.push_back(FileRead{path, {}, {}, {}, {}});
  }
  std::vector<LineList> lists = ReadFilesAsLines(files);
  std::vector<fs::path> loaded;
  for (size_t k = 0; k < files.size(); ++k) {
    if (!files[k].Error.empty()) throw ExtractFileError(files[k].Error);
    TakeExtractLines(kExtractLoadOrder[k], std::move(lists[k]), store);
    loaded.push_back(files[k].Path);
  }
  if (store.ExtractsMissing) return;
  store.LastUpdate = LastUpdateText(loaded);
  SetLoadCounts(store);
}

void LoadExtractFiles(const std::string& databaseDir, const std::vector<const char*>& names,
                      ExtractStore& store) {
  std::vector<FileRead> files;
  for (const char* name : names)
    files.push_back(FileRead{fs::path(databaseDir + name), {}, {}, {}, {}});
  std::vector<LineList> lists = ReadFilesAsLines(files);
  for (size_t k = 0; k < files.size(); ++k) {
    if (!files[k].Error.empty()) throw ExtractFileError(files[k].Error);
    TakeExtractLines(names[k], std::move(lists[k]), store);
  }
}

void LoadExtractTexts(ExtractTexts texts, ExtractStore& store) {
  store.ExtractsMissing = false;
  store.MissingFile.clear();
  for (size_t k = 0; k < texts.size(); ++k) {
    TakeExtractLines(kExtractLoadOrder[k], LineList::FromText(std::move(texts[k])), store);
  }
  store.LastUpdate.clear();
  SetLoadCounts(store);
}

std::vector<std::string_view> IndexSchedules(ExtractStore& store) {
  std::vector<long long>& starts = store.ScheduleBlockStart;
  starts.assign(1, 0);
  store.ScheduleBlockCount = 0;
  std::vector<std::string_view> keys;
  const LineList& lines = store.ScheduleLines;
  for (long long i = 0; i < lines.Count(); ++i) {
    std::string_view line = lines.At(i);
    if (StartsWith(line, "END")) {
      ++store.ScheduleBlockCount;
      starts.push_back(i + 1);
    } else if (StartsWith(line, "SCHEDULE ") && line.find('#') != std::string_view::npos) {
      keys.push_back(line.substr(9));
    }
  }
  starts.push_back(std::max(kBlockEndMark, lines.Count()));
  std::vector<std::string_view> sorted;
  sorted.reserve(keys.size());
  for (size_t index : CollationOrder(keys)) sorted.push_back(keys[index]);
  return sorted;
}

}  // namespace vdbq
