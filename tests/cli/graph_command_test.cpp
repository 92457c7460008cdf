// The graph commands on the sample database: the dependency path of the finance reports as
// JSON, DOT that Graphviz's own program draws, SVG that is well-formed XML, and exit statuses.
#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq::testing {
namespace {

using Json = nlohmann::json;

constexpr const char* kRoot = "HFFIN02#FIN_REPORTS";

CliRun Graph(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"--db", kSampleDbDir, "graph"});
  return RunCli(arguments);
}

// "key up/down" of each node and "from>to via refs" of each edge, in the order printed.
std::string Summary(const Json& graph) {
  std::string text;
  auto steps = [](const Json& n) { return n.is_null() ? std::string("-") : n.dump(); };
  for (const Json& node : graph["nodes"]) {
    text += node["key"].get<std::string>() + " " + steps(node["up"]) + "/" + steps(node["down"]) +
            (node["defined"] ? "" : " undefined") + "\n";
  }
  for (const Json& edge : graph["edges"]) {
    text += edge["from"].get<std::string>() + ">" + edge["to"].get<std::string>();
    for (const Json& via : edge["via"]) text += " " + via.get<std::string>();
    for (const Json& ref : edge["refs"]) text += " " + ref.get<std::string>();
    text += "\n";
  }
  return text;
}

// The whole path as JSON (the default format), and the near schedules within depth limits.
TEST(GraphCommand, ScheduleGraphOfTheSamplePath) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--format", "json"},
       "HFDWH01#DW_NIGHTLY -/1\n"
       "HFDWH01#DW_WEEKLY -/2\n"
       "HFERP01#ERP_EXPORT 3/-\n"
       "HFFIN01#GL_IMPORT 2/-\n"
       "HFFIN01#GL_POSTING 1/-\n"
       "HFFIN02#FIN_REPORTS 0/0\n"
       "HFMASTER#MONTH_ARCHIVE -/3\n"
       "HFWEB02#MI_DASHBOARD -/2\n"
       "HFDWH01#DW_NIGHTLY>HFDWH01#DW_WEEKLY schedule HFDWH01#DW_NIGHTLY.DW_END\n"
       "HFDWH01#DW_NIGHTLY>HFWEB02#MI_DASHBOARD job HFDWH01#DW_NIGHTLY.DW_AGGREGATE\n"
       "HFERP01#ERP_EXPORT>HFDWH01#DW_NIGHTLY job HFERP01#ERP_EXPORT.ERP_EXPORT_DONE\n"
       "HFERP01#ERP_EXPORT>HFFIN01#GL_IMPORT schedule HFERP01#ERP_EXPORT.@\n"
       "HFFIN01#GL_IMPORT>HFFIN01#GL_POSTING job HFFIN01#GL_IMPORT.LOAD_JOURNALS\n"
       "HFFIN01#GL_POSTING>HFFIN02#FIN_REPORTS schedule HFFIN01#GL_POSTING.POST_LEDGER\n"
       "HFFIN02#FIN_REPORTS>HFDWH01#DW_NIGHTLY schedule HFFIN02#FIN_REPORTS.@\n"
       "HFWEB02#MI_DASHBOARD>HFMASTER#MONTH_ARCHIVE schedule HFWEB02#MI_DASHBOARD.@\n"},
      {{"--up", "1", "--down", "0"},
       "HFFIN01#GL_POSTING 1/-\n"
       "HFFIN02#FIN_REPORTS 0/0\n"
       "HFFIN01#GL_POSTING>HFFIN02#FIN_REPORTS schedule HFFIN01#GL_POSTING.POST_LEDGER\n"}};
  for (const auto& [options, expected] : cases) {
    std::vector<std::string> arguments{"schedule", kRoot};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const CliRun run = Graph(arguments);
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    const Json graph = Json::parse(run.Out);
    EXPECT_EQ(graph["root"], kRoot);
    EXPECT_EQ(Summary(graph), expected);
  }
}

TEST(GraphCommand, JobGraphMarksOtherSchedulesJobsExternal) {
  const CliRun run = Graph({"jobs", "HFDWH01#DW_NIGHTLY", "--format", "json"});
  ASSERT_EQ(run.ExitStatus, 0) << run.Err;
  const Json graph = Json::parse(run.Out);
  std::string nodes, edges;
  for (const Json& node : graph["nodes"]) {
    if (node["external"]) nodes += node["key"].get<std::string>() + " ";
  }
  for (const Json& edge : graph["edges"]) {
    edges += edge["from"].get<std::string>() + ">" + edge["to"].get<std::string>() + "\n";
  }
  EXPECT_EQ(graph["nodes"].size(), 15u);
  EXPECT_EQ(nodes, "HFERP01#ERP_EXPORT.ERP_EXPORT_DONE ");
  EXPECT_NE(edges.find("HFDWH01#DW_MERGE>HFDWH01#DW_INDEX\n"), std::string::npos);
  EXPECT_NE(edges.find("HFDWH01#DW_EXPORT_MI>HFWEB02#DW_PUBLISH\n"), std::string::npos);
  EXPECT_NE(edges.find("HFERP01#ERP_EXPORT.ERP_EXPORT_DONE>HFDWH01#DW_LOAD_ERP\n"),
            std::string::npos);
}

// Graphviz's own program must read the DOT text of both graphs and draw it.
TEST(GraphCommand, DotTextIsDrawnByGraphviz) {
  const TempDir dir;
  for (const char* kind : {"schedule", "jobs"}) {
    const CliRun run = Graph({kind, kRoot, "--format", "dot"});
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    const auto dot = dir.Write(std::string(kind) + ".dot", run.Out);
    CliCall call;
    call.Program = "dot";
    call.Arguments = {"-Tpng", dot.string(), "-o", (dir.Path() / "out.png").string()};
    const CliRun drawn = RunCli(call);
    ASSERT_EQ(drawn.ExitStatus, 0) << drawn.Err << run.Out;
    EXPECT_EQ(ReadFile(dir.Path() / "out.png").substr(1, 3), "PNG") << kind;
  }
}

TEST(GraphCommand, SvgIsWellFormedWithOneShapePerNode) {
  const CliRun run = Graph({"schedule", kRoot, "--format", "svg"});
  ASSERT_EQ(run.ExitStatus, 0) << run.Err;
  QXmlStreamReader xml(QByteArray::fromStdString(run.Out));
  int nodes = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement &&
        xml.attributes().value("class") == QLatin1String("node")) {
      ++nodes;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(nodes, 8);
}

}  // namespace
}  // namespace vdbq::testing
