#include <gtest/gtest.h>

#include "core/reports/calendar_header_scan.h"
#include "core/reports/calendar_dates.h"
#include "core/reports/name_lists.h"
#include "core/text/text_routines.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

OnExceptClauses Collect(std::vector<std::string> lines, long long first = 1) {
  testing::CountingProgress ticks;
  return CollectOnExceptClauses(LineList(std::move(lines)), first, ticks);
}

TEST(CollectOnExceptClauses, GathersEveryOnAndExceptClauseOfTheHeader) {
  const OnExceptClauses c = Collect({"SCHEDULE CPU1#A", "ON MO, TU", "  EXCEPT HOLIDAYS", "AT 0100",
                                     "ON MONTHEND", "EXCEPT  XMAS ", ":", "CPU1#J"});
  EXPECT_EQ(c.OnList, "MO, TU,MONTHEND");
  EXPECT_EQ(c.ExceptList, "HOLIDAYS,XMAS");
  EXPECT_EQ(c.NextLine, 7);
}

TEST(CollectOnExceptClauses, StopsAfterTheColonLineSoJobLinesAreNotRead) {
  const OnExceptClauses c = Collect({"SCHEDULE CPU1#A", "ON MO", "  :  ", "ON TU", "END"});
  EXPECT_EQ(c.OnList, "MO");
  EXPECT_EQ(c.NextLine, 3);
}

TEST(CollectOnExceptClauses, FollowsAClauseEndingInACommaOverTheNextLines) {
  const OnExceptClauses c =
      Collect({"SCHEDULE CPU1#A", "ON MO,", "   TU,", "", "WE", "EXCEPT X", ":"});
  EXPECT_EQ(c.OnList, "MO,TU,WE");
  EXPECT_EQ(c.ExceptList, "X");
}

TEST(CollectOnExceptClauses, AnEmptyClauseContinuesOnlyAListThatHoldsItems) {
  const OnExceptClauses c = Collect({"SCHEDULE CPU1#A", "ON X", "ON", "Y", "EXCEPT", "Z", ":"});
  EXPECT_EQ(c.OnList, "X,Y");
  EXPECT_EQ(c.ExceptList, "");
}

TEST(CollectOnExceptClauses, AColonTakenAsAContinuationDoesNotEndTheHeader) {
  const OnExceptClauses c = Collect({"SCHEDULE CPU1#A", "ON MO,", ":", "ON TU", ":", "ON WE"});
  EXPECT_EQ(c.OnList, "MO,:,TU");
  EXPECT_EQ(c.NextLine, 5);
}

TEST(CollectOnExceptClauses, TestsOnlyTheFirstCharactersAndSkipsComments) {
  const OnExceptClauses c = Collect(
      {"SCHEDULE CPU1#A", "*ON HOLIDAYS", "  * EXCEPT XMAS", "ONUNTIL CANC", "EXCEPTX Y", ":"});
  EXPECT_EQ(c.OnList, "NTIL CANC");
  EXPECT_EQ(c.ExceptList, "Y");
}

TEST(CollectOnExceptClauses, EndsAtTheEndOfTheListWithoutAColonLine) {
  EXPECT_EQ(Collect({"SCHEDULE CPU1#A", "ON MO", "AT 0100"}).OnList, "MO");
  const OnExceptClauses open = Collect({"SCHEDULE CPU1#A", "ON MO,"});
  EXPECT_EQ(open.OnList, "MO,");
  EXPECT_EQ(open.NextLine, 2);
}

TEST(CollectOnExceptClauses, TicksForEveryHeaderLineItExamines) {
  testing::CountingProgress ticks;
  CollectOnExceptClauses(LineList({"SCHEDULE CPU1#A", "ON MO", "AT 1", ":", "J"}), 1, ticks);
  EXPECT_EQ(ticks.Ticks, 3);
}

