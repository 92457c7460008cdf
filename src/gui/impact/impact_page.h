#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QWidget>
#include <string>

#include "gui/impact/impact_model.h"

namespace vdbq::gui {

class PageHeader;

// What depends on one object, as a tree: its direct users, the schedules waiting for them, and
// on request the findings its removal would add. A double-click opens a row's object; schedule
// rows show in the graph.
class ImpactPage : public QWidget {
  Q_OBJECT
 public:
  explicit ImpactPage(QWidget* parent = nullptr);

  void Show(ObjectKind kind, const std::string& key, ObjectImpact impact, bool removalChecked);
  // The removal check of the impact shown runs.
  void ShowCheckingRemoval();
  // Forgets the impact shown, whose database is gone.
  void Clear();

  ImpactModel* Model() const { return model_; }
  QTreeView* View() const { return view_; }
  QLabel* Summary() const { return summary_; }
  QPushButton* RemovalButton() const { return removal_; }
  QPushButton* GraphButton() const { return graph_; }

 signals:
  void openRequested(vdbq::ObjectKind kind, const std::string& key);
  void graphRequested(const std::string& scheduleKey);
  void removalCheckRequested();

 private:
  // The schedule of the current row, "" on other rows.
  std::string CurrentSchedule() const;
  void ShowContextMenu(const QPoint& at);

  ImpactModel* model_;
  PageHeader* header_;
  QLabel* summary_;
  QTreeView* view_;
  QPushButton* removal_;
  QPushButton* graph_;
};

}  // namespace vdbq::gui
