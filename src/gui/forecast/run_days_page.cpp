#include "gui/forecast/run_days_page.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vdbq::gui {
namespace {

// A small square of colour and its meaning, for the legend under the title.
QLabel* LegendEntry(const QString& style, const QString& text, QWidget* parent) {
  auto* label = new QLabel(
      QStringLiteral("<span style=\"%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2").arg(style, text),
      parent);
  label->setTextFormat(Qt::RichText);
  return label;
}

}  // namespace

RunDaysPage::RunDaysPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("runDaysPage"));
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("runDaysTitle"));
  QFont big = title_->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  title_->setFont(big);
  title_->setStyleSheet(QStringLiteral("color: navy"));
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("runDaysSummary"));
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  previous_ = new QToolButton(this);
  previous_->setObjectName(QStringLiteral("previousYear"));
  previous_->setText(QStringLiteral("◀"));
  previous_->setToolTip(QStringLiteral("The year before"));
  year_ = new QLabel(this);
  year_->setObjectName(QStringLiteral("runDaysYear"));
  QFont bold = year_->font();
  bold.setBold(true);
  year_->setFont(bold);
  next_ = new QToolButton(this);
  next_->setObjectName(QStringLiteral("nextYear"));
  next_->setText(QStringLiteral("▶"));
  next_->setToolTip(QStringLiteral("The year after"));
  exportCsv_ = new QPushButton(QStringLiteral("Export To CSV File..."), this);
  exportCsv_->setObjectName(QStringLiteral("runDaysExportCsv"));
  exportIcs_ = new QPushButton(QStringLiteral("Export To iCalendar File..."), this);
  exportIcs_->setObjectName(QStringLiteral("runDaysExportIcs"));

  auto* heading = new QHBoxLayout;
  heading->addWidget(title_, 1);
  heading->addWidget(previous_);
  heading->addWidget(year_);
  heading->addWidget(next_);
  heading->addSpacing(16);
  heading->addWidget(exportCsv_);
  heading->addWidget(exportIcs_);

  auto* legend = new QHBoxLayout;
  legend->addWidget(
      LegendEntry(QStringLiteral("background: #2e6db4"), QStringLiteral("runs"), this));
  legend->addWidget(
      LegendEntry(QStringLiteral("background: #e4e4e4"), QStringLiteral("free day"), this));
  legend->addWidget(
      LegendEntry(QStringLiteral("border: 2px solid #d05a00"), QStringLiteral("today"), this));
  legend->addWidget(new QLabel(QStringLiteral("Hover a day to see why."), this));
  legend->addStretch(1);

  calendar_ = new YearCalendar(this);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(calendar_);
  scroll->setWidgetResizable(false);
  scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll->setFrameShape(QFrame::NoFrame);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading);
  layout->addWidget(summary_);
  layout->addLayout(legend);
  layout->addWidget(scroll, 1);

  connect(previous_, &QToolButton::clicked, this,
          [this] { emit yearRequested(calendar_->Year() - 1); });
  connect(next_, &QToolButton::clicked, this,
          [this] { emit yearRequested(calendar_->Year() + 1); });
  connect(exportCsv_, &QPushButton::clicked, this, &RunDaysPage::exportCsvRequested);
  connect(exportIcs_, &QPushButton::clicked, this, &RunDaysPage::exportIcsRequested);
}

void RunDaysPage::Show(const QString& key, int year, std::vector<CalendarDay> days, QDate today,
                       const QString& summary) {
  key_ = key;
  title_->setText(QStringLiteral("Run Days of %1").arg(key));
  year_->setText(QString::number(year));
  summary_->setText(summary);
  calendar_->SetYear(year, std::move(days), today);
  calendar_->resize(calendar_->sizeHint());
}

}  // namespace vdbq::gui
