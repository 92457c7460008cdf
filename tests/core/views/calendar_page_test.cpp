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

TEST_F(CalendarPageTest, DescriptionLosesItsQuotesAndDatesBecomeOneText) {
  Load({{"Calendars.Xtract", kCalendars}});
  Show("HOLIDAYS");
  EXPECT_EQ(page.LabCal1, "HOLIDAYS");
  EXPECT_EQ(page.LabCal1Desc, "Bank holidays");
  EXPECT_EQ(page.Cal1Memo, "01/01/07 12/25/07 12/26/07");
  EXPECT_EQ(page.CalendarDatesText, "01/01/07 12/25/07 12/26/07");
}

TEST_F(CalendarPageTest, HeaderFollowedByAnotherHeaderHasNoDates) {
  Load({{"Calendars.Xtract", kCalendars}});
  Show("EMPTY");
  EXPECT_EQ(page.LabCal1Desc, "Nothing yet");
  EXPECT_EQ(page.Cal1Memo, "");
  Show("MONTHEND");
  EXPECT_EQ(page.Cal1Memo, "01/31/07");
}

TEST_F(CalendarPageTest, UnknownCalendarKeepsTheDescriptionAndEmptiesTheDates) {
  Load({{"Calendars.Xtract", kCalendars}});
  Show("HOLIDAYS");
  Show("HOLI");
  EXPECT_EQ(page.LabCal1, "HOLI");
  EXPECT_EQ(page.LabCal1Desc, "Bank holidays");
  EXPECT_EQ(page.Cal1Memo, "");
  EXPECT_EQ(page.CalendarDatesText, "");
}

TEST(FindCalendar, NameIsTheTextBeforeTheFirstTab) {
  const LineList lines(
      std::vector<std::string>{"$CALENDAR", "NOTAB \"x\"", "A\tB\t\"two tabs\"", " 01/01/07"});
  EXPECT_FALSE(FindCalendar(lines, "NOTAB").has_value());
  const auto calendar = FindCalendar(lines, "A");
  ASSERT_TRUE(calendar.has_value());
  EXPECT_EQ(calendar->Description, "two tabs");
  EXPECT_EQ(calendar->Dates, "01/01/07");
  EXPECT_FALSE(FindCalendar(lines, "$CALENDAR").has_value());
}

TEST(FindCalendar, DescriptionKeepsQuotesThatDoNotEncloseIt) {
  const LineList lines(std::vector<std::string>{"C\t\"open only"});
  EXPECT_EQ(FindCalendar(lines, "C")->Description, "\"open only");
}

}  // namespace
}  // namespace vdbq
