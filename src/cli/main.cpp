// varnoltdbq-cli: runs what the desktop program runs, without a window.
#include <iostream>
#include <regex>

#include "cli/commands.h"
#include "platform/program_directory.h"
#include "platform/qsettings_store.h"
#include "core/settings/settings_io.h"

namespace {

using vdbq::cli::CliExit;

void CheckToday(const std::string& today) {
  static const std::regex kDate(R"(\d{4}-\d{2}-\d{2})");
  if (!today.empty() && !std::regex_match(today, kDate)) {
    throw CliExit{vdbq::cli::kExitFailure, "--today takes a date as YYYY-MM-DD: " + today};
  }
}

}  // namespace

int main(int argc, char** argv) {
  vdbq::cli::CliContext context;
  vdbq::cli::CommandResult result;
  CLI::App app{"VarnoltDBQ - the Varnolt Database Query Utility, headless"};
  app.require_subcommand(1);
  app.add_option("--db", context.DatabaseDirOption, "directory of the seven extract files");
  app.add_option("--today", context.TodayOption, "the date the calendar reports take as today");
  app.add_option("--log-dir", context.LogDirOption, "directory of the audit log");
  vdbq::cli::AddCatalogueCommand(app, context, result);
  vdbq::cli::AddShowCommand(app, context, result);
  vdbq::cli::AddReportCommand(app, context, result);
  vdbq::cli::AddTransferCommand(app, context, result);
  vdbq::cli::AddHtmlCommand(app, context, result);
  vdbq::cli::AddCheckCommand(app, context, result);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::ParseError& error) {
    app.exit(error);
    return vdbq::cli::kExitFailure;
  }

  try {
    CheckToday(context.TodayOption);
    context.ProgramDir = vdbq::ProgramDirectory(argc > 0 ? argv[0] : "");
    vdbq::QSettingsStore store;
    context.Settings = vdbq::LoadSettings(store, context.ProgramDir);
    return result.Run ? result.Run() : vdbq::cli::kExitFailure;
  } catch (const CliExit& exit) {
    if (!exit.Message.empty()) std::cerr << exit.Message << '\n';
    return exit.Status;
  }
}
