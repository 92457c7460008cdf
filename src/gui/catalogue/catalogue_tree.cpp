#include "gui/catalogue/catalogue_tree.h"

#include <QContextMenuEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace vdbq::gui {
namespace {

QColor FromSetting(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Draws the selected node on the selected-node background in the selected-node text colour,
// whatever the style would do with selections.
class NodeDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QColor SelectedText{255, 255, 0};
  QColor SelectedGround{128, 0, 0};

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const bool selected = opt.state & QStyle::State_Selected;
    opt.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    if (selected) {
      opt.icon = QIcon(opt.icon.pixmap(opt.decorationSize, QIcon::Selected));
      opt.palette.setColor(QPalette::Text, SelectedText);
      const QRect textRect =
          opt.widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
      painter->fillRect(textRect, SelectedGround);
    }
    opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
  }
};

struct KindMenuEntry {
  const char* Title;
  ObjectKind Kind;
};

constexpr KindMenuEntry kKindMenus[] = {
    {"Workstation", ObjectKind::Workstation},
    {"Schedule", ObjectKind::Schedule},
    {"Job", ObjectKind::Job},
    {"Calendar", ObjectKind::Calendar},
    {"Parameter", ObjectKind::Parameter},
    {"Prompt", ObjectKind::Prompt},
    {"Resource", ObjectKind::Resource},
};

}  // namespace

CatalogueTree::CatalogueTree(CatalogueModel& model, QWidget* parent)
    : QTreeView(parent), model_(model) {
  setObjectName(QStringLiteral("Tv1"));
  setModel(&model_);
  setHeaderHidden(true);
  setUniformRowHeights(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setItemDelegate(new NodeDelegate(this));
  setIconSize(QSize(16, 16));
  QPalette pal = palette();
  pal.setColor(QPalette::Base, QColor(210, 210, 210));
  setPalette(pal);
  BuildMenu();
}

void CatalogueTree::SetSelectedColours(int text, int background) {
  auto* delegate = static_cast<NodeDelegate*>(itemDelegate());
  delegate->SelectedText = FromSetting(text);
  delegate->SelectedGround = FromSetting(background);
  // The row outside the text (the branch area) follows the style's selection colours.
  QPalette pal = palette();
  pal.setColor(QPalette::Highlight, QColor(210, 210, 210));
  setPalette(pal);
  viewport()->update();
}

NodeInfo CatalogueTree::SelectedNode() const { return model_.Info(currentIndex()); }

void CatalogueTree::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTreeView::currentChanged(current, previous);
  if (current.isValid()) emit nodeSelected(model_.Info(current));
}

void CatalogueTree::BuildMenu() {
  menu_.setObjectName(QStringLiteral("PopupMenu1"));
  menu_.addAction(QStringLiteral("Collapse All Nodes"), this, &QTreeView::collapseAll);
  menu_.addAction(QStringLiteral("Expand All Nodes"), this, &QTreeView::expandAll);
  QMenu* reports = menu_.addMenu(QStringLiteral("Reports"));
  for (const PresetEntry& entry : FixedPresets()) {
    reports->addAction(QString::fromLatin1(entry.Caption), this,
                       [this, entry] { emit presetChosen(entry, std::nullopt); });
  }
  separator_ = menu_.addSeparator();
  for (const KindMenuEntry& k : kKindMenus) {
    QMenu* sub = menu_.addMenu(QString::fromLatin1(k.Title));
    for (const PresetEntry& entry : PresetsForKind(k.Kind)) {
      sub->addAction(QString::fromLatin1(entry.Caption), this, [this, entry] {
        const NodeInfo node = SelectedNode();
        if (KindOfNode(node.Level, node.ParentCaption, node.GrandparentCaption) != entry.ForKind) {
          return;
        }
        emit presetChosen(entry, PresetSearchText(entry, node.Caption, node.ParentCaption));
      });
    }
    kindMenus_.emplace_back(k.Kind, sub);
  }
}

void CatalogueTree::EnableForSelection() {
  const NodeInfo node = SelectedNode();
  const ObjectKind kind = KindOfNode(node.Level, node.ParentCaption, node.GrandparentCaption);
  separator_->setEnabled(false);
  // What concerns the whole database belongs to the headings, not to one object.
  for (QAction* entry : databaseEntries_) entry->setVisible(node.Level <= 0);
  for (auto& [menuKind, sub] : kindMenus_) sub->setEnabled(menuKind == kind);
}

void CatalogueTree::AddDatabaseEntry(QAction* action) {
  menu_.insertAction(separator_, action);
  databaseEntries_.push_back(action);
}

QMenu* CatalogueTree::KindMenu(ObjectKind kind) const {
  for (const auto& [menuKind, sub] : kindMenus_) {
    if (menuKind == kind) return sub;
  }
  return nullptr;
}

QMenu* CatalogueTree::PopupMenu() {
  EnableForSelection();
  return &menu_;
}

void CatalogueTree::contextMenuEvent(QContextMenuEvent* event) {
  // The node under the mouse becomes the selected node, so the menu fits what was clicked.
  const QModelIndex under = indexAt(event->pos());
  if (under.isValid() && under != currentIndex()) setCurrentIndex(under);
  PopupMenu()->popup(event->globalPos());
}

}  // namespace vdbq::gui
