#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/settings/settings.h"
#include "core/transfer/extract_file_state.h"
#include "core/transfer/extract_history.h"
#include "core/transfer/process_runner.h"

namespace vdbq {

inline constexpr const char* kTransferProcessing = "Processing... Please Wait...";
inline constexpr const char* kTransferRunningBatch =
    "Processing... Running FTP Batch File... Please Wait...";
inline constexpr const char* kTransferFailedStatus = "FTP Transfer Failed: ";
inline constexpr const char* kTransferFailedAudit = " - Varnolt FTP Transfer Failed: ";

inline constexpr std::chrono::milliseconds kClientTimeLimit = std::chrono::minutes(5);

struct TransferOutcome {
  bool Succeeded = false;
  // "Ready." (or the loader's not-found message), else kTransferFailedStatus + Reason.
  std::string StatusText;
  std::string Reason;
  // The client's standard output and error, for a closer look.
  std::string ClientOutput;
  // Why the replaced extracts were not kept ("" when they were, or did not need to be); the
  // transfer goes on regardless and the status text carries it.
  std::string HistoryProblem;
};

// One FTP transfer of the extracts: write the scripts, run the client on them, wait for it
// (bounded), check that every extract was fetched anew, delete the scripts, reload.
//
// A window drives it in steps so that it keeps painting and its busy indicator runs:
//   sequence.Start();
//   on a timer: if (sequence.WaitStep(0ms)) show(sequence.Finish(store, catalogue));
// Headless callers use Run. Destroying a sequence before Finish stops the client and deletes
// the scripts.
class TransferSequence {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  using StatusListener = std::function<void(const std::string& statusText)>;

  // The settings are copied; a relative DatabaseDir is made absolute against the current
  // directory, where the reload looks, since the client runs in ProgramDir.
  TransferSequence(const Settings& settings, ProcessRunner& runner, AuditLog& audit,
                   std::chrono::milliseconds timeLimit = kClientTimeLimit,
                   Clock clock = std::chrono::steady_clock::now);
  ~TransferSequence();
  TransferSequence(const TransferSequence&) = delete;
  TransferSequence& operator=(const TransferSequence&) = delete;

  // Called with every new status text, before the work it announces.
  void SetStatusListener(StatusListener listener) { listener_ = std::move(listener); }
  const std::string& StatusText() const { return status_; }

  // Checks the settings, writes the scripts and starts the client. A failure here is kept for
  // Finish; the waiting steps then end at once.
  void Start();
  // Waits at most slice for the client; true once it has ended, or was stopped at the time
  // limit, or never started.
  bool WaitStep(std::chrono::milliseconds slice);
  // Stops a client still running, deletes both scripts, judges the transfer, writes the
  // failure's audit line and reloads the extracts and the catalogue. A file that exists but
  // cannot be read throws ExtractFileError from the reload, as a refresh does. Later calls
  // return the same outcome.
  TransferOutcome Finish(ExtractStore& store, Catalogue& catalogue);

  // Start, WaitStep until the client ended (calling idle between the steps), Finish.
  TransferOutcome Run(ExtractStore& store, Catalogue& catalogue,
                      const std::function<void()>& idle = {});

 private:
  enum class Phase { kIdle, kWaiting, kEnded, kFinished };

  void SetStatus(const std::string& text);
  std::string InvalidSettingReason() const;
  std::string JudgeClient(const std::string& clientOutput) const;
  void StopClient();

  Settings settings_;
  ProcessRunner& runner_;
  AuditLog& audit_;
  std::chrono::milliseconds timeLimit_;
  Clock clock_;
  StatusListener listener_;

  Phase phase_ = Phase::kIdle;
  bool clientStarted_ = false;
  std::string status_;
  std::string failure_;  // found before or while waiting; "" while none
  std::chrono::steady_clock::time_point deadline_{};
  std::vector<ExtractFileState> before_;
  ExtractHistory history_;
  TransferOutcome outcome_;
};

}  // namespace vdbq
