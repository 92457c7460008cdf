#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "fetch/fetch_request.h"

namespace vdbq::fetch {

struct FileToFetch {
  std::string Name;        // in the request's remote directory
  std::string TargetPath;  // written anew
};

// Fetches the files in order over one connection; stops at the first failure. Setting cancel
// stops the transfer within a fraction of a second (kCancelled). Files already written stay
// for the caller to remove.
FetchResult FetchFiles(const FetchRequest& request, const std::vector<FileToFetch>& files,
                       const ProgressListener& progress, const std::atomic<bool>* cancel);
using FilesFetcher = decltype(&FetchFiles);

}  // namespace vdbq::fetch
