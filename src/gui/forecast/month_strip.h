#pragma once

#include <QDate>
#include <QWidget>
#include <vector>

namespace vdbq::gui {

// A month as a strip of bars, one a day, as tall as the number of schedules that run that day,
// so the busiest and the emptiest days stand out. A click chooses a day.
class MonthStrip : public QWidget {
  Q_OBJECT
 public:
  explicit MonthStrip(QWidget* parent = nullptr);

  // `counts` holds one number a day from the 1st of `month`'s month.
  void SetMonth(QDate month, std::vector<int> counts, QDate selected);
  QDate Month() const { return month_; }
  QDate Selected() const { return selected_; }
  QRect DayRect(QDate date) const;

  QSize sizeHint() const override { return {31 * 26, 84}; }
  QSize minimumSizeHint() const override { return {31 * 8, 72}; }

 signals:
  void dateChosen(QDate date);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QDate DateAt(QPoint point) const;

  QDate month_;
  std::vector<int> counts_;
  QDate selected_;
};

}  // namespace vdbq::gui
