#pragma once

#include <array>
#include <optional>
#include <string>

namespace vdbq::gui {

// The page categories of the page area, those with a category button first, in the buttons'
// order; the title, installation, changes, findings, run days, search hit and impact pages
// have no button.
enum class PageCategory {
  Workstations,  // CPU: TabCpu, HotCpu
  Schedules,     // SCH: TabSch, HotSch
  Jobs,          // JOB: TabJob, HotJob
  Calendars,     // CAL: TabCal, HotCal
  Parameters,    // PAR: TabPar, HotPar
  Prompts,       // PRO: TabPro, HotPro
  Resources,     // RES: TabRes, HotRes
  Report,        // REP: TabReport, HotRep
  Title,         // INF: TabTotals
  Installation,  // INS: TabInstall
  Changes,       // CHG: the comparison of two databases
  Findings,      // CHK: the database check
  RunDays,       // DAY: the run days of one schedule
  WhatRunsOn,    // RUN: the schedules of one date
  SearchHits,    // FND: the lines that hold a searched text
  Impact,        // IMP: what depends on an object
};

inline constexpr int kButtonCategories = 8;
inline constexpr int kPageCategories = 16;

// "CPU", "SCH", ..., "INF", "INS", "CHG", "CHK", "DAY", "RUN", "FND", "IMP".
std::string CategoryCode(PageCategory category);
// The button position (0 to 7) of a category, nothing for the categories without a button.
std::optional<int> ButtonIndex(PageCategory category);
PageCategory CategoryOfButton(int index);

// Which page category is shown and which categories have been shown at least once.
class CategoryNavigation {
 public:
  PageCategory Current() const { return current_; }
  std::string CurrentCode() const { return CategoryCode(current_); }

  // Set the first time an object of the category is shown; never cleared during a run.
  bool Visited(PageCategory category) const;
  void MarkVisited(PageCategory category);
  void ClearVisited() { visited_.fill(false); }

  struct Change {
    PageCategory Previous;
    PageCategory Next;
  };
  // The switch the tree and the reports use: nothing when the category is already shown.
  std::optional<Change> SwitchTo(PageCategory category);
  // The category buttons and the Pages menu: only to a category that has been visited.
  std::optional<Change> Request(PageCategory category);
  // "Title", "Installation Instructions", a refresh and the pages without a button: the page
  // changes without the switch, so the buttons keep their pictures.
  void ShowWithoutSwitch(PageCategory category) { current_ = category; }

 private:
  PageCategory current_ = PageCategory::Title;
  std::array<bool, kButtonCategories> visited_{};
};

}  // namespace vdbq::gui
