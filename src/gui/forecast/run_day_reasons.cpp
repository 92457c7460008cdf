#include "gui/forecast/run_day_reasons.h"

#include <QLocale>
#include <QStringList>

#include "core/forecast/forecast.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

QDate QDateOf(DayNumber day) {
  const CivilDate date = DateOf(day);
  return {date.Year, date.Month, date.Day};
}

QString ItemText(const RunItem& item) {
  return (item.Except ? QStringLiteral("EXCEPT ") : QStringLiteral("ON ")) + ToQString(item.Text);
}

}  // namespace

std::vector<CalendarDay> YearOfRunDays(const Forecast& forecast, int schedule, int year) {
  const Window window{DayOf(year, 1, 1), DayOf(year, 12, 31)};
  const DaySet runs = forecast.RunDays(schedule, window);
  const DaySet workdays = forecast.Workdays(schedule, window);
  const QLocale names = QLocale::c();
  std::vector<CalendarDay> days(static_cast<size_t>(window.Days()));
  for (DayNumber d = window.From; d <= window.To; ++d) {
    CalendarDay& day = days[static_cast<size_t>(d - window.From)];
    day.Runs = runs.Has(d);
    day.Free = !workdays.Has(d);
    QStringList lines;
    for (const RunDayReason& reason : forecast.Why(schedule, d)) {
      if (!reason.Holds) continue;
      lines << ItemText(*reason.Item);
      if (reason.MovedFrom) {
        lines << QStringLiteral("moved from %1 by %2")
                     .arg(names.toString(QDateOf(*reason.MovedFrom), QStringLiteral("ddd d MMM")),
                          reason.Item->FreeDays == FreeDayRule::kNext ? QStringLiteral("FDNEXT")
                                                                      : QStringLiteral("FDPREV"));
      }
    }
    day.Why = lines.join(QLatin1Char('\n'));
  }
  return days;
}

QString RunDaysSummary(const Forecast& forecast, int schedule) {
  const ScheduleRunDefinition& s = forecast.Schedules()[static_cast<size_t>(schedule)];
  QStringList parts;
  for (const RunItem& item : s.Items) parts << ItemText(item);
  if (!s.HasOn) parts << QStringLiteral("on request only: no run day");
  QString workdays = QStringLiteral("workdays MO to FR");
  if (s.Free.Saturday) workdays += QStringLiteral(", SA");
  if (s.Free.Sunday) workdays += QStringLiteral(", SU");
  if (!s.Free.Calendar.empty()) workdays += QStringLiteral(" less ") + ToQString(s.Free.Calendar);
  parts << workdays;
  if (!s.At.empty()) parts << QStringLiteral("at ") + ToQString(s.At);
  for (const UnreadItem& unread : s.Unread) {
    parts << QStringLiteral("unread: ") + ToQString(unread.Item);
  }
  return parts.join(QStringLiteral("  ·  "));
}

}  // namespace vdbq::gui
