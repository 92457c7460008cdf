#include "gui/category_navigation.h"

namespace vdbq::gui {

std::string CategoryCode(PageCategory category) {
  switch (category) {
    case PageCategory::Workstations:
      return "CPU";
    case PageCategory::Schedules:
      return "SCH";
    case PageCategory::Jobs:
      return "JOB";
    case PageCategory::Calendars:
      return "CAL";
    case PageCategory::Parameters:
      return "PAR";
    case PageCategory::Prompts:
      return "PRO";
    case PageCategory::Resources:
      return "RES";
    case PageCategory::Report:
      return "REP";
    case PageCategory::Title:
      return "INF";
    case PageCategory::Installation:
      return "INS";
    case PageCategory::Changes:
      return "CHG";
    case PageCategory::Findings:
      return "CHK";
    case PageCategory::RunDays:
      return "DAY";
    case PageCategory::WhatRunsOn:
      return "RUN";
    case PageCategory::SearchHits:
      return "FND";
    case PageCategory::Impact:
      return "IMP";
  }
  return "";
}

std::optional<int> ButtonIndex(PageCategory category) {
  const int index = static_cast<int>(category);
  if (index < kButtonCategories) return index;
  return std::nullopt;
}

PageCategory CategoryOfButton(int index) { return static_cast<PageCategory>(index); }

bool CategoryNavigation::Visited(PageCategory category) const {
  const std::optional<int> index = ButtonIndex(category);
  return index && visited_[static_cast<size_t>(*index)];
}

void CategoryNavigation::MarkVisited(PageCategory category) {
  if (const std::optional<int> index = ButtonIndex(category)) {
    visited_[static_cast<size_t>(*index)] = true;
  }
}

std::optional<CategoryNavigation::Change> CategoryNavigation::SwitchTo(PageCategory category) {
  if (category == current_) return std::nullopt;
  const Change change{current_, category};
  current_ = category;
  return change;
}

std::optional<CategoryNavigation::Change> CategoryNavigation::Request(PageCategory category) {
  if (!Visited(category)) return std::nullopt;
  return SwitchTo(category);
}

}  // namespace vdbq::gui
