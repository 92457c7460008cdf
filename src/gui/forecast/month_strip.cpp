#include "gui/forecast/month_strip.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace vdbq::gui {
namespace {

constexpr int kLabelHeight = 16;  // the day's number under its bar
constexpr int kCountHeight = 14;  // the count above the tallest bar

const QColor kBar(0x2e, 0x6d, 0xb4);
const QColor kBusiest(0xc0, 0x39, 0x2b);
const QColor kWeekend(0xee, 0xee, 0xee);
const QColor kSelected(0xd0, 0x5a, 0x00);

// A count short enough for a day's bar: 7.6k, 18k.
QString ShortCount(int count) {
  if (count < 1000) return QString::number(count);
  if (count < 10000) return QString::number(count / 1000.0, 'f', 1) + QLatin1Char('k');
  return QString::number(count / 1000) + QLatin1Char('k');
}

}  // namespace

MonthStrip::MonthStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("monthStrip"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void MonthStrip::SetMonth(QDate month, std::vector<int> counts, QDate selected) {
  month_ = QDate(month.year(), month.month(), 1);
  counts_ = std::move(counts);
  selected_ = selected;
  update();
}

QRect MonthStrip::DayRect(QDate date) const {
  if (!month_.isValid() || date.year() != month_.year() || date.month() != month_.month()) {
    return {};
  }
  const int days = month_.daysInMonth();
  const int width = std::max(1, (this->width() - 2) / days);
  return {1 + (date.day() - 1) * width, 0, width, height()};
}

QDate MonthStrip::DateAt(QPoint point) const {
  if (!month_.isValid()) return {};
  for (int day = 1; day <= month_.daysInMonth(); ++day) {
    const QDate date(month_.year(), month_.month(), day);
    if (DayRect(date).contains(point)) return date;
  }
  return {};
}

bool MonthStrip::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QDate date = DateAt(help->pos());
    if (!date.isValid()) {
      QToolTip::hideText();
      event->ignore();
      return true;
    }
    const size_t index = static_cast<size_t>(date.day() - 1);
    const int count = index < counts_.size() ? counts_[index] : 0;
    QToolTip::showText(help->globalPos(),
                       QLocale::c().toString(date, QStringLiteral("ddd d MMM yyyy")) +
                           QStringLiteral(": %1 schedule%2").arg(count).arg(count == 1 ? "" : "s"),
                       this, DayRect(date));
    return true;
  }
  return QWidget::event(event);
}

void MonthStrip::mousePressEvent(QMouseEvent* event) {
  const QDate date = DateAt(event->position().toPoint());
  if (!date.isValid()) return;
  selected_ = date;
  update();
  emit dateChosen(date);
}

void MonthStrip::paintEvent(QPaintEvent*) {
  if (!month_.isValid()) return;
  QPainter painter(this);
  const int most = counts_.empty() ? 0 : *std::max_element(counts_.begin(), counts_.end());
  const int barSpace = height() - kLabelHeight - kCountHeight;
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 0.8);
  painter.setFont(small);
  for (int day = 1; day <= month_.daysInMonth(); ++day) {
    const QDate date(month_.year(), month_.month(), day);
    const QRect rect = DayRect(date);
    if (date.dayOfWeek() >= 6) painter.fillRect(rect, kWeekend);
    const size_t index = static_cast<size_t>(day - 1);
    const int count = index < counts_.size() ? counts_[index] : 0;
    const int barHeight = most == 0 ? 0 : std::max(count > 0 ? 2 : 0, barSpace * count / most);
    const QRect bar(rect.x() + 2, kCountHeight + barSpace - barHeight, rect.width() - 4, barHeight);
    painter.fillRect(bar, count == most && most > 0 ? kBusiest : kBar);
    painter.setPen(palette().color(QPalette::WindowText));
    // The tooltip has the exact count; a number wider than its bar is left out.
    const QString shown = ShortCount(count);
    if (count > 0 && painter.fontMetrics().horizontalAdvance(shown) <= rect.width()) {
      painter.drawText(QRect(rect.x(), bar.y() - kCountHeight, rect.width(), kCountHeight),
                       Qt::AlignHCenter | Qt::AlignBottom, shown);
    }
    // In a narrow strip the day numbers are left to the tooltip but for the first of each week.
    const QString number = QString::number(day);
    if (painter.fontMetrics().horizontalAdvance(number) <= rect.width() || date.dayOfWeek() == 1) {
      painter.drawText(QRect(rect.x(), height() - kLabelHeight, rect.width(), kLabelHeight),
                       Qt::AlignCenter, number);
    }
    if (date == selected_) {
      painter.setPen(QPen(kSelected, 2));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(rect.adjusted(1, 1, -1, -1));
    }
  }
}

}  // namespace vdbq::gui
