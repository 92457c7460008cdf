#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/check/check_database.h"
#include "core/text/display_text.h"

namespace vdbq::cli {
namespace {

void PrintJson(const std::vector<Finding>& findings, const FindingTotals& totals) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const Finding& f : findings) {
    list.push_back({{"rule", f.Rule},
                    {"severity", SeverityText(f.Severity)},
                    {"kind", KindName(f.Kind)},
                    {"key", DisplayText(f.Key)},
                    {"file", f.File},
                    {"line", f.Line.Value},
                    {"message", DisplayText(f.Message)}});
  }
  nlohmann::ordered_json out;
  out["findings"] = std::move(list);
  out["totals"] = {{"errors", totals.Errors}, {"warnings", totals.Warnings}};
  std::cout << out.dump(2) << '\n';
}

// One finding a line: where, severity, rule, then the object and the message.
void PrintTable(const std::vector<Finding>& findings, const FindingTotals& totals) {
  std::vector<std::string> places;
  size_t placeWidth = 0;
  size_t ruleWidth = 0;
  for (const Finding& f : findings) {
    places.push_back(f.File + ":" + std::to_string(f.Line.Value));
    placeWidth = std::max(placeWidth, places.back().size());
    ruleWidth = std::max(ruleWidth, f.Rule.size());
  }
  for (size_t k = 0; k < findings.size(); ++k) {
    const Finding& f = findings[k];
    const std::string severity = SeverityText(f.Severity);
    std::cout << places[k] << std::string(placeWidth - places[k].size() + 2, ' ') << severity
              << std::string(9 - severity.size(), ' ') << f.Rule
              << std::string(ruleWidth - f.Rule.size() + 2, ' ') << KindName(f.Kind) << " "
              << DisplayText(f.Key) << ": " << DisplayText(f.Message) << '\n';
  }
  std::cout << TotalsText(totals) << '\n';
}

int RunCheck(CliContext& context, const std::string& format) {
  context.LoadDatabase();
  Progress progress;
  const CheckOptions options{context.Today()};
  const std::vector<Finding> findings =
      CheckDatabase(context.Store, context.Catalogue, options, progress);
  const FindingTotals totals = CountFindings(findings);
  if (format == "json") {
    PrintJson(findings, totals);
  } else {
    PrintTable(findings, totals);
  }
  return totals.Errors > 0 ? kExitNotCompleted : kExitDone;
}

}  // namespace

void AddCheckCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto* command = app.add_subcommand(
      "check", "Check the database: broken references, cycles, duplicates, unused objects");
  auto format = std::make_shared<std::string>("table");
  command->add_option("--format", *format, "table or json")
      ->check(CLI::IsMember({"table", "json"}));
  command->footer(
      "Example:\n  varnoltdbq-cli --db /usr/share/varnoltdbq/sample-db check --format json\n"
      "Exit status 1 when there is an error.");
  command->callback([&context, &result, format] {
    result.Run = [&context, format] { return RunCheck(context, *format); };
  });
}

}  // namespace vdbq::cli
