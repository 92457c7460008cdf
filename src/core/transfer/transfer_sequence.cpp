#include "core/transfer/transfer_sequence.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/transfer/client_output.h"
#include "core/transfer/ftp_scripts.h"

namespace vdbq {

namespace {

std::string AbsoluteDirectory(const std::string& dir) {
  if (dir.empty()) return dir;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(dir, error);
  return error ? dir : absolute.string();
}

// A line break would end a script line early and turn the rest into a client command.
bool HoldsLineBreak(const std::string& text) {
  return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

std::string Transcript(const ProcessRunner& runner) {
  std::string text = runner.Output();
  if (!text.empty() && text.back() != '\n') text += '\n';
  return text + runner.ErrorOutput();
}

std::string TimeLimitText(std::chrono::milliseconds limit) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limit).count();
  if (seconds > 0 && seconds % 60 == 0) return std::to_string(seconds / 60) + " Minutes";
  return std::to_string(seconds) + " Seconds";
}

}  // namespace

TransferSequence::TransferSequence(const Settings& settings, ProcessRunner& runner, AuditLog& audit,
                                   std::chrono::milliseconds timeLimit, Clock clock)
    : settings_(settings),
      runner_(runner),
      audit_(audit),
      timeLimit_(timeLimit),
      clock_(std::move(clock)) {
  settings_.DatabaseDir = AbsoluteDirectory(settings_.DatabaseDir);
}

TransferSequence::~TransferSequence() {
  if (phase_ == Phase::kWaiting) runner_.Kill();
  if (phase_ != Phase::kIdle && phase_ != Phase::kFinished) DeleteFtpScripts(settings_);
}

void TransferSequence::SetStatus(const std::string& text) {
  status_ = text;
  if (listener_) listener_(status_);
}

std::string TransferSequence::InvalidSettingReason() const {
  const std::pair<const char*, const std::string*> texts[] = {
      {"FtpHost", &settings_.FtpHost},
      {"FtpUser", &settings_.FtpUser},
      {"FtpPassword", &settings_.FtpPassword},
      {"RemoteExtractDir", &settings_.RemoteExtractDir},
      {"DatabaseDir", &settings_.DatabaseDir}};
  for (const auto& [name, text] : texts) {
    if (HoldsLineBreak(*text)) return std::string("Line Break In ") + name;
  }
  // The get lines enclose both paths in double quotes.
  for (const auto& [name, text] : {texts[3], texts[4]}) {
    if (text->find('"') != std::string::npos) return std::string("Double Quote In ") + name;
  }
  if (settings_.FtpHost.find_first_not_of(' ') == std::string::npos) return "No FTP Host Set";
  return "";
}

void TransferSequence::Start() {
  if (phase_ != Phase::kIdle) return;
  SetStatus(kTransferProcessing);
  phase_ = Phase::kEnded;
  failure_ = InvalidSettingReason();
  if (!failure_.empty()) return;
  const ScriptsWritten written = WriteFtpScripts(settings_, audit_);
  if (!written.Ok) {
    failure_ = written.Reason;
    return;
  }
  before_ = ReadFetchedFileStates(settings_.DatabaseDir);
  // The files in use are copied aside before the client can overwrite them.
  history_.Prepare(settings_.DatabaseDir, settings_.KeepPreviousExtracts);
  const BatchCommand command = FtpBatchCommand(settings_);
  if (!runner_.Start(command.Program, command.Arguments, settings_.ProgramDir)) {
    failure_ = "FTP Client Could Not Be Started";
    return;
  }
  clientStarted_ = true;
  phase_ = Phase::kWaiting;
  deadline_ = clock_() + timeLimit_;
  SetStatus(kTransferRunningBatch);
}

void TransferSequence::StopClient() {
  runner_.Kill();
  phase_ = Phase::kEnded;
}

bool TransferSequence::WaitStep(std::chrono::milliseconds slice) {
  if (phase_ != Phase::kWaiting) return true;
  using std::chrono::milliseconds;
  const auto left = std::chrono::duration_cast<milliseconds>(deadline_ - clock_());
  if (runner_.WaitForEnd(std::clamp(slice, milliseconds(0), std::max(left, milliseconds(0))))) {
    phase_ = Phase::kEnded;
    return true;
  }
  if (clock_() < deadline_) return false;
  StopClient();
  failure_ = "FTP Client Did Not End Within " + TimeLimitText(timeLimit_);
  return true;
}

std::string TransferSequence::JudgeClient(const std::string& clientOutput) const {
  const ClientVerdict verdict = ReadClientOutput(clientOutput);
  const std::vector<std::string> notRefreshed =
      FilesNotRefreshed(before_, ReadFetchedFileStates(settings_.DatabaseDir));
  return TransferFailureReason(verdict, runner_.ExitStatus(), notRefreshed, settings_);
}

TransferOutcome TransferSequence::Finish(ExtractStore& store, Catalogue& catalogue) {
  if (phase_ == Phase::kFinished) return outcome_;
  TransferOutcome outcome;
  if (phase_ == Phase::kWaiting) {
    StopClient();
    failure_ = "Transfer Stopped";
  }
  if (phase_ == Phase::kIdle) {
    failure_ = "Transfer Not Started";
  } else {
    DeleteFtpScripts(settings_);
  }
  phase_ = Phase::kFinished;

  if (clientStarted_) outcome.ClientOutput = Transcript(runner_);
  outcome.Reason = failure_;
  if (outcome.Reason.empty()) outcome.Reason = JudgeClient(outcome.ClientOutput);
  outcome.Succeeded = outcome.Reason.empty();
  if (!outcome.Succeeded) audit_.AppendAuditLine(kTransferFailedAudit + outcome.Reason);
  history_.Conclude(outcome.Succeeded);
  outcome.HistoryProblem = history_.Problem();
  if (!outcome.HistoryProblem.empty()) audit_.AppendAuditLine(" - " + outcome.HistoryProblem);

  SetStatus(kRefreshing);
  outcome.StatusText = RefreshCatalogue(settings_.DatabaseDir, store, catalogue);
  if (!outcome.Succeeded) outcome.StatusText = kTransferFailedStatus + outcome.Reason;
  if (!outcome.HistoryProblem.empty()) outcome.StatusText += " " + outcome.HistoryProblem;
  SetStatus(outcome.StatusText);
  outcome_ = outcome;
  return outcome;
}

TransferOutcome TransferSequence::Run(ExtractStore& store, Catalogue& catalogue,
                                      const std::function<void()>& idle) {
  constexpr std::chrono::milliseconds kStep(100);
  Start();
  while (!WaitStep(kStep)) {
    if (idle) idle();
  }
  return Finish(store, catalogue);
}

}  // namespace vdbq
