#include "gui/changes/changes_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <array>

#include "core/diff/changes_csv.h"
#include "gui/pages/page_header.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

// Text and ground of each change, and of the diff's context lines.
struct ChangeColours {
  QColor Text;
  QColor Ground;
};
constexpr std::array<const char*, 3> kChangeTexts = {kAddedText, kRemovedText, kChangedText};
const std::array<ChangeColours, 3> kChangeColours = {{
    {QColor(0, 120, 0), QColor(222, 246, 222)},  // added
    {QColor(160, 0, 0), QColor(252, 224, 224)},  // removed
    {QColor(0, 0, 160), QColor(226, 232, 252)},  // changed
}};
const ChangeColours kContextColours{QColor(80, 80, 80), QColor(255, 255, 255)};
const ChangeColours kGapColours{QColor(140, 140, 140), QColor(240, 240, 240)};

constexpr char kGapLine[] = "  ...";

QTreeWidgetItem* ObjectItem(QTreeWidgetItem* heading, const std::string& key,
                            ChangesPage::Change change, ObjectKind kind) {
  auto* item =
      new QTreeWidgetItem(heading, {ToQString(key), QString::fromLatin1(kChangeTexts[change])});
  item->setData(0, ChangesPage::kKindRole, static_cast<int>(kind));
  item->setData(0, ChangesPage::kChangeRole, static_cast<int>(change));
  for (int column = 0; column < 2; ++column) {
    item->setForeground(column, kChangeColours[change].Text);
  }
  return item;
}

// Colours each line of the memo as a whole: text and ground by its mark.
void ColourLines(ColourMemo& memo, const std::vector<const ChangeColours*>& colours) {
  QTextCursor cursor(memo.document());
  cursor.beginEditBlock();
  QTextBlock block = memo.document()->begin();
  for (size_t k = 0; k < colours.size() && block.isValid(); ++k, block = block.next()) {
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    QTextBlockFormat ground;
    ground.setBackground(colours[k]->Ground);
    cursor.mergeBlockFormat(ground);
    QTextCharFormat text;
    text.setForeground(colours[k]->Text);
    cursor.mergeCharFormat(text);
  }
  cursor.endEditBlock();
}

}  // namespace

ChangesPage::ChangesPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("changesPage"));
  auto* header = new PageHeader(PageCategory::Changes, this);
  title_ = header->Title();
  title_->setText(QStringLiteral("Changes"));
  subtitle_ = header->Subtitle();
  export_ = new QPushButton(QStringLiteral("Export To CSV File..."), this);
  export_->setObjectName(QStringLiteral("changesExport"));
  export_->setCursor(Qt::PointingHandCursor);
  header->AddRight(export_);

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("changesView"));
  tree_->setHeaderLabels({QStringLiteral("Object"), QStringLiteral("Change")});
  tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  tree_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  tree_->header()->setStretchLastSection(false);
  tree_->setUniformRowHeights(true);

  view_ = new ColourMemo(this);
  view_->setObjectName(QStringLiteral("changesDiffView"));
  QFont fixed(QStringLiteral("Monospace"));
  fixed.setStyleHint(QFont::TypeWriter);
  view_->setFont(fixed);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(tree_);
  splitter->addWidget(view_);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(header);
  layout->addWidget(splitter, 1);

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { ShowSelected(); });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
    if (item->parent() == nullptr || item->data(0, kChangeRole).toInt() == Removed) return;
    emit objectOpened(static_cast<ObjectKind>(item->data(0, kKindRole).toInt()),
                      ToBytes(item->text(0)));
  });
  connect(export_, &QPushButton::clicked, this, &ChangesPage::exportRequested);
}

void ChangesPage::ShowDiff(DatabaseDiff diff, const QString& oldDir, const QString& newDir) {
  diff_ = std::move(diff);
  subtitle_->setText(QStringLiteral("%1  \u2192  %2").arg(oldDir, newDir));
  tree_->clear();
  view_->SetLines({});
  for (ObjectKind kind : kObjectKinds) {
    const KindChanges& changes = diff_.Of(kind);
    auto* heading = new QTreeWidgetItem(tree_, {QStringLiteral("%1 (%2)")
                                                    .arg(QString::fromLatin1(KindHeading(kind)))
                                                    .arg(changes.Count())});
    QFont bold = heading->font(0);
    bold.setBold(true);
    heading->setFont(0, bold);
    for (const std::string& key : changes.Added) ObjectItem(heading, key, Added, kind);
    for (const std::string& key : changes.Removed) ObjectItem(heading, key, Removed, kind);
    for (const ChangedObject& object : changes.Changed) {
      ObjectItem(heading, object.Key, Changed, kind);
    }
    heading->setExpanded(changes.Count() > 0);
  }
}

void ChangesPage::ShowSelected() {
  QTreeWidgetItem* item = tree_->currentItem();
  if (item == nullptr || item->parent() == nullptr) {
    view_->SetLines({});
    return;
  }
  const auto kind = static_cast<ObjectKind>(item->data(0, kKindRole).toInt());
  const auto change = static_cast<Change>(item->data(0, kChangeRole).toInt());
  std::vector<std::string> lines;
  std::vector<const ChangeColours*> colours;
  if (change != Changed) {
    lines.push_back(ToBytes(item->text(0)) + (change == Added
                                                  ? ": added in the new extracts."
                                                  : ": removed from the old extracts."));
    colours.push_back(&kChangeColours[change]);
  } else {
    const std::vector<ChangedObject>& changed = diff_.Of(kind).Changed;
    const int row = item->parent()->indexOfChild(item) -
                    static_cast<int>(diff_.Of(kind).Added.size() + diff_.Of(kind).Removed.size());
    for (const DiffLine& line : changed[static_cast<size_t>(row)].Lines) {
      if (line.AfterGap) {
        lines.emplace_back(kGapLine);
        colours.push_back(&kGapColours);
      }
      lines.push_back(line.Mark + (" " + line.Text));
      colours.push_back(line.Mark == '+'   ? &kChangeColours[Added]
                        : line.Mark == '-' ? &kChangeColours[Removed]
                                           : &kContextColours);
    }
  }
  view_->SetLines(lines);
  ColourLines(*view_, colours);
}

}  // namespace vdbq::gui
