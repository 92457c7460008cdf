#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"

namespace vdbq {

// What the calendar page shows. CalendarDatesText is the shared text of the dates of the
// calendar shown last; the description stays when a calendar is not found.
struct CalendarPage {
  std::string Name;         // LabCal1
  std::string Description;  // LabCal1Desc
  std::string Dates;        // Cal1Memo
  std::string CalendarDatesText;
};

// A calendar as the page reads it from CalendarLines.
struct CalendarDefinition {
  // From the first double quote to the end of the header line, enclosing quotes removed.
  std::string Description;
  // The trimmed date lines joined by single blanks.
  std::string Dates;
};

// The first calendar whose header line (the text before its first TAB) names `name`.
std::optional<CalendarDefinition> FindCalendar(const LineList& calendarLines,
                                               std::string_view name);

void ShowCalendar(const ExtractStore& store, const Catalogue& catalogue,
                  std::string_view selectedName, CalendarPage& page);

}  // namespace vdbq
