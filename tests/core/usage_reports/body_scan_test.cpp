#include <gtest/gtest.h>

#include "core/reports/name_lists.h"
#include "core/reports/usage_reports.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

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
