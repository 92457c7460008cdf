#pragma once

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <vector>

#include "gui/forecast/year_calendar.h"

namespace vdbq::gui {

// The run days of one schedule over a year: twelve month grids, ◀/▶ for the year, and the
// exports of the year's run days.
class RunDaysPage : public QWidget {
  Q_OBJECT
 public:
  explicit RunDaysPage(QWidget* parent = nullptr);

  // `summary` says in a line how the schedule is scheduled (its ON items, free days, ...).
  void Show(const QString& key, int year, std::vector<CalendarDay> days, QDate today,
            const QString& summary);
  const QString& Key() const { return key_; }

  YearCalendar* Calendar() const { return calendar_; }
  QLabel* Title() const { return title_; }
  QToolButton* PreviousYear() const { return previous_; }
  QToolButton* NextYear() const { return next_; }
  QPushButton* ExportCsv() const { return exportCsv_; }
  QPushButton* ExportIcs() const { return exportIcs_; }

 signals:
  void yearRequested(int year);
  void exportCsvRequested();
  void exportIcsRequested();

 private:
  QString key_;
  QLabel* title_;
  QLabel* summary_;
  QLabel* year_;
  QToolButton* previous_;
  QToolButton* next_;
  QPushButton* exportCsv_;
  QPushButton* exportIcs_;
  YearCalendar* calendar_;
};

}  // namespace vdbq::gui
