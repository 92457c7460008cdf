#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <string>

#include "core/diff/database_diff.h"
#include "gui/widgets/colour_memo.h"

namespace vdbq::gui {

// The Changes page: what differs between an old and the current database, as a tree by kind
// with counts, each object marked added, removed or changed in its own colour, and the
// selected object's line diff coloured in the program's text control.
class ChangesPage : public QWidget {
  Q_OBJECT
 public:
  explicit ChangesPage(QWidget* parent = nullptr);

  void ShowDiff(DatabaseDiff diff, const QString& oldDir, const QString& newDir);
  const DatabaseDiff& Diff() const { return diff_; }

  QTreeWidget* Tree() const { return tree_; }
  ColourMemo* DiffView() const { return view_; }
  QPushButton* ExportButton() const { return export_; }

  // Item data: the object's kind, its change, its place in that change's list.
  static constexpr int kKindRole = Qt::UserRole;
  static constexpr int kChangeRole = Qt::UserRole + 1;
  enum Change { Added, Removed, Changed };

 signals:
  // A double-click on an object of the current database.
  void objectOpened(vdbq::ObjectKind kind, const std::string& key);
  void exportRequested();

 private:
  void ShowSelected();

  DatabaseDiff diff_;
  QLabel* title_;
  QLabel* subtitle_;
  QTreeWidget* tree_;
  ColourMemo* view_;
  QPushButton* export_;
};

}  // namespace vdbq::gui
