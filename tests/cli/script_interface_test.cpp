// What scripts rely on: the show JSON's field names and order, one-line errors that name the
// program, the version, and an example in every command's help.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "cli_runner.h"

namespace vdbq::testing {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

TEST(ScriptInterface, ShowJsonFieldsInTheDocumentedOrder) {
  const std::vector<std::tuple<std::string, std::string, std::vector<std::string>>> cases{
      {"workstation",
       "HFWEB01",
       {"workstation", "operatingSystem", "description", "node", "tcpPort", "timeZone", "domain",
        "forUser", "type", "host", "access", "autoLink", "fullStatus", "resolveDependencies",
        "ignore", "behindFirewall", "server"}},
      {"schedule", "HFBKP01#BACKUP_WEEKLY", {"workstation", "schedule", "lines"}},
      {"job",
       "HFMASTER#VARNOLT_DBXTRACT",
       {"job", "workstation", "operatingSystem", "jobName", "commandType", "command", "runPlatform",
        "logon", "description", "recovery", "interactive"}},
      {"calendar", "WORKDAYS", {"calendar", "description", "dates"}},
      {"resource", "HFWEB01#IISPOOL", {"resource", "workstation", "row"}},
      {"parameter", "NOPARM", {"parameter", "selected", "description"}},
      {"prompt", "TAPE_MOUNTED", {"prompt", "selected", "description"}}};
  for (const auto& [kind, key, fields] : cases) {
    const CliRun run = RunCli({"--db", kSampleDbDir, "show", kind, key, "--format", "json"});
    ASSERT_EQ(run.ExitStatus, 0) << kind << ": " << run.Err;
    EXPECT_EQ(Keys(Json::parse(run.Out, nullptr, false)), fields) << kind;
  }
}

TEST(ScriptInterface, ErrorsAreOneLineNamingTheProgram) {
  const std::vector<std::vector<std::string>> calls{
      {"--db", kSampleDbDir, "show", "schedule", "NOHASH"},
      {"--db", kSampleDbDir, "report", "S#4", "DW_NIGHTLY"},
      {"--db", kSampleDbDir, "html", "HFDWH01#NO_SUCH"},
      {"--db", kSampleDbDir, "nosuchcommand"},
      {"--db", kSampleDbDir, "report", "Z#9"},
      {"--db", "/nonexistent/db", "catalogue"},
      {"--today", "6 Dec", "catalogue"},
      {}};
  const std::regex oneLine("varnoltdbq-cli: [^\n]+\n");
  for (const std::vector<std::string>& call : calls) {
    const CliRun run = RunCli(call);
    EXPECT_NE(run.ExitStatus, 0);
    EXPECT_TRUE(std::regex_match(run.Err, oneLine)) << run.Err;
  }
}

TEST(ScriptInterface, VersionNamesTheProgram) {
  const CliRun run = RunCli({"--version"});
  EXPECT_EQ(run.ExitStatus, 0);
  EXPECT_TRUE(std::regex_match(run.Out, std::regex("varnoltdbq-cli \\d+\\.\\d+\\.\\d+\n")))
      << run.Out;
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
    EXPECT_NE(help.Out.find(" varnoltdbq-cli ", example), std::string::npos) << help.Out;
    ++commands;
  }
  EXPECT_GE(commands, 5);
}

}  // namespace
}  // namespace vdbq::testing
