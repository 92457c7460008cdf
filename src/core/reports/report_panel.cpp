#include "core/reports/report_panel.h"

namespace vdbq {
namespace {

constexpr std::array<int, kReportCategories> kOptionCounts{5, 6, 3, 4, 2, 2, 2};

constexpr std::array<const char*, kReportCategories> kCategoryCaptions{
    "Schedules", "Jobs", "Workstations", "Calendars", "Resources", "Parameters", "Prompts"};

constexpr std::array<const char*, kReportCategories> kTotalHints{
    "Total Schedules", "Total Jobs",       "Total Workstations", "Total Calendars",
    "Total Resources", "Total Parameters", "Total Prompts"};

using OptionRow = std::array<const char*, kMaxReportOptions>;

constexpr std::array<OptionRow, kReportCategories> kOptionTexts{{
    {"List All CPU/Schedules Alphabetically", "List Schedules/CPU + Highlight Duplicates",
     "Find Search-String In Schedule Names", "Display Full Internal Schedule Details",
     "Display External Schedule Dependency Path", ""},
    {"List All Workstation/Jobs Alphabetically", "List Jobs/Workstation + Highlight Duplicates",
     "Find Search-String In Job Names", "Display Schedules Containing JobName",
     "Display All Jobs Not Scheduled", "Find Search-String In Script/Command"},
    {"List Schedules For Workstation", "List Jobs For Workstation", "List Classes", "", "", ""},
    {"Find Schedules That Use Calendar", "List Unused Calendars", "List Invalid Calendars",
     "List Valid Calendars", "", ""},
    {"Find Schedules That Use Resource", "Check Which Resources Are In Use", "", "", "", ""},
    {"Find Jobs That Use Parameter", "Check Which Parameters Are In Use", "", "", "", ""},
    {"Find Schedules That Use Prompt", "Check Which Prompts Are In Use", "", "", "", ""},
}};

constexpr std::array<OptionRow, kReportCategories> kDescriptions{{
    {"Lists all Schedules alphabetically within Workstation. No {Search-String} required.",
     "Lists all Schedules alphabetically and highlights duplicates across Workstations. No "
     "{Search-String} required.",
     "Lists all Schedule Names in which an entered {Search-String} is found.",
     "Displays report on a particular {Search-String: Workstation#ScheduleName} Schedule "
     "detailing internal Job Dependencies.",
     "Displays report on a particular {Search-String: Workstation#ScheduleName} Schedule showing "
     "external Predecessors and Successors.",
     ""},
    {"Lists all Jobs alphabetically within Workstation. No {Search-String} required.",
     "Lists all Jobs alphabetically and highlights duplicates across Workstations. No "
     "{Search-String} required.",
     "Lists all JobNames in which an entered {Search-String} is found.",
     "Displays report on a particular {Search-String: Workstation#JobName} Job and all Schedules "
     "that include it.",
     "Lists all JobNames not included within a Schedule and which may be run externally",
     "Finds a string within the DoCommand or ScriptName variables within a Job."},
    {"List all Schedules associated with an entered Workstation.",
     "Lists all Jobs associated with an entered Workstation.",
     "Lists Workstation Classes and Members.", "", "", ""},
    {"Lists all Schedules that use an entered Calendar.",
     "Lists all Calendars not currently used within a Schedule.",
     "Lists all Calendars that contain no valid dates.",
     "Lists all Calendars that do contain at least one valid date.", "", ""},
    {"Lists all Schedules in which the entered Resource is used.",
     "Provides a list of available Resources and indicates whether they are being used.", "", "",
     "", ""},
    {"Lists all Schedules in which the entered Parameter is used.",
     "Provides a list of available Parameters and indicates whether they are being used.", "", "",
     "", ""},
    {"Lists all Schedules in which the entered Prompt is used.",
     "Provides a list of available Prompts and indicates whether they are being used.", "", "",
     "", ""},
}};

bool ValidCategory(int category) { return category >= 0 && category < kReportCategories; }
bool ValidOption(int option) { return option >= 1 && option <= kMaxReportOptions; }

}  // namespace

ReportPanel::ReportPanel() { FillReportOptions(); }

int ReportPanel::OptionCountOf(int category) {
  return ValidCategory(category) ? kOptionCounts[static_cast<size_t>(category)] : 0;
}

std::string ReportPanel::CategoryCaption(int category) {
  return ValidCategory(category) ? kCategoryCaptions[static_cast<size_t>(category)] : "";
}

std::string ReportPanel::OptionTextOf(int category, int option) {
  if (!ValidCategory(category) || !ValidOption(option)) return {};
  return kOptionTexts[static_cast<size_t>(category)][static_cast<size_t>(option - 1)];
}

std::string ReportPanel::OptionDescription(int category, int option) {
  if (!ValidCategory(category) || !ValidOption(option)) return {};
  return kDescriptions[static_cast<size_t>(category)][static_cast<size_t>(option - 1)];
}

void ReportPanel::SetCategory(int category) {
  if (!ValidCategory(category)) return;
  category_ = category;
  FillReportOptions();
}

void ReportPanel::Next() { SetCategory((category_ + 1) % kReportCategories); }

void ReportPanel::Previous() {
  SetCategory((category_ + kReportCategories - 1) % kReportCategories);
}

void ReportPanel::FillReportOptions() {
  // Each box that loses its tick reports, as the widgets do.
  if (ticked_ != 0) {
    const int lost = ticked_;
    ticked_ = 0;
    DescribeReportOption(lost);
  }
  description_ = kSelectReportOptions;
  for (int n = 1; n <= OptionCount(); ++n) {
    optionTexts_[static_cast<size_t>(n - 1)] = OptionTextOf(category_, n);
  }
}

void ReportPanel::TickOption(int n) {
  if (!ValidOption(n) || !OptionVisible(n) || n == ticked_) return;
  const int lost = ticked_;
  ticked_ = n;
  if (lost != 0) DescribeReportOption(lost);
  DescribeReportOption(n);
}

void ReportPanel::DescribeReportOption(int n) { description_ = OptionDescription(category_, n); }

std::string ReportPanel::TotalText() const {
  const std::array<long long, kReportCategories> totals{
      totals_.ScheduleBlockCount, totals_.JobTotal,      totals_.CpuTotal,
      totals_.CalendarTotal,      totals_.ResourceTotal, totals_.ParameterTotal,
      totals_.PromptTotal};
  return std::to_string(totals[static_cast<size_t>(category_)]);
}

std::string ReportPanel::TotalHint() const { return kTotalHints[static_cast<size_t>(category_)]; }

}  // namespace vdbq
