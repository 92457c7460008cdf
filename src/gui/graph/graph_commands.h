#pragma once

#include <QObject>
#include <string>

#include "gui/graph/graph_page.h"

class QTableView;

namespace vdbq::gui {

class DesktopHost;
class SchedulePageWidget;

// Where the Graph page opens from: the schedule entries of the tree menu, the schedule page,
// a double click (or Ctrl+G / Ctrl+J) on a dependency path row or a schedule detail report. The
// page is a window of its own beside the main window, so a graph stays in view while browsing.
class GraphCommands : public QObject {
  Q_OBJECT
 public:
  // The schedule page's graph button and the result list's rows open graphs too.
  GraphCommands(DesktopHost& host, SchedulePageWidget& schedulePage, QTableView& resultList,
                QObject* parent);

  void ShowDependencyGraph(const std::string& key);
  void ShowJobGraph(const std::string& key);
  // The page, created on first use.
  GraphPage& Page();

 private:
  // Draws the schedule's graph, of its dependencies or of its jobs, on the page; false when the
  // database does not define the schedule.
  bool DrawDefined(const std::string& key, bool jobs);
  void ShowPage();
  // After a load the open page is drawn anew from it, or closed when its schedule is gone.
  void RedrawFromNewLoad();
  // The save dialog offers "<key>.svg" (or .png, .dot) in the saves directory.
  void Export(GraphPage::Format format);
  void AddTreeEntries();
  void AddResultListEntries();
  void OpenSchedulePage(const std::string& key);
  // The schedule shown last from the tree (the node the Schedule sub-menu is enabled for), ""
  // before any.
  std::string SelectedScheduleKey() const;
  // The schedule of the result list's current row on a dependency path, or of a detail report.
  std::string ResultScheduleKey(bool jobs) const;

  DesktopHost& host_;
  QTableView& resultList_;
  GraphPage* page_ = nullptr;
};

}  // namespace vdbq::gui
