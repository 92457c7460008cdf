#include "core/transfer/extract_history.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/extracts/extract_store.h"
#include "core/transfer/extract_file_state.h"

namespace vdbq {
namespace fs = std::filesystem;

namespace {

constexpr const char* kStagingName = ".incoming";

// YYYYMMDD-HHMMSS, optionally followed by "-" and a number for sets of the same second.
bool IsSetName(const std::string& name) {
  if (name.size() < 15 || name[8] != '-') return false;
  for (size_t k = 0; k < name.size(); ++k) {
    if (k == 8) continue;
    if (k == 15) {
      if (name[k] != '-' || name.size() == 16) return false;
      continue;
    }
    if (name[k] < '0' || name[k] > '9') return false;
  }
  return true;
}

bool AllExtractsIn(const std::string& dir) {
  for (const char* file : kExtractLoadOrder) {
    std::error_code ec;
    if (!fs::is_regular_file(dir + file, ec)) return false;
  }
  return true;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec1;
  std::error_code ec2;
  if (fs::file_size(a, ec1) != fs::file_size(b, ec2) || ec1 || ec2) return false;
  std::ifstream first(a, std::ios::binary);
  std::ifstream second(b, std::ios::binary);
  if (!first || !second) return false;
  static constexpr size_t kChunk = 1 << 16;
  std::string x(kChunk, '\0');
  std::string y(kChunk, '\0');
  while (first && second) {
    first.read(x.data(), kChunk);
    second.read(y.data(), kChunk);
    if (first.gcount() != second.gcount()) return false;
    if (x.compare(0, static_cast<size_t>(first.gcount()), y, 0,
                  static_cast<size_t>(second.gcount())) != 0) {
      return false;
    }
  }
  return true;
}

bool SameExtracts(const std::string& dirA, const std::string& dirB) {
  for (const char* file : kExtractLoadOrder) {
    if (!SameFile(dirA + file, dirB + file)) return false;
  }
  return true;
}

// When the files in use were written here: the newest status change (the client's write,
// even where it keeps the remote modification time), else the newest modification.
std::string TransferTimeName(const std::string& dir) {
  std::int64_t newest = 0;
  for (const char* file : kExtractLoadOrder) {
    const ExtractFileState state = ReadExtractFileState(dir + file);
    newest = std::max({newest, state.ChangedNs, state.ModifiedNs});
  }
  const std::time_t seconds = static_cast<std::time_t>(newest / 1000000000);
  std::tm local{};
  localtime_r(&seconds, &local);
  char name[32];
  std::strftime(name, sizeof name, "%Y%m%d-%H%M%S", &local);
  return name;
}

std::string WithSeparator(const fs::path& path) {
  std::string text = path.string();
  text += static_cast<char>(fs::path::preferred_separator);
  return text;
}

}  // namespace

std::vector<std::string> KeptExtractSets(const std::string& databaseDir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(fs::path(databaseDir) / kHistoryDirName, ec), end;
       !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code dirError;
    if (IsSetName(name) && it->is_directory(dirError)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  std::vector<std::string> sets;
  for (const std::string& name : names) {
    sets.push_back(WithSeparator(fs::path(databaseDir) / kHistoryDirName / name));
  }
  return sets;
}

std::string NewestExtractSet(const std::string& databaseDir) {
  const std::vector<std::string> sets = KeptExtractSets(databaseDir);
  return sets.empty() ? std::string{} : sets.back();
}

ExtractHistory::~ExtractHistory() {
  if (prepared_) Conclude(false);
}

void ExtractHistory::Fail(const std::string& reason) {
  problem_ = std::string(kHistoryNotKept) + reason;
}

void ExtractHistory::Prepare(const std::string& databaseDir, int keep) {
  databaseDir_ = databaseDir;
  keep_ = std::max(keep, 0);
  prepared_ = true;
  staging_.clear();
  problem_.clear();
  if (keep_ == 0 || !AllExtractsIn(databaseDir_)) return;
  const std::string newest = NewestExtractSet(databaseDir_);
  if (!newest.empty() && SameExtracts(databaseDir_, newest)) return;

  const fs::path history = fs::path(databaseDir_) / kHistoryDirName;
  const fs::path staging = history / kStagingName;
  std::error_code ec;
  // A copy left by a run that ended without concluding is stale by now.
  fs::remove_all(staging, ec);
  fs::create_directories(staging, ec);
  if (ec) return Fail(ec.message());
  setName_ = TransferTimeName(databaseDir_);
  staging_ = WithSeparator(staging);
  for (const char* file : kExtractLoadOrder) {
    fs::copy_file(databaseDir_ + file, staging_ + file, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      const std::string reason = ec.message();
      DropStaging();
      return Fail(reason);
    }
  }
}

void ExtractHistory::DropStaging() {
  if (staging_.empty()) return;
  std::error_code ec;
  fs::remove_all(staging_, ec);
  staging_.clear();
}

void ExtractHistory::KeepStaging() {
  const fs::path history = fs::path(databaseDir_) / kHistoryDirName;
  fs::path target = history / setName_;
  std::error_code ec;
  for (int n = 2; fs::exists(target, ec); ++n)
    target = history / (setName_ + "-" + std::to_string(n));
  fs::rename(fs::path(staging_).parent_path(), target, ec);
  if (ec) {
    const std::string reason = ec.message();
    DropStaging();
    Fail(reason);
    return;
  }
  staging_.clear();
}

void ExtractHistory::Conclude(bool transferSucceeded) {
  if (!prepared_) return;
  prepared_ = false;
  if (!transferSucceeded) {
    // The staged copy is the only one left of files the client overwrote before it failed.
    if (!staging_.empty() && !SameExtracts(staging_, databaseDir_)) {
      KeepStaging();
    } else {
      DropStaging();
    }
    return;
  }
  if (!staging_.empty()) KeepStaging();
  const std::vector<std::string> sets = KeptExtractSets(databaseDir_);
  const size_t keep = static_cast<size_t>(keep_);
  for (size_t k = 0; k + keep < sets.size(); ++k) {
    std::error_code ec;
    fs::remove_all(sets[k], ec);
  }
}

}  // namespace vdbq
