// varnoltdbq-cli: runs what the desktop program runs, without a window.
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <iostream>
#include <regex>

#include "cli/commands.h"
#include "core/settings/settings_io.h"
#include "platform/data_directory.h"
#include "platform/program_directory.h"
#include "platform/qsettings_store.h"

#ifndef VARNOLTDBQ_VERSION
#define VARNOLTDBQ_VERSION "0.0.0"
#endif

namespace {

using vdbq::cli::CliExit;

void CheckToday(const std::string& today) {
  static const std::regex kDate(R"(\d{4}-\d{2}-\d{2})");
  if (!today.empty() && !std::regex_match(today, kDate)) {
    throw CliExit{vdbq::cli::kExitFailure, "--today takes a date as YYYY-MM-DD: " + today};
  }
}

// A path below the home directory written as a user types it, so that the help names the files
// this run reads, wherever XDG_CONFIG_HOME and XDG_DATA_HOME point.
std::string AsTyped(const QString& path) {
  const QString home = QDir::homePath();
  if (path.startsWith(home + QLatin1Char('/'))) {
    return "~" + QDir::toNativeSeparators(path.mid(home.size())).toStdString();
  }
  return QDir::toNativeSeparators(path).toStdString();
}

std::string Footer() {
  const std::string settings = AsTyped(vdbq::SettingsLocation());
  const std::string data =
      AsTyped(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
              QStringLiteral("/DBase/"));
  return R"(Examples:
  varnoltdbq-cli --db /usr/share/varnoltdbq/sample-db catalogue

  varnoltdbq-cli report S#4 HFDWH01#DW_NIGHTLY --format json

Without --db the database directory of the settings is read ()" +
         settings + R"(,
shared with the desktop program); an installed program's default is
)" + data +
         R"(. The sample database lies in share/varnoltdbq/sample-db below
the installation prefix. Each command's --help shows its options and an example.

Exit status:
  0 done; 1 not completed (the reason on stderr); 2 the database cannot be loaded or the call is
  malformed.)";
}

}  // namespace

int main(int argc, char** argv) {
  // The user's data directory is named after the program, as the desktop program's is.
  QCoreApplication::setApplicationName(QStringLiteral("VarnoltDBQ"));
  vdbq::cli::CliContext context;
  vdbq::cli::CommandResult result;
  CLI::App app{"varnoltdbq-cli - the Varnolt Database Query Utility for scripts and terminals"};
  app.name(vdbq::cli::kProgramName);
  app.footer(Footer());
  app.set_version_flag("--version", std::string(vdbq::cli::kProgramName) + " " VARNOLTDBQ_VERSION,
                       "print the program's name and version and exit");
  app.require_subcommand(1);
  app.add_option("--db", context.DatabaseDirOption, "directory of the seven extract files");
  app.add_option("--today", context.TodayOption, "the date the calendar reports take as today");
  app.add_option("--log-dir", context.LogDirOption, "directory of the audit log");
  vdbq::cli::AddCatalogueCommand(app, context, result);
  vdbq::cli::AddShowCommand(app, context, result);
  vdbq::cli::AddReportCommand(app, context, result);
  vdbq::cli::AddTransferCommand(app, context, result);
  vdbq::cli::AddHtmlCommand(app, context, result);
  vdbq::cli::AddDiffCommand(app, context, result);
  vdbq::cli::AddGraphCommand(app, context, result);
  vdbq::cli::AddCheckCommand(app, context, result);
  vdbq::cli::AddSearchCommand(app, context, result);
  vdbq::cli::AddForecastCommand(app, context, result);
  vdbq::cli::AddImpactCommand(app, context, result);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForAllHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForVersion& version) {
    return app.exit(version);
  } catch (const CLI::ParseError& error) {
    vdbq::cli::PrintError(std::string(error.what()) + " (see --help)");
    return vdbq::cli::kExitFailure;
  }

  try {
    CheckToday(context.TodayOption);
    context.ProgramDir = vdbq::ProgramDirectory(argc > 0 ? argv[0] : "");
    context.SampleDir = vdbq::BundledSampleDirectory(context.ProgramDir);
    vdbq::QSettingsStore store;
    context.Settings = vdbq::LoadSettings(store, vdbq::DataDirectory(context.ProgramDir));
    return result.Run ? result.Run() : vdbq::cli::kExitFailure;
  } catch (const CliExit& exit) {
    if (!exit.Message.empty()) vdbq::cli::PrintError(exit.Message);
    return exit.Status;
  }
}
