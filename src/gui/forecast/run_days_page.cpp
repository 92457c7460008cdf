#include "gui/forecast/run_days_page.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vdbq::gui {
namespace {

constexpr int kSwatch = 14;

// A day's square as the calendar draws it, and its meaning, for the legend under the title:
// drawn rather than styled text, since rich text draws no border on an inline span.
QWidget* LegendEntry(const QColor& fill, const QColor& outline, const QString& text,
                     QWidget* parent) {
  QPixmap swatch(kSwatch, kSwatch);
  swatch.fill(Qt::transparent);
  QPainter painter(&swatch);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(outline.isValid() ? QPen(outline, 2) : QPen(Qt::NoPen));
  painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
  painter.drawRoundedRect(QRectF(1, 1, kSwatch - 2, kSwatch - 2), 3, 3);
  painter.end();
  auto* entry = new QWidget(parent);
  auto* layout = new QHBoxLayout(entry);
  layout->setContentsMargins(0, 0, 8, 0);
  layout->setSpacing(4);
  auto* picture = new QLabel(entry);
  picture->setPixmap(swatch);
  layout->addWidget(picture);
  layout->addWidget(new QLabel(text, entry));
  return entry;
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
  // The year's run days, in the command line's formats.
  exportCsv_ = new QPushButton(QStringLiteral("CSV..."), this);
  exportCsv_->setObjectName(QStringLiteral("runDaysExportCsv"));
  exportCsv_->setToolTip(QStringLiteral("Export the year's run days to a CSV file"));
  exportIcs_ = new QPushButton(QStringLiteral("iCalendar..."), this);
  exportIcs_->setObjectName(QStringLiteral("runDaysExportIcs"));
  exportIcs_->setToolTip(QStringLiteral("Export the year's run days to an iCalendar file"));

  // The page is no wider at least than the others, so that showing it leaves the tree its
  // width: the title and the hint may be cut instead.
  title_->setMinimumWidth(60);
  title_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* heading = new QHBoxLayout;
  heading->addWidget(title_, 1);
  heading->addWidget(previous_);
  heading->addWidget(year_);
  heading->addWidget(next_);
  heading->addSpacing(12);
  heading->addWidget(exportCsv_);
  heading->addWidget(exportIcs_);

  auto* legend = new QHBoxLayout;
  legend->addWidget(LegendEntry(YearCalendar::kRunFill, {}, QStringLiteral("runs"), this));
  legend->addWidget(LegendEntry(YearCalendar::kFreeShade, {}, QStringLiteral("free day"), this));
  legend->addWidget(LegendEntry({}, YearCalendar::kTodayOutline, QStringLiteral("today"), this));
  auto* hint = new QLabel(QStringLiteral("Hover a day to see why."), this);
  hint->setStyleSheet(QStringLiteral("color: dimgray"));
  hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  legend->addWidget(hint, 1);

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
