#include "gui/pages/schedule_page_widget.h"

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

}  // namespace vdbq::gui
