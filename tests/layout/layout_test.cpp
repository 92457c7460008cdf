#include <gtest/gtest.h>

#include <cmath>

#include "layout/graph_layout.h"

namespace vdbq::layout {
namespace {

Graph Nodes(std::initializer_list<const char*> names, std::vector<std::pair<int, int>> edges) {
  Graph graph;
  for (const char* name : names) graph.Nodes.push_back(Node{name, {}});
  for (const auto& [from, to] : edges) graph.Edges.push_back(Edge{from, to, {}});
  return graph;
}

// Distance from a point to a node's box (0 inside it).
double Distance(const Point& p, const NodeBox& box) {
  const double dx = std::max(0.0, std::abs(p.X - box.Centre.X) - box.Width / 2);
  const double dy = std::max(0.0, std::abs(p.Y - box.Centre.Y) - box.Height / 2);
  return std::hypot(dx, dy);
}

TEST(GraphLayout, EmptyGraphGivesAnEmptyDrawing) {
  const Drawing drawing = LayOut(Graph{});
  EXPECT_TRUE(drawing.Nodes.empty());
  EXPECT_TRUE(drawing.Edges.empty());
  EXPECT_NE(SvgText(Graph{}).find("<svg"), std::string::npos);
}

TEST(GraphLayout, OneNodeLiesInsideTheDrawing) {
  Graph graph = Nodes({"CPU1#DAILY"}, {});
  graph.Nodes[0].Attributes.push_back({"label", "a \"quoted\" label"});
  const Drawing drawing = LayOut(graph);
  ASSERT_EQ(drawing.Nodes.size(), 1u);
  const NodeBox& box = drawing.Nodes[0];
  EXPECT_GT(box.Width, 0);
  EXPECT_GT(box.Height, 0);
  EXPECT_LE(box.Centre.X + box.Width / 2, drawing.Width + 0.5);
  EXPECT_LE(box.Centre.Y + box.Height / 2, drawing.Height + 0.5);
  EXPECT_NE(DotText(graph).find("\"CPU1#DAILY\""), std::string::npos);
  EXPECT_NE(SvgText(graph).find("a &quot;quoted&quot; label"), std::string::npos);
}

// A cycle and a tail: left to right, every edge routed from its tail's box to its head's.
TEST(GraphLayout, CyclicGraphRoutesEveryEdgeBetweenItsNodes) {
  const Graph graph = Nodes({"A", "B", "C", "D"}, {{0, 1}, {1, 2}, {2, 0}, {2, 3}});
  const Drawing drawing = LayOut(graph);
  ASSERT_EQ(drawing.Nodes.size(), 4u);
  ASSERT_EQ(drawing.Edges.size(), 4u);
  EXPECT_LT(drawing.Nodes[2].Centre.X, drawing.Nodes[3].Centre.X);
  for (size_t e = 0; e < graph.Edges.size(); ++e) {
    const EdgePath& path = drawing.Edges[e];
    ASSERT_GE(path.Curve.size(), 4u);
    EXPECT_EQ((path.Curve.size() - 1) % 3, 0u);
    ASSERT_TRUE(path.HasArrow);
    EXPECT_LT(Distance(path.Curve.front(), drawing.Nodes[graph.Edges[e].From]), 2.0) << e;
    EXPECT_LT(Distance(path.ArrowTip, drawing.Nodes[graph.Edges[e].To]), 2.0) << e;
  }
}

}  // namespace
}  // namespace vdbq::layout