// One file's headers read together must give what reading each header on its own gives: the
// whole lists, blanks removed, searched for the name as one item.
void ExpectSameAsEachHeaderAlone(const std::vector<std::string>& text) {
  const LineList lines(text);
  std::vector<long long> headers;
  for (long long i = 0; i < lines.Count(); ++i) {
    if (lines.At(i).rfind("SCHEDULE ", 0) == 0) headers.push_back(i);
  }
  testing::CountingProgress ticks;
  for (const std::string name : {"X", "Y", "Z", ":"}) {
    const std::vector<CalendarUse> together = ScanCalendarHeaders(
        lines, headers, ticks, [&name](bool, std::string_view item) { return item == name; });
    for (size_t k = 0; k < headers.size(); ++k) {
      const OnExceptClauses alone = CollectOnExceptClauses(lines, headers[k] + 1, ticks);
      auto names = [&name](const std::string& list) {
        return CommaWrapped(ReplaceRepeatedly(list, " ", "")).find(CommaWrapped(name)) !=
               std::string::npos;
      };
      EXPECT_EQ(together[k].On, names(alone.OnList)) << "header " << k << " name " << name;
      EXPECT_EQ(together[k].Except, names(alone.ExceptList)) << "header " << k << " name " << name;
    }
  }
}

TEST(ScanCalendarHeaders, ReadsHeadersWithoutColonAsEachWouldAlone) {
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "ON X", "END", "SCHEDULE A#2", "EXCEPT Y", "END",
                               "SCHEDULE A#3", "ON Z, Y", "END"});
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "ON X,", "SCHEDULE A#2", "ON Y,", ":", "EXCEPT Z",
                               "END", "SCHEDULE A#3", "ON X", ":", "END"});
}

TEST(ScanCalendarHeaders, ReadsAnEmptyClauseByWhatTheListAlreadyHolds) {
  // After ON X an empty ON clause takes the next line as an item; at the start of a list it
  // does not. So A#1 finds Y and Z where A#2 and A#3 do not.
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "ON X", "END", "SCHEDULE A#2", "ON", "Y", "EXCEPT",
                               "END", "SCHEDULE A#3", "ON", "Z", ":", "END"});
  // A#2 reads on into A#3 with its list still empty, so A#1 must not take A#2's answer.
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "ON X", "END", "SCHEDULE A#2", "AT 1", "END",
                               "SCHEDULE A#3", "ON", "Y", ":", "END"});
  ExpectSameAsEachHeaderAlone({"SCHEDULE A#1", "EXCEPT X", "SCHEDULE A#2", "ON Y", "SCHEDULE A#3",
                               "EXCEPT", "Z", "ON", "X", "END"});
}

const TimeStamp kToday{2026, 12, 5, 10, 0, 0};

TEST(IsDateAfter, ComparesYearThenMonthThenDay) {
  EXPECT_FALSE(IsDateAfter("12/05/26", kToday));
  EXPECT_TRUE(IsDateAfter("12/06/26", kToday));
  EXPECT_FALSE(IsDateAfter("12/04/26", kToday));
  EXPECT_FALSE(IsDateAfter("11/30/26", kToday));
  EXPECT_TRUE(IsDateAfter("01/01/27", kToday));
  EXPECT_FALSE(IsDateAfter("12/31/25", kToday));
}

TEST(IsDateAfter, ReadsYearsBelowSeventyAsThisCentury) {
  EXPECT_TRUE(IsDateAfter("01/01/69", kToday));
  EXPECT_FALSE(IsDateAfter("12/31/70", kToday));
  EXPECT_FALSE(IsDateAfter("12/31/99", kToday));
}

TEST(IsDateAfter, NamesThePartThatIsNotANumber) {
  auto messageFor = [](const char* date) {
    try {
      IsDateAfter(date, kToday);
    } catch (const ReportDataError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(messageFor("XX/01/27"), "'XX' is not a valid integer value");
  EXPECT_EQ(messageFor("01/3a/27"), "'3a' is not a valid integer value");
  EXPECT_EQ(messageFor("1/1/27"), "'1/' is not a valid integer value");
  EXPECT_EQ(messageFor("01/01"), "'' is not a valid integer value");
  EXPECT_EQ(messageFor("01/01/+7"), "'+7' is not a valid integer value");
  EXPECT_EQ(messageFor("01-02-27"), "no error");
}

TEST(HasDateAfter, StopsAtTheFirstDateAfterTodayOrTheFirstEmptyField) {
  EXPECT_TRUE(HasDateAfter("01/01/07,12/06/26,XX/XX/XX", kToday));
  EXPECT_FALSE(HasDateAfter("01/01/07,,12/06/26", kToday));
  EXPECT_FALSE(HasDateAfter("", kToday));
  EXPECT_THROW(HasDateAfter("01/01/07,XX/01/27", kToday), ReportDataError);
}

}  // namespace
}  // namespace vdbq
