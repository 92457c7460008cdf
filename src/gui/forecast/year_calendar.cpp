#include "gui/forecast/year_calendar.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace vdbq::gui {
namespace {

// Small enough that the whole year fits the page of an 800-pixel-high window.
constexpr int kCell = 22;           // one day's square
constexpr int kMonthColumns = 4;    // months a row
constexpr int kGap = 12;            // between months
constexpr int kTitleHeight = 20;    // the month's name
constexpr int kWeekdayHeight = 16;  // "Mo Tu ..."
constexpr int kWeekRows = 6;
constexpr int kMonthWidth = 7 * kCell;
constexpr int kMonthHeight = kTitleHeight + kWeekdayHeight + kWeekRows * kCell;

// The row of a date within its month's grid, weeks starting on Monday.
int WeekRowOf(QDate date) {
  const int firstColumn = QDate(date.year(), date.month(), 1).dayOfWeek() - 1;
  return (firstColumn + date.day() - 1) / 7;
}

}  // namespace

YearCalendar::YearCalendar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("yearCalendar"));
  setMouseTracking(true);
}

void YearCalendar::SetYear(int year, std::vector<CalendarDay> days, QDate today) {
  year_ = year;
  days_ = std::move(days);
  today_ = today;
  update();
}

QRect YearCalendar::MonthRect(int month) const {
  const int index = month - 1;
  const int x = kGap + (index % kMonthColumns) * (kMonthWidth + kGap);
  const int y = kGap + (index / kMonthColumns) * (kMonthHeight + kGap);
  return {x, y, kMonthWidth, kMonthHeight};
}

QSize YearCalendar::sizeHint() const {
  const int rows = (12 + kMonthColumns - 1) / kMonthColumns;
  return {kGap + kMonthColumns * (kMonthWidth + kGap), kGap + rows * (kMonthHeight + kGap)};
}

QRect YearCalendar::DayRect(QDate date) const {
  if (!date.isValid() || date.year() != year_) return {};
  const QRect month = MonthRect(date.month());
  return {month.x() + (date.dayOfWeek() - 1) * kCell,
          month.y() + kTitleHeight + kWeekdayHeight + WeekRowOf(date) * kCell, kCell, kCell};
}

QDate YearCalendar::DateAt(QPoint point) const {
  if (year_ == 0) return {};
  for (int month = 1; month <= 12; ++month) {
    const QRect rect = MonthRect(month);
    if (!rect.contains(point)) continue;
    const int column = (point.x() - rect.x()) / kCell;
    const int row = (point.y() - rect.y() - kTitleHeight - kWeekdayHeight);
    if (row < 0) return {};
    const QDate first(year_, month, 1);
    const int day = (row / kCell) * 7 + column - (first.dayOfWeek() - 1) + 1;
    if (day < 1 || day > first.daysInMonth()) return {};
    return QDate(year_, month, day);
  }
  return {};
}

const CalendarDay* YearCalendar::DayOf(QDate date) const {
  if (!date.isValid() || date.year() != year_) return nullptr;
  const qint64 index = QDate(year_, 1, 1).daysTo(date);
  return index < static_cast<qint64>(days_.size()) ? &days_[static_cast<size_t>(index)] : nullptr;
}

bool YearCalendar::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QDate date = DateAt(help->pos());
    const CalendarDay* day = DayOf(date);
    if (day == nullptr) {
      QToolTip::hideText();
      event->ignore();
      return true;
    }
    QString text = QLocale::c().toString(date, QStringLiteral("ddd d MMM yyyy"));
    text += day->Runs ? QStringLiteral(": runs") : QStringLiteral(": does not run");
    if (day->Free) text += QStringLiteral(" (free day)");
    if (!day->Why.isEmpty()) text += QLatin1Char('\n') + day->Why;
    QToolTip::showText(help->globalPos(), text, this, DayRect(date));
    return true;
  }
  return QWidget::event(event);
}

void YearCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
  const QDate date = DateAt(event->position().toPoint());
  if (date.isValid()) emit dayActivated(date);
}

void YearCalendar::paintEvent(QPaintEvent*) {
  if (year_ == 0) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& colours = palette();
  const QLocale names = QLocale::c();
  QFont titleFont = font();
  titleFont.setBold(true);
  QFont smallFont = font();
  smallFont.setPointSizeF(font().pointSizeF() * 0.85);

  for (int month = 1; month <= 12; ++month) {
    const QRect rect = MonthRect(month);
    painter.setFont(titleFont);
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(QRect(rect.x(), rect.y(), rect.width(), kTitleHeight), Qt::AlignCenter,
                     names.standaloneMonthName(month));
    painter.setFont(smallFont);
    painter.setPen(colours.color(QPalette::PlaceholderText));
    for (int weekday = 1; weekday <= 7; ++weekday) {
      painter.drawText(
          QRect(rect.x() + (weekday - 1) * kCell, rect.y() + kTitleHeight, kCell, kWeekdayHeight),
          Qt::AlignCenter, names.dayName(weekday, QLocale::ShortFormat).left(2));
    }
    painter.setFont(font());
    const QDate first(year_, month, 1);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
      const QDate date(year_, month, day);
      const QRect cell = DayRect(date).adjusted(1, 1, -1, -1);
      const CalendarDay* marks = DayOf(date);
      const bool runs = marks != nullptr && marks->Runs;
      if (marks != nullptr && marks->Free) painter.fillRect(cell, kFreeShade);
      if (runs) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRunFill);
        painter.drawRoundedRect(cell.adjusted(1, 1, -1, -1), 4, 4);
      }
      if (date == today_) {
        painter.setPen(QPen(kTodayOutline, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(cell, 4, 4);
      }
      painter.setPen(runs ? QColor(Qt::white) : colours.color(QPalette::WindowText));
      painter.drawText(cell, Qt::AlignCenter, QString::number(day));
    }
  }
}

}  // namespace vdbq::gui
