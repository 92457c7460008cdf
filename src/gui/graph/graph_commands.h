#pragma once

#include <QObject>
#include <string>

namespace vdbq::gui {

class GraphPage;
class MainWindow;

// Where the Graph page opens from: the schedule entries of the tree menu, the schedule page,
// a double click (or Ctrl+G / Ctrl+J) on a dependency path row or a schedule detail report. The
// page is a window of its own beside the main window, so a graph stays in view while browsing.
class GraphCommands : public QObject {
  Q_OBJECT
 public:
  explicit GraphCommands(MainWindow& window);

  void ShowDependencyGraph(const std::string& key);
  void ShowJobGraph(const std::string& key);
  // The page, created on first use.
  GraphPage& Page();

 private:
  void AddTreeEntries();
  void AddResultListEntries();
  void OpenSchedulePage(const std::string& key);
  // The schedule of the selected tree node, "" when another kind of node is selected.
  std::string SelectedScheduleKey() const;
  // The schedule of the result list's current row on a dependency path, or of a detail report.
  std::string ResultScheduleKey(bool jobs) const;

  MainWindow& window_;
  GraphPage* page_ = nullptr;
};

}  // namespace vdbq::gui
