// What scripts rely on: exit statuses and one-line errors that name the program, the show
// JSON's field names and order, and an example in every command's help. The version line is
// the install check's.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "cli_runner.h"
#include "support/temp_dir.h"

namespace vdbq::testing {
namespace {

using Json = nlohmann::ordered_json;

// Every command's refusals: 1 for a search or key that finds nothing, 2 for a call that is
// malformed or a database that does not load. An error is one line on standard error; only a
// rejected report search prints its status line on standard output.
TEST(ScriptInterface, ExitStatusesAndOneLineErrors) {
  const TempDir logs, empty;
  const std::string none = "/nonexistent/db";
  const std::string graphRoot = "HFFIN02#FIN_REPORTS";
  const struct {
    std::vector<std::string> Arguments;
    int Status;
    std::string Err;
    std::string Db = kSampleDbDir;  // "" for a call without --db and --log-dir
  } cases[] = {
      {{"report", "S#4", "DW_NIGHTLY"}, 1, "Format = WorkstationName#ScheduleName - Please Check!"},
      {{"report", "J#3", "dw_"}, 1, "Invalid Character In Schedule Name - Please Check!"},
      {{"report", "J#3", "--", "-X"}, 0, ""},  // a search may begin with a hyphen after "--"
      {{"report", "Z#9"}, 2, "Unknown report code: Z#9"},
      {{"report", "S#1", "--format", "xml"}, 2, "xml"},
      {{"nosuchcommand"}, 2, "A subcommand is required"},
      {{}, 2, "A subcommand is required", ""},  // no arguments at all
      {{"--today", "6 Dec", "catalogue"}, 2, "YYYY-MM-DD"},
      {{"catalogue"}, 2, "Varnolt Database Extracts Not Found!", none},
      {{"html", "HFDWH01#NO_SUCH"}, 1, "Schedule Not Found!"},
      {{"show", "schedule", "DAILY"}, 2, "WORKSTATION#NAME"},
      {{"show", "calendars", "X"}, 2, "calendars"},
      {{"show", "job"}, 2, "KEY is required"},
      {{"graph", "schedule", "HFNONE#NO_SUCH"}, 1, "Schedule not found: HFNONE#NO_SUCH"},
      {{"graph", "jobs", "HFNONE#NO_SUCH", "--format", "svg"}, 1, "HFNONE#NO_SUCH"},
      {{"graph", "schedule", "HFERP01#ERP_EXPORT.ERP_EXPORT_DONE"}, 1, "not found"},
      {{"graph", "schedule", graphRoot, "--format", "png"}, 2, "png"},
      {{"graph", "schedule", graphRoot, "--up", "-1"}, 2, "--up"},
      {{"graph", "schedule"}, 2, "KEY is required"},
      {{"graph", "jobs", graphRoot}, 2, "Extracts Not Found", none},
      {{"check"}, 2, "Extracts Not Found", none},
      {{"diff", empty.DirText()}, 2, "Schedules.Xtract"},
      {{"diff", "--against-previous"}, 2, "No previous extracts kept"},
      {{"diff"}, 2, "OLD_DIR or --against-previous is required"},
  };
  const std::regex oneLine("varnoltdbq-cli: [^\n]+\n");
  for (const auto& c : cases) {
    std::vector<std::string> arguments;
    if (!c.Db.empty()) arguments = {"--db", c.Db, "--log-dir", logs.DirText()};
    std::string call;
    for (const std::string& argument : c.Arguments) {
      arguments.push_back(argument);
      call += argument + " ";
    }
    SCOPED_TRACE(call);
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.ExitStatus, c.Status) << run.Err;
    if (c.Status == 0) continue;
    EXPECT_TRUE(std::regex_match(run.Err, oneLine)) << run.Err;
    EXPECT_NE(run.Err.find(c.Err), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out.empty(), call.rfind("report ", 0) != 0 || c.Status == 2) << run.Out;
  }
}

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

// Every kind of page with its fields in the documented order and one value; the page rules
// themselves are the core's tests, the names of the pictures only show here.
TEST(ScriptInterface, ShowJsonFieldsInTheDocumentedOrder) {
  const struct {
    const char* Kind;
    const char* Key;
    std::vector<std::string> Fields;  // none: not checked
    const char* Field;
    Json Expected;
  } cases[] = {
      {"workstation",
       "HFWEB01",
       {"workstation", "operatingSystem", "description", "node", "tcpPort", "timeZone", "domain",
        "forUser", "type", "host", "access", "autoLink", "fullStatus", "resolveDependencies",
        "ignore", "behindFirewall", "server"},
       "type",
       "Fault-Tolerant Agent"},
      {"schedule",
       "HFBKP01#BACKUP_WEEKLY",
       {"workstation", "schedule", "lines"},
       "schedule",
       "BACKUP_WEEKLY"},
      {"job",
       "HFMASTER#VARNOLT_DBXTRACT",
       {"job", "workstation", "operatingSystem", "jobName", "commandType", "command", "runPlatform",
        "logon", "description", "recovery", "interactive"},
       "command",
       "\"/scheduler/varnolt/scripts/Varnolt_DBXtract.sh\""},
      {"calendar",
       "WORKDAYS",
       {"calendar", "description", "dates"},
       "description",
       "Working days Monday to Friday"},
      {"resource",
       "HFWEB01#IISPOOL",
       {"resource", "workstation", "row"},
       "row",
       Json{"IISPOOL", "HFWEB01", "x4", "None"}},
      {"parameter", "NOPARM", {"parameter", "selected", "description"}, "selected", -1},
      {"prompt", "TAPE_MOUNTED", {"prompt", "selected", "description"}, "selected", 3},
      {"job", "HFOLD07#OLD_PAY_CALC", {}, "operatingSystem", "unknown"},
      {"job", "HFMASTER#NO_SUCH_JOB", {}, "description", "-"},
      {"workstation", "NOWHERE", {}, "operatingSystem", "none"},
      {"schedule", "HFMASTER#NOTHING", {}, "lines", Json::array()},
  };
  for (const auto& c : cases) {
    const CliRun run = RunCli({"--db", kSampleDbDir, "show", c.Kind, c.Key, "--format", "json"});
    ASSERT_EQ(run.ExitStatus, 0) << c.Key << ": " << run.Err;
    const Json out = Json::parse(run.Out, nullptr, false);
    if (!c.Fields.empty()) {
      EXPECT_EQ(Keys(out), c.Fields) << c.Key;
    }
    EXPECT_EQ(out[c.Field], c.Expected) << c.Key;
  }
  const CliRun table = RunCli({"--db", kSampleDbDir, "show", "job", "HFMPE01#PAY_CALC"});
  EXPECT_EQ(table.ExitStatus, 0);
  EXPECT_NE(table.Out.find("Run Platform     : MPE\n"), std::string::npos) << table.Out;
}

TEST(ScriptInterface, EveryCommandsHelpShowsAnExample) {
  const CliRun top = RunCli({"--help"});
  ASSERT_EQ(top.ExitStatus, 0);
  std::istringstream lines(top.Out.substr(top.Out.find("Subcommands:")));
  std::string line;
  std::getline(lines, line);
  int commands = 0;
  while (std::getline(lines, line) && line.rfind("  ", 0) == 0) {
    const std::string command = line.substr(2, line.find(' ', 2) - 2);
    const CliRun help = RunCli({command, "--help"});
    EXPECT_EQ(help.ExitStatus, 0) << command;
    const size_t example = help.Out.find("Example");
    EXPECT_NE(example, std::string::npos) << command;
    // An example of this command, not the program's examples that a command inherits.
    EXPECT_NE(help.Out.find(" " + command + " ", example), std::string::npos) << help.Out;
    ++commands;
  }
  EXPECT_GE(commands, 5);
}

// The help names the settings file and the default database of this run's environment.
TEST(ScriptInterface, HelpNamesTheFilesThisRunReads) {
  using Variables = std::map<std::string, std::optional<std::string>>;
  const struct {
    Variables Environment;
    std::string Settings, Database;
  } cases[] = {
      {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", std::nullopt}, {"XDG_DATA_HOME", std::nullopt}},
       "(~/.config/VarnoltDBQ/VarnoltDBQ.ini,",
       "\n~/.local/share/VarnoltDBQ/DBase/."},
      {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/etc/xdg-u"}, {"XDG_DATA_HOME", "/srv/u"}},
       "(/etc/xdg-u/VarnoltDBQ/VarnoltDBQ.ini,",
       "\n/srv/u/VarnoltDBQ/DBase/."},
      {{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/home/u/cfg"}, {"XDG_DATA_HOME", std::nullopt}},
       "(~/cfg/VarnoltDBQ/VarnoltDBQ.ini,",
       "\n~/.local/share/VarnoltDBQ/DBase/."},
  };
  for (const auto& c : cases) {
    CliCall call;
    call.Arguments = {"--help"};
    call.Environment = c.Environment;
    const CliRun help = RunCli(call);
    ASSERT_EQ(help.ExitStatus, 0) << c.Settings;
    EXPECT_NE(help.Out.find(c.Settings), std::string::npos) << help.Out;
    EXPECT_NE(help.Out.find(c.Database), std::string::npos) << help.Out;
  }
}

}  // namespace
}  // namespace vdbq::testing
