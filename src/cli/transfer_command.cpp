#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>

#include "cli/commands.h"
#include "core/audit/audit_log.h"
#include "core/text/display_text.h"
#include "core/transfer/transfer_sequence.h"
#include "fetch/host_key.h"
#include "fetch/secure_transfer.h"
#include "platform/qprocess_runner.h"
#include "platform/qsettings_store.h"
#include "platform/secure_keyring.h"
#include "platform/secure_module_loader.h"

namespace vdbq::cli {
namespace {

inline constexpr char kPasswordVariable[] = "VARNOLTDBQ_FTP_PASSWORD";

struct TransferOptions {
  std::optional<std::string> Host;
  std::optional<std::string> User;
  std::optional<std::string> RemoteDir;
  std::optional<std::string> Protocol;
  std::optional<std::string> KnownHosts;
  std::optional<std::string> Identity;
  std::optional<std::string> CaFile;
};

std::string WithRemoteSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

Settings TransferSettings(const CliContext& context, const TransferOptions& options) {
  Settings settings = context.Settings;
  if (options.Host) settings.FtpHost = *options.Host;
  if (options.User) settings.FtpUser = *options.User;
  if (options.RemoteDir) settings.RemoteExtractDir = WithRemoteSeparator(*options.RemoteDir);
  if (options.Protocol) settings.TransferProtocol = *options.Protocol;
  if (options.KnownHosts) settings.KnownHostsFile = *options.KnownHosts;
  if (options.Identity) settings.IdentityFile = *options.Identity;
  if (options.CaFile) settings.CaFile = *options.CaFile;
  if (const char* password = std::getenv(kPasswordVariable)) {
    settings.FtpPassword = password;
  } else {
    // The keyring may bring the application object the settings store needs, so it goes last.
    SecureKeyring keyring;
    QSettingsStore store;
    const bool secure = settings.TransferProtocol != "ftp";
    if (TakePasswordFromKeyring(settings, store, keyring) == KeyringUse::kUnavailable && secure) {
      std::cerr << kProgramName
                << ": no keyring service runs; the password comes from the settings file\n";
    }
  }
  settings.DatabaseDir = context.DatabaseDir();
  settings.LogDir = context.LogDir();
  return settings;
}

void PrintTotals(const ExtractStore& store, const CatalogueTotals& totals) {
  std::cout << "Last Update : " << DisplayText(store.LastUpdate) << '\n'
            << "CpuTotal: " << totals.CpuTotal << '\n'
            << "ScheduleBlockCount: " << totals.ScheduleBlockCount << '\n'
            << "JobTotal: " << totals.JobTotal << '\n'
            << "CalendarTotal: " << totals.CalendarTotal << '\n'
            << "ParameterTotal: " << totals.ParameterTotal << '\n'
            << "PromptTotal: " << totals.PromptTotal << '\n'
            << "ResourceTotal: " << totals.ResourceTotal << '\n';
}

void PrintProgress(const fetch::FileProgress& progress) {
  if (!progress.Finished) return;
  std::cerr << progress.FileName << ": " << progress.Bytes << " bytes\n";
}

void PrintHostKeyAdvice(const fetch::FetchResult& result, const Settings& settings) {
  if (result.KnownHostsLine.empty()) return;
  const std::string file =
      settings.KnownHostsFile.empty() ? fetch::DefaultKnownHostsFile() : settings.KnownHostsFile;
  if (result.Status == fetch::FetchStatus::kChangedHostKey) {
    std::cerr << "The host now offers " << result.Fingerprint << ". If the host's key was "
              << "really replaced, remove its old line from " << file << " and add:\n"
              << result.KnownHostsLine << '\n';
  } else {
    std::cerr << "The host's key fingerprint is " << result.Fingerprint
              << ". If it is the right one, add this line to " << file << ":\n"
              << result.KnownHostsLine << '\n';
  }
}

// Runs the transfer's last step, which loads what arrived, then prints its status and the
// totals it left; a failure's reason goes to stderr as well.
int ReportTransfer(CliContext& context, const std::function<TransferOutcome()>& conclude) {
  TransferOutcome outcome;
  try {
    outcome = conclude();
  } catch (const ExtractFileError& error) {
    throw CliExit{kExitFailure, error.what()};
  }
  std::cout << DisplayText(outcome.StatusText) << '\n';
  PrintTotals(context.Store, context.Catalogue.Totals);
  if (!outcome.Succeeded) {
    PrintError(DisplayText(outcome.StatusText));
    return kExitNotCompleted;
  }
  return kExitDone;
}

int RunSecureTransfer(CliContext& context, const Settings& settings, fetch::Protocol protocol) {
  EnsureDirectories(settings);
  AuditLog audit(settings);
  const auto request = fetch::RequestFromSettings(settings, protocol);
  if (!request) {
    throw CliExit{kExitFailure, "No valid host set (a host, optionally a blank and a port)"};
  }
  const fetch::ExtractsFetched fetched =
      FetchExtractsSecurely(*request, settings.KeepPreviousExtracts, PrintProgress);
  const int status = ReportTransfer(context, [&] {
    return fetch::ConcludeSecureTransfer(settings, protocol, fetched, audit, context.Store,
                                         context.Catalogue);
  });
  if (status != kExitDone) PrintHostKeyAdvice(fetched.Result, settings);
  return status;
}

int RunTransfer(CliContext& context, const TransferOptions& options) {
  SetSecureModuleProgramDirectory(context.ProgramDir);
  Settings settings = TransferSettings(context, options);
  const auto protocol = fetch::ProtocolFromName(settings.TransferProtocol);
  if (!protocol) {
    throw CliExit{kExitFailure, "TransferProtocol is ftp, ftps or sftp, not \"" +
                                    settings.TransferProtocol + "\""};
  }
  if (*protocol != fetch::Protocol::kFtp) {
    settings.DatabaseDir = std::filesystem::absolute(settings.DatabaseDir).string();
    return RunSecureTransfer(context, settings, *protocol);
  }
  EnsureDirectories(settings);
  AuditLog audit(settings);
  QProcessRunner runner;
  TransferSequence sequence(settings, runner, audit);
  return ReportTransfer(context, [&] { return sequence.Run(context.Store, context.Catalogue); });
}

}  // namespace

void AddTransferCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto options = std::make_shared<TransferOptions>();
  auto* command = app.add_subcommand(
      "transfer", "Fetch the seven extracts by FTP and reload them (password from " +
                      std::string(kPasswordVariable) + " when set)");
  command->add_option("--host", options->Host,
                      "FTP host, optionally followed by a blank and a port");
  command->add_option("--user", options->User, "FTP user name");
  command->add_option("--remote-dir", options->RemoteDir, "extract directory on the host");
  command->add_option("--protocol", options->Protocol, "ftp (the default), ftps or sftp")
      ->check(CLI::IsMember({"ftp", "ftps", "sftp"}));
  command->add_option("--known-hosts", options->KnownHosts,
                      "SFTP: the host keys to trust (default ~/.ssh/known_hosts)");
  command->add_option("--identity", options->Identity,
                      "SFTP: the private key to log in with (default: the SSH agent)");
  command->add_option("--ca-file", options->CaFile,
                      "FTPS: the certificates of trusted issuers (default: the system's)");
  command->footer(
      "Example:\n  VARNOLTDBQ_FTP_PASSWORD=secret varnoltdbq-cli transfer --host "
      "\"master.example 2121\" --user varnolt --remote-dir /scheduler/extracts");
  command->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunTransfer(context, *options); };
  });
}

}  // namespace vdbq::cli
