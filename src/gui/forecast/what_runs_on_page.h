#pragma once

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QWidget>
#include <vector>

#include "gui/forecast/day_runs_model.h"
#include "gui/forecast/month_strip.h"

namespace vdbq::gui {

// The schedules of one date with their AT times, sortable, and above them the month as a strip
// of how many schedules run each day. A double-click on a schedule asks to open it.
class WhatRunsOnPage : public QWidget {
  Q_OBJECT
 public:
  explicit WhatRunsOnPage(QWidget* parent = nullptr);

  // `monthCounts` holds the number of schedules of each day of the date's month.
  void Show(QDate date, std::vector<DayRun> runs, std::vector<int> monthCounts);
  QDate Date() const { return picker_->date(); }

  DayRunsModel* Model() const { return model_; }
  QTableView* View() const { return view_; }
  QDateEdit* Picker() const { return picker_; }
  MonthStrip* Strip() const { return strip_; }
  QLabel* Count() const { return count_; }
  QPushButton* ExportCsv() const { return exportCsv_; }
  QPushButton* ExportIcs() const { return exportIcs_; }

 signals:
  void dateRequested(QDate date);
  void openRequested(const std::string& key);
  void exportCsvRequested();
  void exportIcsRequested();

 private:
  DayRunsModel* model_;
  QSortFilterProxyModel* sorted_;
  QDateEdit* picker_;
  MonthStrip* strip_;
  QLabel* count_;
  QTableView* view_;
  QPushButton* exportCsv_;
  QPushButton* exportIcs_;
};

}  // namespace vdbq::gui
