#include "core/transfer/extract_file_state.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "core/transfer/ftp_scripts.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vdbq {

#ifndef _WIN32

namespace {

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

ExtractFileState ReadExtractFileState(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  ExtractFileState state;
  state.Exists = true;
  state.Size = static_cast<std::uintmax_t>(info.st_size);
  state.ModifiedNs = Nanoseconds(info.st_mtim);
  state.ChangedNs = Nanoseconds(info.st_ctim);
  state.FileId = static_cast<std::uint64_t>(info.st_ino);
  return state;
}

#else

ExtractFileState ReadExtractFileState(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file(path);
  const auto size = std::filesystem::file_size(file, error);
  if (error) return {};
  const auto modified = std::filesystem::last_write_time(file, error);
  if (error) return {};
  ExtractFileState state;
  state.Exists = true;
  state.Size = size;
  state.ModifiedNs =
      std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
  return state;
}

#endif

std::vector<ExtractFileState> ReadFetchedFileStates(const std::string& databaseDir) {
  std::vector<ExtractFileState> states;
  for (const char* file : kFetchOrder) states.push_back(ReadExtractFileState(databaseDir + file));
  return states;
}

std::vector<std::string> FilesNotRefreshed(const std::vector<ExtractFileState>& before,
                                           const std::vector<ExtractFileState>& after) {
  std::vector<std::string> files;
  std::size_t index = 0;
  for (const char* file : kFetchOrder) {
    const bool known = index < before.size() && index < after.size();
    if (!known || !after[index].Exists || after[index] == before[index]) files.push_back(file);
    ++index;
  }
  return files;
}

}  // namespace vdbq
