#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/reports/calendar_dates.h"
#include "core/reports/calendar_header_scan.h"
#include "core/reports/name_lists.h"
#include "core/reports/usage_reports.h"
#include "core/text/text_routines.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

OnExceptClauses Collect(std::vector<std::string> lines, long long first = 1) {
  testing::CountingProgress ticks;
  return CollectOnExceptClauses(LineList(std::move(lines)), first, ticks);
}

TEST(CollectOnExceptClauses, ListsAndTheLineAfterTheHeaderByCase) {
  struct Case {
    const char* Why;
    std::vector<std::string> Lines;  // from line 1 on
    const char* On;
    const char* Except;
    long long Next;
  };
  // clang-format off
  const Case cases[] = {
      {"every clause of the header",
       {"ON MO, TU", "  EXCEPT HOLIDAYS", "AT 0100", "ON MONTHEND", "EXCEPT  XMAS ", ":", "CPU1#J"},
       "MO, TU,MONTHEND", "HOLIDAYS,XMAS", 7},
      {"job lines after the colon line are not read", {"ON MO", "  :  ", "ON TU", "END"}, "MO", "",
       3},
      {"a trailing comma runs on", {"ON MO,", "   TU,", "", "WE", "EXCEPT X", ":"}, "MO,TU,WE",
       "X", 7},
      {"an empty clause continues only a list that holds items",
       {"ON X", "ON", "Y", "EXCEPT", "Z", ":"}, "X,Y", "", 7},
      {"a colon taken as a continuation does not end the header",
       {"ON MO,", ":", "ON TU", ":", "ON WE"}, "MO,:,TU", "", 5},
      {"only the first characters count; comments are skipped",
       {"*ON HOLIDAYS", "  * EXCEPT XMAS", "ONUNTIL CANC", "EXCEPTX Y", ":"}, "NTIL CANC", "Y", 6},
      {"no colon line: the end of the list", {"ON MO", "AT 0100"}, "MO", "", 3},
      {"a clause running on at the end of the list", {"ON MO,"}, "MO,", "", 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    std::vector<std::string> lines{"SCHEDULE CPU1#A"};
    lines.insert(lines.end(), c.Lines.begin(), c.Lines.end());
    const OnExceptClauses read = Collect(lines);
    EXPECT_EQ(read.OnList, c.On) << c.Why;
    EXPECT_EQ(read.ExceptList, c.Except) << c.Why;
    EXPECT_EQ(read.NextLine, c.Next) << c.Why;
  }
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

// Years below 70 are this century.
TEST(IsDateAfter, ComparesYearThenMonthThenDay) {
  const std::pair<const char*, bool> cases[] = {
      {"12/05/26", false}, {"12/06/26", true},  {"12/04/26", false},
      {"11/30/26", false}, {"01/01/27", true},  {"12/31/25", false},
      {"01/01/69", true},  {"12/31/70", false}, {"12/31/99", false}};
  for (const auto& [date, after] : cases) {
    EXPECT_EQ(IsDateAfter(date, kToday), after) << date;
  }
}

TEST(IsDateAfter, NamesThePartThatIsNotANumber) {
  const std::pair<const char*, const char*> cases[] = {{"XX/01/27", "'XX'"}, {"01/3a/27", "'3a'"},
                                                       {"1/1/27", "'1/'"},   {"01/01", "''"},
                                                       {"01/01/+7", "'+7'"}, {"01-02-27", nullptr}};
  for (const auto& [date, part] : cases) {
    std::string message = "no error";
    try {
      IsDateAfter(date, kToday);
    } catch (const ReportDataError& error) {
      message = error.what();
    }
    EXPECT_EQ(message, part ? std::string(part) + " is not a valid integer value" : "no error");
  }
}

TEST(HasDateAfter, StopsAtTheFirstDateAfterTodayOrTheFirstEmptyField) {
  EXPECT_TRUE(HasDateAfter("01/01/07,12/06/26,XX/XX/XX", kToday));
  EXPECT_FALSE(HasDateAfter("01/01/07,,12/06/26", kToday));
  EXPECT_FALSE(HasDateAfter("", kToday));
  EXPECT_THROW(HasDateAfter("01/01/07,XX/01/27", kToday), ReportDataError);
}

std::vector<std::string> Listed(std::string_view list) {
  std::vector<std::string> names;
  ForEachListedName(list, [&names](std::string_view name) { names.emplace_back(name); });
  return names;
}

TEST(ForEachListedName, GivesTheFieldsUpToTheFirstEmptyOne) {
  using Names = std::vector<std::string>;
  const std::pair<const char*, Names> cases[] = {{"A,B C,D,", {"A", "B C", "D"}},
                                                 {"A,B", {"A", "B"}},
                                                 {"A,,B,", {"A"}},
                                                 {",A,", {}},
                                                 {"", {}}};
  for (const auto& [list, names] : cases) EXPECT_EQ(Listed(list), names) << list;
}

TEST(CommaItemSet, AnswersAsTheSearchForACommaWrappedName) {
  const std::string text = "CPU1#A,1 B,,C D,";
  const CommaItemSet items(text);
  for (const char* name :
       {"CPU1#A", "1 B", "C D", "", "A", "B", "C", "CPU1#A,1 B", "B,,C D", "D,", ",CPU1#A"}) {
    const bool expected = CommaWrapped(text).find(CommaWrapped(name)) != std::string::npos;
    EXPECT_EQ(items.Has(name), expected) << name;
  }
  EXPECT_FALSE(CommaItemSet("").Has("A"));
  EXPECT_TRUE(CommaItemSet("").Has(""));
}

// Reading all bodies together must give what reading each body on its own gives.
void ExpectSameAsEachBodyAlone(const std::vector<std::string>& text) {
  const LineList lines(text);
  std::vector<long long> headers;
  for (long long i = 0; i < lines.Count(); ++i) {
    if (StartsWith(lines.At(i), "SCHEDULE ")) headers.push_back(i);
  }
  for (const std::string name : {"A", "B", "C"}) {
    const std::string wanted = " " + name + ",";
    const std::vector<bool> together = BodiesHolding(
        lines, headers, kNeedsClause,
        [&](const std::string& item) { return Contains(CommaWrapped(item), wanted); });
    for (size_t k = 0; k < headers.size(); ++k) {
      std::string uses;
      ReadBodyClauses(lines, headers[k] + 1, kNeedsClause, uses);
      EXPECT_EQ(together[k], Contains(CommaWrapped(uses), wanted))
          << "body " << k << " name " << name;
    }
  }
}

TEST(BodiesHolding, ReadsBodiesWithoutEndAsEachWouldAlone) {
  ExpectSameAsEachBodyAlone({"SCHEDULE X#1", "NEEDS 1 A", "END\t", "SCHEDULE X#2", ":", " X#J",
                             "  NEEDS 1 B", "ENDS", "SCHEDULE X#3", "NEEDS 1 C", "END",
                             "SCHEDULE X#4", "NEEDS 2 A"});
  ExpectSameAsEachBodyAlone({"SCHEDULE X#1", "NEEDS 1 A,", "SCHEDULE X#2", "NEEDS 1 B,", "END",
                             "SCHEDULE X#3", "NEEDS", "1 C", "END"});
}

TEST(ReadBodyClauses, GathersEveryClauseOfTheBodyWithoutItsOptions) {
  std::string uses;
  const LineList lines({"SCHEDULE X#1", "NEEDS 1 A CONFIRMED", "*NEEDS 1 Z", ":", " X#J",
                        "  NEEDS 2 B,", "  1 C PRIORITY 5", "  NEEDS", "  1 E", "END",
                        "NEEDS 1 D"});
  EXPECT_EQ(ReadBodyClauses(lines, 1, kNeedsClause, uses), 10);
  // A clause with no text takes the next line as well.
  EXPECT_EQ(uses, ",1 A,2 B,,1 C,,1 E");
}

}  // namespace
}  // namespace vdbq
