#include "gui/pages/schedule_page_widget.h"

#include <QTextBlock>

#include "core/colouring/rule_sets.h"
#include "gui/pages/page_header.h"
#include "gui/resources/pictures.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

SchedulePageWidget::SchedulePageWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSch"));
  auto* header = new PageHeader(PageCategory::Schedules, this);
  name_ = header->Title();
  name_->setObjectName(QStringLiteral("LabTabSchName"));
  cpu_ = header->Subtitle();
  cpu_->setObjectName(QStringLiteral("LabTabSchCpu"));
  print_ = new QToolButton(this);
  print_->setIcon(QIcon(PrintPicture()));
  print_->setToolTip(QStringLiteral("Print Current Schedule"));
  print_->setAutoRaise(true);
  header->AddRight(print_);
  graph_ = new QToolButton(this);
  graph_->setText(QStringLiteral("Dependency Graph"));
  graph_->setToolTip(QStringLiteral("Show Dependency Graph"));
  graph_->setAutoRaise(true);
  header->AddRight(graph_);
  runDays_ = new QToolButton(this);
  runDays_->setObjectName(QStringLiteral("scheduleRunDays"));
  runDays_->setText(QStringLiteral("Run Days"));
  runDays_->setToolTip(QStringLiteral("Show Run Days"));
  runDays_->setAutoRaise(true);
  header->AddRight(runDays_);
  impact_ = header->AddImpactButton();

  memo_ = new ColourMemo(this);
  memo_->setObjectName(QStringLiteral("CM1"));
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(8);
  font.setBold(true);
  memo_->setFont(font);
  QPalette pal = memo_->palette();
  pal.setColor(QPalette::Base, ToQColor(kSchedulePageBackground));
  memo_->setPalette(pal);
  memo_->SetRules(SchedulePageRules());

  StackUnderHeader(this, header, memo_);
}

void SchedulePageWidget::Show(const ExtractStore& store, const Catalogue& catalogue,
                              const std::string& cpu, const std::string& name) {
  ShowSchedule(store, catalogue, cpu, name, page_);
  cpu_->setText(ToQString(page_.Workstation));
  name_->setText(ToQString(page_.Schedule));
  memo_->SetLines(page_.Lines);
}

bool SchedulePageWidget::MarkLine(LineNumber number) {
  const std::optional<size_t> row = MemoRowOfLine(page_, number);
  if (!row) return false;
  const QTextBlock block = memo_->document()->findBlockByNumber(static_cast<int>(*row));
  if (!block.isValid()) return false;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  memo_->setTextCursor(cursor);
  memo_->ensureCursorVisible();
  return true;
}

}  // namespace vdbq::gui
