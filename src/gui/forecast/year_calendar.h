#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <QWidget>
#include <vector>

namespace vdbq::gui {

// How one day of the year is drawn and what hovering it says.
struct CalendarDay {
  bool Runs = false;  // filled
  bool Free = false;  // shaded: not a workday of the schedule
  QString Why;        // the tooltip: the items that made or took the day
};

// A year as twelve month grids, four months a row, weeks from Monday. Run days are filled,
// free days shaded and today outlined; hovering a day shows its reasons.
class YearCalendar : public QWidget {
  Q_OBJECT
 public:
  explicit YearCalendar(QWidget* parent = nullptr);

  // The colours of the marks, which the page's legend repeats.
  static inline const QColor kRunFill{0x2e, 0x6d, 0xb4};
  static inline const QColor kFreeShade{0xe4, 0xe4, 0xe4};
  static inline const QColor kTodayOutline{0xd0, 0x5a, 0x00};

  // `days` holds one entry a date from 1 January of `year`; missing entries are plain days.
  void SetYear(int year, std::vector<CalendarDay> days, QDate today);
  int Year() const { return year_; }
  // Where a date of the shown year is drawn; empty for any other date.
  QRect DayRect(QDate date) const;
  // The date drawn at a point, or a null date.
  QDate DateAt(QPoint point) const;
  const CalendarDay* DayOf(QDate date) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void dayActivated(QDate date);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QRect MonthRect(int month) const;

  int year_ = 0;
  std::vector<CalendarDay> days_;
  QDate today_;
};

}  // namespace vdbq::gui
