#pragma once

#include <string>
#include <vector>

namespace vdbq {

// The folder below the database directory that keeps earlier sets of the seven extracts, one
// folder per set named by the time of its transfer (YYYYMMDD-HHMMSS).
inline constexpr const char* kHistoryDirName = "History";
inline constexpr int kDefaultKeepPreviousExtracts = 14;
inline constexpr const char* kHistoryNotKept = "Previous Extracts Not Kept: ";

// The kept sets of databaseDir (which ends with a separator), oldest first, as directories
// ending with a separator.
std::vector<std::string> KeptExtractSets(const std::string& databaseDir);
// The newest kept set, "" when there is none.
std::string NewestExtractSet(const std::string& databaseDir);

// Keeps the extracts that a transfer replaces. Before the client runs, Prepare copies the
// seven files in use into a staging folder of the history (unless they equal the newest kept
// set); Conclude then keeps the copy as a set and drops the oldest sets beyond the limit when
// the transfer succeeded. A failed transfer keeps nothing new and drops nothing, except that a
// copy whose originals the client already overwrote is kept, as it is then the only one.
// Nothing here stops a transfer: a failure (a full disk, a history folder that cannot be
// written) is only kept in Problem.
class ExtractHistory {
 public:
  ExtractHistory() = default;
  ExtractHistory(const ExtractHistory&) = delete;
  ExtractHistory& operator=(const ExtractHistory&) = delete;
  ~ExtractHistory();

  // databaseDir ends with a separator; keep is the "Keep Previous Extracts" setting.
  void Prepare(const std::string& databaseDir, int keep);
  void Conclude(bool transferSucceeded);

  // "" while all went well, else kHistoryNotKept and the reason.
  const std::string& Problem() const { return problem_; }

 private:
  void Fail(const std::string& reason);
  void DropStaging();
  void KeepStaging();

  std::string databaseDir_;
  int keep_ = 0;
  std::string staging_;  // "" when nothing is staged
  std::string setName_;
  bool prepared_ = false;
  std::string problem_;
};

}  // namespace vdbq
