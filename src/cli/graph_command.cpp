#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/catalogue/catalogue.h"
#include "core/catalogue/object_kind.h"
#include "core/graph/job_graph.h"
#include "core/graph/schedule_graph.h"
#include "core/text/display_text.h"
#include "layout/graph_layout.h"
#include "layout/graph_styles.h"

namespace vdbq::cli {
namespace {

using Json = nlohmann::ordered_json;

struct GraphOptions {
  std::string Key;
  int Up = kUnlimitedSteps;
  int Down = kUnlimitedSteps;
  std::string Format = "json";
};

void PrintDrawing(const layout::Graph& graph, const std::string& format) {
  std::cout << (format == "dot" ? layout::DotText(graph) : layout::SvgText(graph));
  std::cout.flush();
}

// The graphs read only the schedules file. The other six must be there as for any command, but
// reading them (the jobs file is the largest by far) would cost more than the graph itself.
std::shared_ptr<const ScheduleGraph> LoadGraph(CliContext& context) {
  const std::string dir = context.DatabaseDir();
  for (const char* name : kExtractLoadOrder) {
    std::error_code ignored;
    if (!std::filesystem::exists(dir + name, ignored)) {
      throw CliExit{kExitFailure, kExtractsNotFound};
    }
  }
  std::ifstream in(dir + kSchedulesFile, std::ios::binary | std::ios::ate);
  std::string text(in ? static_cast<size_t>(in.tellg()) : 0, '\0');
  if (!in || !in.seekg(0) || !in.read(text.data(), static_cast<std::streamsize>(text.size()))) {
    throw CliExit{kExitFailure, "Cannot read " + dir + kSchedulesFile};
  }
  context.Store.ScheduleLines = LineList::FromText(std::move(text));
  return std::make_shared<const ScheduleGraph>(context.Store.ScheduleLines);
}

Json Steps(int steps) { return steps < 0 ? Json(nullptr) : Json(steps); }

// The node of a schedule the extract defines; a key only referenced is not one.
int DefinedNode(const ScheduleGraph& graph, const std::string& key) {
  const int node = graph.Find(key);
  if (node < 0 || !graph.Defined(node)) {
    throw CliExit{kExitNotCompleted, "Schedule not found: " + DisplayText(key)};
  }
  return node;
}

int RunScheduleGraph(CliContext& context, const GraphOptions& options) {
  const std::shared_ptr<const ScheduleGraph> graph = LoadGraph(context);
  const Neighbourhood around =
      graph->Around(DefinedNode(*graph, options.Key), options.Up, options.Down);
  if (options.Format != "json") {
    PrintDrawing(layout::ScheduleLayoutGraph(*graph, around), options.Format);
    return kExitDone;
  }
  Json nodes = Json::array();
  for (const GraphNodeSteps& steps : around.Nodes) {
    nodes.push_back({{"key", DisplayText(graph->Key(steps.Node))},
                     {"defined", graph->Defined(steps.Node)},
                     {"up", Steps(steps.Up)},
                     {"down", Steps(steps.Down)}});
  }
  Json edges = Json::array();
  for (int e : around.Edges) {
    const ScheduleEdge& edge = graph->Edge(e);
    // The kinds of definition whose FOLLOWS make the edge.
    Json via = Json::array();
    if (edge.ByJob) via.push_back(KindName(ObjectKind::Job));
    if (edge.BySchedule) via.push_back(KindName(ObjectKind::Schedule));
    Json refs = Json::array();
    for (const std::string& ref : edge.Refs) refs.push_back(DisplayText(ref));
    edges.push_back({{"from", DisplayText(graph->Key(edge.From))},
                     {"to", DisplayText(graph->Key(edge.To))},
                     {"via", via},
                     {"refs", refs}});
  }
  const Json out = {{"root", DisplayText(options.Key)}, {"nodes", nodes}, {"edges", edges}};
  std::cout << out.dump(2) << '\n';
  return kExitDone;
}

int RunJobGraph(CliContext& context, const GraphOptions& options) {
  const std::shared_ptr<const ScheduleGraph> graph = LoadGraph(context);
  const JobGraph jobs = ReadJobGraph(context.Store.ScheduleLines,
                                     graph->DefinitionLine(DefinedNode(*graph, options.Key)));
  if (options.Format != "json") {
    PrintDrawing(layout::JobLayoutGraph(jobs), options.Format);
    return kExitDone;
  }
  Json nodes = Json::array();
  for (const JobGraphNode& node : jobs.Nodes) {
    nodes.push_back({{"key", DisplayText(node.Key)}, {"external", node.External}});
  }
  Json edges = Json::array();
  for (const auto& [from, to] : jobs.Edges) {
    edges.push_back({{"from", DisplayText(jobs.Nodes[static_cast<size_t>(from)].Key)},
                     {"to", DisplayText(jobs.Nodes[static_cast<size_t>(to)].Key)}});
  }
  const Json out = {{"root", DisplayText(options.Key)}, {"nodes", nodes}, {"edges", edges}};
  std::cout << out.dump(2) << '\n';
  return kExitDone;
}

void AddFormat(CLI::App* command, GraphOptions& options) {
  command->add_option("--format", options.Format, "json (default), dot or svg")
      ->check(CLI::IsMember({"json", "dot", "svg"}));
}

}  // namespace

void AddGraphCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto options = std::make_shared<GraphOptions>();
  auto* graph = app.add_subcommand("graph", "Print the dependency graph of schedules or jobs");
  graph->require_subcommand(1);
  constexpr char kScheduleExample[] =
      "varnoltdbq-cli graph schedule HFFIN02#FIN_REPORTS --up 1 --down 1";
  constexpr char kJobsExample[] = "varnoltdbq-cli graph jobs HFDWH01#DW_NIGHTLY --format svg";
  graph->footer(std::string("Examples:\n  ") + kScheduleExample + "\n  " + kJobsExample);

  auto* schedule = graph->add_subcommand(
      "schedule", "What one schedule waits for and what waits for it, from the whole database");
  schedule->add_option("KEY", options->Key, "WORKSTATION#SCHEDULE")->required();
  schedule->add_option("--up", options->Up, "steps upstream (default: no limit)")
      ->check(CLI::Range(0, std::numeric_limits<int>::max()));
  schedule->add_option("--down", options->Down, "steps downstream (default: no limit)")
      ->check(CLI::Range(0, std::numeric_limits<int>::max()));
  AddFormat(schedule, *options);
  schedule->footer(std::string("Example:\n  ") + kScheduleExample);
  schedule->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunScheduleGraph(context, *options); };
  });

  auto* jobs =
      graph->add_subcommand("jobs", "The jobs of one schedule and how they follow each other");
  jobs->add_option("KEY", options->Key, "WORKSTATION#SCHEDULE")->required();
  AddFormat(jobs, *options);
  jobs->footer(std::string("Example:\n  ") + kJobsExample);
  jobs->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunJobGraph(context, *options); };
  });
}

}  // namespace vdbq::cli
