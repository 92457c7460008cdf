#include "fetch/secure_transfer.h"

namespace vdbq::fetch {

std::optional<FetchRequest> RequestFromSettings(const Settings& settings, Protocol protocol) {
  const auto server = ParseEndpoint(settings.FtpHost, protocol);
  if (!server) return std::nullopt;
  FetchRequest request;
  request.Transport = protocol;
  request.Server = *server;
  request.User = settings.FtpUser;
  request.Password = settings.FtpPassword;
  request.RemoteDir = settings.RemoteExtractDir;
  request.LocalDir = settings.DatabaseDir;
  request.KnownHostsFile = settings.KnownHostsFile;
  request.IdentityFile = settings.IdentityFile;
  request.CaFile = settings.CaFile;
  return request;
}

TransferOutcome ConcludeSecureTransfer(const Settings& settings, Protocol protocol,
                                       const ExtractsFetched& fetched, AuditLog& audit,
                                       ExtractStore& store, Catalogue& catalogue) {
  const std::string label = ProtocolLabel(protocol);
  TransferOutcome outcome;
  outcome.Succeeded = fetched.Result.Status == FetchStatus::kDone;
  outcome.HistoryProblem = fetched.HistoryProblem;
  if (outcome.Succeeded) {
    audit.AppendAuditLine(" - Varnolt " + label + " Transfer Ok.");
    if (!fetched.Result.Reason.empty()) audit.AppendAuditLine(" - " + fetched.Result.Reason);
  } else {
    outcome.Reason = fetched.Result.Reason;
    audit.AppendAuditLine(" - Varnolt " + label + " Transfer Failed: " + outcome.Reason);
  }
  if (!outcome.HistoryProblem.empty()) audit.AppendAuditLine(" - " + outcome.HistoryProblem);
  outcome.StatusText = RefreshCatalogue(settings.DatabaseDir, store, catalogue);
  if (!outcome.Succeeded) outcome.StatusText = label + " Transfer Failed: " + outcome.Reason;
  if (!outcome.HistoryProblem.empty()) outcome.StatusText += " " + outcome.HistoryProblem;
  return outcome;
}

}  // namespace vdbq::fetch
