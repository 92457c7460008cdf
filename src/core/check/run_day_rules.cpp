// never-runs, calendar-ends, unreadable-run-item, and undefined-calendar for a FREEDAYS
// calendar: what the forecast reads of the schedules' run clauses, over the year from today.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/check/check_context.h"
#include "core/forecast/forecast.h"

namespace vdbq {
namespace {

constexpr int kYearDays = 365;
// A calendar whose last date is nearer than this is about to run out.
constexpr int kEndingDays = 30;
// A message names this many schedules, then says how many more there are.
constexpr size_t kNamedSchedules = 5;

// The schedule's key as the catalogue shows it, as the other rules name schedules.
std::string_view CatalogueKeyOf(const ExtractStore& store, const ScheduleRunDefinition& s) {
  const std::string_view line = store.ScheduleLines.At(s.Line);
  return line.substr(std::min<size_t>(line.size(), 9));
}

// A schedule the forecast read that the store no longer holds: a removal check reads the
// extracts with one definition's lines emptied, and reuses the loaded run days when that
// definition is a schedule, whose removal changes no other schedule's days.
bool LeftOut(const ExtractStore& store, const ScheduleRunDefinition& s) {
  return store.ScheduleLines.At(s.Line).empty();
}

// An ON item that gives no day because it cannot be read or names no calendar: the schedule's
// other findings say why it does not run.
bool HasUnreadOnItem(const Forecast& forecast, const ScheduleRunDefinition& s) {
  return std::any_of(s.Items.begin(), s.Items.end(), [&](const RunItem& item) {
    return !item.Except &&
           (item.Base == RunItemBase::kUnreadable ||
            (item.Base == RunItemBase::kCalendar && forecast.FindCalendar(item.Name) < 0));
  });
}

// An unknown calendar that undefined-calendar does not name: one its reading takes for a date
// or a keyword, such as "13/45/27" or "WORKDAYS+1WEEK".
bool UnnamedByUndefinedCalendar(const RunItem& item) {
  return CalendarNameOfItem(item.Text) != item.Name ||
         (item.Name.front() >= '0' && item.Name.front() <= '9');
}

// "schedules A, B, C, D, E and 3 more stop running then", keys in byte order.
std::string SchedulesText(std::vector<std::string_view> keys, const char* oneVerb,
                          const char* manyVerb) {
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  std::string text = keys.size() == 1 ? "schedule " : "schedules ";
  const size_t named = std::min(keys.size(), kNamedSchedules);
  for (size_t k = 0; k < named; ++k) {
    if (k > 0) text += ", ";
    text += keys[k];
  }
  if (named < keys.size()) text += " and " + std::to_string(keys.size() - named) + " more";
  return text + " " + (keys.size() == 1 ? oneVerb : manyVerb);
}

void CheckSchedules(const ExtractStore& store, const Forecast& forecast, DayNumber today,
                    FindingList& findings) {
  const std::vector<DaySet> runDays = forecast.RunDaysOfEach({today, today + kYearDays - 1});
  const std::vector<ScheduleRunDefinition>& schedules = forecast.Schedules();
  for (size_t s = 0; s < schedules.size(); ++s) {
    const ScheduleRunDefinition& schedule = schedules[s];
    if (LeftOut(store, schedule)) continue;
    const std::string key(CatalogueKeyOf(store, schedule));
    if (schedule.HasOn && runDays[s].Empty() && !HasUnreadOnItem(forecast, schedule)) {
      findings.Add("never-runs", ObjectKind::Schedule, key, kSchedulesFile, schedule.Line,
                   "Schedule " + key + " has no run day in the " + std::to_string(kYearDays) +
                       " days from " + IsoDate(today));
    }
    for (const RunItem& item : schedule.Items) {
      const bool unread =
          item.Base == RunItemBase::kUnreadable ||
          (item.Base == RunItemBase::kCalendar && forecast.FindCalendar(item.Name) < 0 &&
           UnnamedByUndefinedCalendar(item));
      if (!unread) continue;
      findings.Add("unreadable-run-item", ObjectKind::Schedule, key, kSchedulesFile, item.Line,
                   std::string(item.Except ? "EXCEPT" : "ON") + " item \"" +
                       std::string(item.Text) + "\" cannot be read; it gives no day");
    }
    for (const UnreadItem& unread : schedule.Unread) {
      if (unread.Reason != UnreadReason::kUnknownFreeDays) continue;
      findings.Add("undefined-calendar", ObjectKind::Schedule, key, kSchedulesFile, unread.Line,
                   "Calendar " + std::string(unread.Item) + " is not defined in " + kCalendarsFile);
    }
  }
}

void CheckCalendarEnds(const ExtractStore& store, const Forecast& forecast, DayNumber today,
                       FindingList& findings) {
  std::vector<std::vector<std::string_view>> namedBy(static_cast<size_t>(forecast.CalendarCount()));
  for (const ScheduleRunDefinition& schedule : forecast.Schedules()) {
    if (LeftOut(store, schedule)) continue;
    for (const RunItem& item : schedule.Items) {
      if (item.Except || item.Base != RunItemBase::kCalendar) continue;
      const int calendar = forecast.FindCalendar(item.Name);
      if (calendar >= 0) {
        namedBy[static_cast<size_t>(calendar)].push_back(CatalogueKeyOf(store, schedule));
      }
    }
  }
  for (int calendar = 0; calendar < forecast.CalendarCount(); ++calendar) {
    std::vector<std::string_view>& keys = namedBy[static_cast<size_t>(calendar)];
    if (keys.empty()) continue;
    const std::vector<DayNumber>& dates = forecast.CalendarDates(calendar);
    if (!dates.empty() && dates.back() >= today + kEndingDays) continue;
    const std::string name(forecast.CalendarName(calendar));
    std::string message = "Calendar " + name;
    if (dates.empty()) {
      message +=
          " has no dates; " + SchedulesText(std::move(keys), "never runs", "never run") + " on it";
    } else if (dates.back() < today) {
      message += " has had no date since " + IsoDate(dates.back()) + "; " +
                 SchedulesText(std::move(keys), "no longer runs", "no longer run") + " on it";
    } else {
      message += " has no date after " + IsoDate(dates.back()) + "; " +
                 SchedulesText(std::move(keys), "stops running then", "stop running then");
    }
    findings.Add("calendar-ends", ObjectKind::Calendar, name, kCalendarsFile,
                 forecast.CalendarLine(calendar), std::move(message));
  }
}

}  // namespace

void CheckRunDays(const vdbq::Catalogue& catalogue, const ExtractStore& store, DayNumber today,
                  FindingList& findings) {
  const std::shared_ptr<const Forecast> forecast = ForecastOf(store, catalogue);
  CheckSchedules(store, *forecast, today, findings);
  CheckCalendarEnds(store, *forecast, today, findings);
}

}  // namespace vdbq
