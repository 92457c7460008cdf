#pragma once

#include <string>
#include <vector>

// Lays graphs out with the Graphviz "dot" engine, left to right, in-process. Texts are UTF-8.
namespace vdbq::layout {

struct Attribute {
  std::string Name;
  std::string Value;
};

struct Node {
  std::string Name;  // unique in its graph
  std::vector<Attribute> Attributes;
};

struct Edge {
  int From = 0;  // indexes into Graph::Nodes
  int To = 0;
  std::vector<Attribute> Attributes;
};

struct Graph {
  std::string Name = "G";
  std::vector<Attribute> GraphAttributes;  // rankdir is LR unless given here
  std::vector<Attribute> NodeDefaults;
  std::vector<Attribute> EdgeDefaults;
  std::vector<Node> Nodes;
  std::vector<Edge> Edges;
};

// Points (1/72 inch); y grows downwards from the top left corner of the drawing.
struct Point {
  double X = 0;
  double Y = 0;
};

struct NodeBox {
  Point Centre;
  double Width = 0;
  double Height = 0;
};

struct EdgePath {
  // A cubic Bezier curve: the start, then three points per segment. Empty when Graphviz did not
  // route the edge.
  std::vector<Point> Curve;
  bool HasArrow = false;
  Point ArrowTip;  // where the arrowhead points, beyond the curve's last point
};

struct Drawing {
  double Width = 0;
  double Height = 0;
  std::vector<NodeBox> Nodes;  // in the order of Graph::Nodes
  std::vector<EdgePath> Edges;
};

// Graphviz keeps global state, so the calls below take turns; any thread may call them.
Drawing LayOut(const Graph& graph);
std::string DotText(const Graph& graph);
std::string SvgText(const Graph& graph);

}  // namespace vdbq::layout
