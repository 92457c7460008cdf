#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/text/display_text.h"

namespace vdbq::cli {
namespace {

nlohmann::json NodeJson(const TreeNode& node) {
  nlohmann::json children = nlohmann::json::array();
  for (const TreeNode& child : node.Children) children.push_back(NodeJson(child));
  return {{"caption", DisplayText(node.Caption)}, {"children", std::move(children)}};
}

nlohmann::ordered_json TotalsJson(const CatalogueTotals& totals) {
  return {{"CpuTotal", totals.CpuTotal},
          {"ScheduleBlockCount", totals.ScheduleBlockCount},
          {"JobTotal", totals.JobTotal},
          {"CalendarTotal", totals.CalendarTotal},
          {"ParameterTotal", totals.ParameterTotal},
          {"PromptTotal", totals.PromptTotal},
          {"ResourceTotal", totals.ResourceTotal}};
}

void PrintTree(const std::pmr::vector<TreeNode>& nodes, int depth) {
  for (const TreeNode& node : nodes) {
    std::cout << std::string(static_cast<size_t>(depth) * 2, ' ') << DisplayText(node.Caption)
              << '\n';
    PrintTree(node.Children, depth + 1);
  }
}

int RunCatalogue(CliContext& context, const std::string& format) {
  context.LoadDatabase();
  const Catalogue& catalogue = context.Catalogue;
  if (format == "json") {
    nlohmann::ordered_json out;
    out["status"] = DisplayText(context.Status);
    out["lastUpdate"] = DisplayText(context.Store.LastUpdate);
    out["totals"] = TotalsJson(catalogue.Totals);
    nlohmann::json tree = nlohmann::json::array();
    for (const TreeNode& node : catalogue.Tree) tree.push_back(NodeJson(node));
    out["tree"] = std::move(tree);
    std::cout << out.dump(2) << '\n';
    return kExitDone;
  }
  PrintTree(catalogue.Tree, 0);
  std::cout << '\n' << "Last Update : " << DisplayText(context.Store.LastUpdate) << '\n';
  const nlohmann::ordered_json totals = TotalsJson(catalogue.Totals);
  for (const auto& [name, value] : totals.items()) {
    std::cout << name << ": " << value << '\n';
  }
  std::cout << DisplayText(context.Status) << '\n';
  return kExitDone;
}

}  // namespace

void AddCatalogueCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto* command = app.add_subcommand("catalogue", "Print the catalogue tree and the totals");
  auto format = std::make_shared<std::string>("table");
  command->add_option("--format", *format, "table or json")
      ->check(CLI::IsMember({"table", "json"}));
  command->footer(
      "Example:\n  varnoltdbq-cli --db /usr/share/varnoltdbq/sample-db catalogue "
      "--format json");
  command->callback([&context, &result, format] {
    result.Run = [&context, format] { return RunCatalogue(context, *format); };
  });
}

}  // namespace vdbq::cli
