#include "core/views/calendar_page.h"

#include "core/text/text_routines.h"
#include "core/views/view_text.h"

namespace vdbq {

std::optional<CalendarDefinition> FindCalendar(const LineList& calendarLines,
                                               std::string_view name) {
  for (long long i = 0; i < calendarLines.Count(); ++i) {
    std::string_view line = calendarLines.At(i);
    if (StartsWith(line, "$CALENDAR")) continue;
    if (Copy(line, 1, Find("\t", line) - 1) != name) continue;

    CalendarDefinition calendar;
    calendar.Description = StripEnclosingQuotes(CopyFrom(line, Find("\"", line)));
    std::string dates;
    for (++i; i < calendarLines.Count() && StartsWith(calendarLines.At(i), " "); ++i) {
      dates += ' ';
      dates += TrimBlanks(calendarLines.At(i));
    }
    calendar.Dates = Delete(dates, 1, 1);
    return calendar;
  }
  return std::nullopt;
}

void ShowCalendar(const ExtractStore& store, const Catalogue& /*catalogue*/,
                  std::string_view selectedName, CalendarPage& page) {
  page.Name = std::string(selectedName);
  page.CalendarDatesText.clear();
  if (auto calendar = FindCalendar(store.CalendarLines, selectedName)) {
    page.Description = std::move(calendar->Description);
    page.CalendarDatesText = std::move(calendar->Dates);
  }
  page.Dates = page.CalendarDatesText;
}

}  // namespace vdbq
