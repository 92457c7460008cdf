#include "layout/graph_layout.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace vdbq::layout {
namespace {

// Graphviz's error and context state is global: every use goes through this lock.
std::mutex& GraphvizLock() {
  static std::mutex lock;
  return lock;
}

// Warnings (a font not found, a label too wide) are no business of the user's; errors show up as
// a failed layout instead.
int IgnoreMessage(char*) { return 0; }

GVC_t* Context() {
  static GVC_t* context = [] {
    agseterr(AGERR);
    agseterrf(IgnoreMessage);
    return gvContext();
  }();
  return context;
}

char* Text(const std::string& text) { return const_cast<char*>(text.c_str()); }

// The graph in cgraph's form, closed with the object.
class CGraph {
 public:
  explicit CGraph(const Graph& graph) {
    graph_ = agopen(Text(graph.Name), Agdirected, nullptr);
    agattr(graph_, AGRAPH, Text("rankdir"), Text("LR"));
    for (const Attribute& a : graph.GraphAttributes) {
      agattr(graph_, AGRAPH, Text(a.Name), Text(a.Value));
    }
    for (const Attribute& a : graph.NodeDefaults) agattr(graph_, AGNODE, Text(a.Name), Text(a.Value));
    for (const Attribute& a : graph.EdgeDefaults) agattr(graph_, AGEDGE, Text(a.Name), Text(a.Value));
    nodes_.reserve(graph.Nodes.size());
    for (const Node& node : graph.Nodes) {
      Agnode_t* n = agnode(graph_, Text(node.Name), 1);
      for (const Attribute& a : node.Attributes) Set(n, a);
      nodes_.push_back(n);
    }
    edges_.reserve(graph.Edges.size());
    for (const Edge& edge : graph.Edges) {
      Agedge_t* e = agedge(graph_, nodes_.at(static_cast<size_t>(edge.From)),
                           nodes_.at(static_cast<size_t>(edge.To)), nullptr, 1);
      for (const Attribute& a : edge.Attributes) Set(e, a);
      edges_.push_back(e);
    }
  }
  ~CGraph() {
    if (laidOut_) gvFreeLayout(Context(), graph_);
    agclose(graph_);
  }
  CGraph(const CGraph&) = delete;
  CGraph& operator=(const CGraph&) = delete;

  void LayOut() {
    if (gvLayout(Context(), graph_, "dot") != 0) throw std::runtime_error("Graphviz layout failed");
    laidOut_ = true;
  }

  Agraph_t* Get() const { return graph_; }
  const std::vector<Agnode_t*>& Nodes() const { return nodes_; }
  const std::vector<Agedge_t*>& Edges() const { return edges_; }

 private:
  static void Set(void* object, const Attribute& a) {
    // An attribute first declared here gets Graphviz's own default for the other objects.
    const char* fallback = a.Name == "label" ? "\\N" : "";
    agsafeset(object, Text(a.Name), Text(a.Value), const_cast<char*>(fallback));
  }

  Agraph_t* graph_ = nullptr;
  std::vector<Agnode_t*> nodes_;
  std::vector<Agedge_t*> edges_;
  bool laidOut_ = false;
};

}  // namespace

Drawing LayOut(const Graph& graph) {
  const std::lock_guard<std::mutex> lock(GraphvizLock());
  CGraph g(graph);
  g.LayOut();
  Drawing drawing;
  const boxf box = GD_bb(g.Get());
  drawing.Width = box.UR.x - box.LL.x;
  drawing.Height = box.UR.y - box.LL.y;
  auto point = [&](pointf p) { return Point{p.x - box.LL.x, box.UR.y - p.y}; };
  for (Agnode_t* n : g.Nodes()) {
    drawing.Nodes.push_back(NodeBox{point(ND_coord(n)), ND_width(n) * 72.0, ND_height(n) * 72.0});
  }
  for (Agedge_t* e : g.Edges()) {
    EdgePath path;
    const splines* spl = ED_spl(e);
    if (spl != nullptr && spl->size > 0) {
      // An edge is one Bezier piece unless it was split around a compound cluster; there are none.
      const bezier& piece = spl->list[0];
      for (int i = 0; i < piece.size; ++i) path.Curve.push_back(point(piece.list[i]));
      path.HasArrow = piece.eflag != 0;
      if (path.HasArrow) path.ArrowTip = point(piece.ep);
    }
    drawing.Edges.push_back(std::move(path));
  }
  return drawing;
}

std::string DotText(const Graph& graph) {
  const std::lock_guard<std::mutex> lock(GraphvizLock());
  Context();
  CGraph g(graph);
  char* buffer = nullptr;
  size_t size = 0;
  FILE* out = open_memstream(&buffer, &size);
  if (out == nullptr) throw std::runtime_error("no memory for the DOT text");
  agwrite(g.Get(), out);
  std::fclose(out);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

std::string SvgText(const Graph& graph) {
  const std::lock_guard<std::mutex> lock(GraphvizLock());
  CGraph g(graph);
  g.LayOut();
  char* data = nullptr;
  unsigned int length = 0;
  if (gvRenderData(Context(), g.Get(), "svg", &data, &length) != 0) {
    throw std::runtime_error("Graphviz could not draw the SVG");
  }
  std::string text(data, length);
  gvFreeRenderData(data);
  return text;
}

}  // namespace vdbq::layout
