#include "gui/pages/calendar_page_widget.h"

#include "gui/pages/page_header.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

CalendarPageWidget::CalendarPageWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabCal"));
  auto* header = new PageHeader(PageCategory::Calendars, this);
  name_ = header->Title();
  name_->setObjectName(QStringLiteral("LabCal1"));
  desc_ = header->Subtitle();
  desc_->setObjectName(QStringLiteral("LabCal1Desc"));
  impact_ = header->AddImpactButton();
  dates_ = new QPlainTextEdit(this);
  dates_->setObjectName(QStringLiteral("Cal1Memo"));
  dates_->setReadOnly(true);
  dates_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  dates_->setFont(font);

  StackUnderHeader(this, header, dates_);
}

void CalendarPageWidget::Show(const ExtractStore& store, const Catalogue& catalogue,
                              const std::string& name) {
  ShowCalendar(store, catalogue, name, page_);
  name_->setText(ToQString(page_.Name));
  desc_->setText(ToQString(page_.Description));
  dates_->setPlainText(ToQString(page_.Dates));
}

}  // namespace vdbq::gui
