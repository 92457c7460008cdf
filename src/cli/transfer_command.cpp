#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "core/audit/audit_log.h"
#include "core/text/display_text.h"
#include "core/transfer/transfer_sequence.h"
#include "platform/qprocess_runner.h"

namespace vdbq::cli {
namespace {

inline constexpr char kPasswordVariable[] = "VARNOLTDBQ_FTP_PASSWORD";

struct TransferOptions {
  std::optional<std::string> Host;
  std::optional<std::string> User;
  std::optional<std::string> RemoteDir;
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
  if (const char* password = std::getenv(kPasswordVariable)) settings.FtpPassword = password;
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

int RunTransfer(CliContext& context, const TransferOptions& options) {
  const Settings settings = TransferSettings(context, options);
  EnsureDirectories(settings);
  AuditLog audit(settings);
  QProcessRunner runner;
  TransferSequence sequence(settings, runner, audit);
  TransferOutcome outcome;
  try {
    outcome = sequence.Run(context.Store, context.Catalogue);
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
  command->footer(
      "Example:\n  VARNOLTDBQ_FTP_PASSWORD=secret varnoltdbq-cli transfer --host "
      "\"master.example 2121\" --user varnolt --remote-dir /scheduler/extracts");
  command->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunTransfer(context, *options); };
  });
}

}  // namespace vdbq::cli
