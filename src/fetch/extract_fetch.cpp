#include "fetch/extract_fetch.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/transfer/extract_history.h"
#include "core/transfer/ftp_scripts.h"

namespace vdbq::fetch {

namespace {

void RemoveFiles(const std::vector<FileToFetch>& files) {
  std::error_code error;
  for (const FileToFetch& file : files) std::filesystem::remove(file.TargetPath, error);
}

}  // namespace

ExtractsFetched FetchExtracts(FilesFetcher fetchFiles, const FetchRequest& request, int keep,
                              const ProgressListener& progress, const std::atomic<bool>* cancel) {
  std::vector<FileToFetch> files;
  for (const char* name : kFetchOrder) {
    files.push_back({name, request.LocalDir + name + kPartialSuffix});
  }
  ExtractsFetched fetched;
  fetched.Result = fetchFiles(request, files, progress, cancel);
  if (fetched.Result.Status != FetchStatus::kDone) {
    RemoveFiles(files);
    return fetched;
  }
  ExtractHistory history;
  history.Prepare(request.LocalDir, keep);
  for (const FileToFetch& file : files) {
    std::error_code error;
    std::filesystem::rename(file.TargetPath, request.LocalDir + file.Name, error);
    if (error) {
      RemoveFiles(files);
      history.Conclude(false);
      fetched.Result = {FetchStatus::kFailed, "Could Not Replace " + file.Name, "", ""};
      return fetched;
    }
  }
  history.Conclude(true);
  fetched.HistoryProblem = history.Problem();
  return fetched;
}

}  // namespace vdbq::fetch
