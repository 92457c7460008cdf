#include "core/views/calendar_page.h"

#include "page_fixture.h"

namespace vdbq {
namespace {

const char* const kCalendars =
    "$CALENDAR\n"
    "HOLIDAYS\t\"Bank holidays\"\n  01/01/07 12/25/07\n  12/26/07\n"
    "EMPTY\t\"Nothing yet\"\n"
    "MONTHEND\t\"Last day\"\n  01/31/07  \n";

class CalendarPageTest : public PageTest {
 protected:
  void Show(const std::string& name) { ShowCalendar(store, catalogue, name, page); }
  CalendarPage page;
};

// The description loses its quotes and the dates become one text; a header followed by another
// header has no dates; an unknown calendar keeps the description and empties the dates.
TEST_F(CalendarPageTest, ShowsNameDescriptionAndDates) {
  Load({{"Calendars.Xtract", kCalendars}});
  const std::pair<const char*, const char*> shown[] = {
      {"HOLIDAYS", "HOLIDAYS|Bank holidays|01/01/07 12/25/07 12/26/07|01/01/07 12/25/07 12/26/07"},
      {"HOLI", "HOLI|Bank holidays||"},
      {"EMPTY", "EMPTY|Nothing yet||"},
      {"MONTHEND", "MONTHEND|Last day|01/31/07|01/31/07"}};
  for (const auto& [name, state] : shown) {
    Show(name);
    EXPECT_EQ(page.Name + "|" + page.Description + "|" + page.Dates + "|" + page.CalendarDatesText,
              state);
  }
  // The name is the text before the first tab.
  const LineList lines(
      std::vector<std::string>{"$CALENDAR", "NOTAB \"x\"", "A\tB\t\"two tabs\"", " 01/01/07"});
  EXPECT_FALSE(FindCalendar(lines, "NOTAB").has_value());
  const auto calendar = FindCalendar(lines, "A");
  ASSERT_TRUE(calendar.has_value());
  EXPECT_EQ(calendar->Description, "two tabs");
  EXPECT_EQ(calendar->Dates, "01/01/07");
  EXPECT_FALSE(FindCalendar(lines, "$CALENDAR").has_value());
  // Quotes that do not enclose the description stay.
  EXPECT_EQ(FindCalendar(LineList({"C\t\"open only"}), "C")->Description, "\"open only");
}

}  // namespace
}  // namespace vdbq
