#pragma once

#include <atomic>
#include <string>

#include "fetch/curl_fetch.h"
#include "fetch/fetch_request.h"

namespace vdbq::fetch {

// Each extract is fetched into this file beside it, then renamed over it.
inline constexpr const char* kPartialSuffix = ".partial";

struct ExtractsFetched {
  FetchResult Result;
  // Why the replaced extracts were not kept in the history ("" when they were, or the
  // transfer failed and nothing was replaced).
  std::string HistoryProblem;
};

// Fetches the seven extracts into temporary files in request.LocalDir and, only when all seven
// arrived whole, keeps the files in use in the history (keep sets at most) and renames the new
// ones over them. A failed or cancelled fetch removes its temporary files and leaves the
// extracts and the history as they were. Safe to run on a worker thread. The files come
// through fetchFiles (the secure module's FetchFiles).
ExtractsFetched FetchExtracts(FilesFetcher fetchFiles, const FetchRequest& request, int keep,
                              const ProgressListener& progress = {},
                              const std::atomic<bool>* cancel = nullptr);

}  // namespace vdbq::fetch
