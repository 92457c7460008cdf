#pragma once

#include <QMenu>
#include <QTreeView>
#include <optional>
#include <string>

#include "core/reports/report_presets.h"
#include "gui/catalogue/catalogue_model.h"

namespace vdbq::gui {

// The catalogue tree Tv1: selection reports the node, the pop-up menu offers the reports that
// fit the selected node. The selected node is drawn in the two tree colours of the settings.
class CatalogueTree : public QTreeView {
  Q_OBJECT
 public:
  CatalogueTree(CatalogueModel& model, QWidget* parent = nullptr);

  // Colours as the settings hold them: red + 256 * green + 65536 * blue.
  void SetSelectedColours(int text, int background);

  NodeInfo SelectedNode() const;
  // The pop-up menu as it opens for the current selection.
  QMenu* PopupMenu();
  // A feature's entry for the whole database, after "Reports"; shown on headings only.
  void AddDatabaseEntry(QAction* action);
  // The pop-up's sub-menu for nodes of a kind, enabled for those nodes only.
  QMenu* KindMenu(ObjectKind kind) const;

 signals:
  void nodeSelected(const vdbq::gui::NodeInfo& node);
  void presetChosen(const vdbq::PresetEntry& entry, const std::optional<std::string>& search);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void BuildMenu();
  void EnableForSelection();

  CatalogueModel& model_;
  QMenu menu_;
  QAction* separator_ = nullptr;
  std::vector<QAction*> databaseEntries_;
  std::vector<std::pair<ObjectKind, QMenu*>> kindMenus_;
};

}  // namespace vdbq::gui
