#pragma once

#include <QFutureWatcher>
#include <QGraphicsView>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "core/graph/job_graph.h"
#include "core/graph/schedule_graph.h"
#include "layout/graph_layout.h"

namespace vdbq::gui {

class BusyIndicator;

// The drawing area: wheel zooms around the mouse, dragging pans, a double click on a node
// and the node's context menu are passed on.
class GraphView : public QGraphicsView {
  Q_OBJECT
 public:
  // Fit goes no smaller: below it the 10-pixel labels cannot be read. A larger graph scrolls,
  // and zooming out further is still there for an overview.
  static constexpr double kLeastFitScale = 0.9;

  explicit GraphView(QWidget* parent = nullptr);
  void Zoom(double factor);
  // The whole graph, or as much as fits at the least scale around the start point.
  void FitAll();
  // Where a graph too large to fit is first shown (a scene point).
  void SetStartPoint(const QPointF& point) { start_ = point; }

 signals:
  void nodeDoubleClicked(int node);
  void nodeMenuRequested(int node, const QPoint& globalPos);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  int NodeAt(const QPoint& pos) const;

  QPointF start_;
};

// The Graph page: the schedules around one schedule (what it waits for and what waits for it),
// or the jobs of one schedule, laid out by Graphviz off the interface thread and drawn here.
class GraphPage : public QWidget {
  Q_OBJECT
 public:
  // Above this many schedules the drawing would be unreadable and slow: a smaller depth is asked.
  static constexpr int kMostDrawnNodes = 2000;

  // `graphSource` gives the current database's schedule graph (it changes with every load).
  explicit GraphPage(std::function<std::shared_ptr<const ScheduleGraph>()> graphSource,
                     QWidget* parent = nullptr);
  ~GraphPage() override;

  // The dependency graph around `key` with the depths of the up and down controls.
  void ShowSchedule(const std::string& key);
  void ShowJobs(const JobGraph& jobs);

  // Exports what is drawn; false (with the reason in the status) when the file was not written.
  enum class Format { kSvg, kPng, kDot };
  bool ExportTo(const QString& path, Format format);

  bool LayoutRunning() const { return watcher_.isRunning(); }
  bool ShowsJobs() const { return jobs_; }
  const std::string& RootKey() const { return rootKey_; }
  // The node keys in drawing order, as bytes.
  const std::vector<std::string>& NodeKeys() const { return drawnKeys_; }
  QGraphicsScene* Scene() const { return scene_; }
  GraphView* View() const { return view_; }
  QSpinBox* UpDepth() const { return up_; }
  QSpinBox* DownDepth() const { return down_; }
  QString Message() const { return message_->text(); }

 signals:
  void laidOut();
  void scheduleOpenRequested(const std::string& key);
  // The SVG, PNG or DOT button: the file is to be asked for.
  void exportRequested(Format format);

 private:
  // What a layout run gives back, with the graph it laid out.
  struct LaidOut {
    int Generation = 0;
    layout::Graph Graph;
    std::vector<std::string> Keys;
    layout::Drawing Drawing;
    std::string Error;
  };

  void StartLayout();
  void Launch();
  void OnLayoutFinished();
  void Draw(const LaidOut& result);
  void ShowMessage(const QString& text);
  void OnNodeMenu(int node, const QPoint& globalPos);

  std::function<std::shared_ptr<const ScheduleGraph>()> graphSource_;
  bool jobs_ = false;
  std::string rootKey_;
  std::vector<std::string> nodeKeys_;
  layout::Graph graph_;  // what is to be drawn next
  layout::Graph drawn_;  // what the scene shows, for the exports
  std::vector<std::string> drawnKeys_;
  int generation_ = 0;  // counts the graphs asked for; only the newest is drawn
  bool launchWanted_ = false;
  QFutureWatcher<LaidOut> watcher_;

  QLabel* title_;
  QSpinBox* up_;
  QSpinBox* down_;
  BusyIndicator* busy_;
  QLabel* message_;
  QWidget* scheduleLegend_;
  QWidget* jobLegend_;
  QGraphicsScene* scene_;
  GraphView* view_;
};

}  // namespace vdbq::gui
