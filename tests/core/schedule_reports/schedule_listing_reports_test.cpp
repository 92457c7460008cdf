#include <gtest/gtest.h>

#include "support/report_fixture.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::ReportFixture;
using testing::RowsText;

struct Listing {
  const char* Case;
  const char* Code;
  const char* Search;
  std::string Schedules;
  const char* Rows;
};

const std::string kThree =
    "SCHEDULE CPU2#A\n:\n J1\nEND\nSCHEDULE CPU1#C\n:\nEND\nSCHEDULE CPU1#b\n:\nEND\n";
const std::string kLongKeys = "SCHEDULE CPU1#PAYROLL  TIMEZONE X\n:\nEND\nSCHEDULE A#B#C\n:\nEND\n";
// A stray END, and a job named ENDOFDAY at column 1, each close a block of their own.
const std::string kHeaderless =
    "SCHEDULE CPU1#ONE\n:\n J1\nEND\nEND\nSCHEDULE CPU1#TWO\n:\nENDOFDAY\nEND\n"
    "SCHEDULE CPU1#THREE\n:\nEND\n";

// clang-format off
const Listing kListings[] = {
    {"keys sort by workstation, then name ignoring case", "S#1", "", kThree,
     "CPU1|b\nCPU1|C\nCPU2|A\n"},
    {"by name", "S#2", "", kThree, "A||CPU2\nb||CPU1\nC||CPU1\n"},
    {"only exact upper-case headers with a hash count", "S#1", "",
     "schedule CPU1#LOWER\n:\nEND\n SCHEDULE CPU1#INDENTED\n:\nEND\nSCHEDULE\tCPU1#TAB\n:\nEND\n"
     "SCHEDULE NOHASH\n:\nEND\nSCHEDULE CPU1#GOOD\n:\nEND\n", "CPU1|GOOD\n"},
    {"the key runs to the line end and splits at the first hash", "S#1", "", kLongKeys,
     "A|B#C\nCPU1|PAYROLL  TIMEZONE X\n"},
    {"by name, split at the first hash", "S#2", "", kLongKeys,
     "B||C#A\nPAYROLL  TIMEZONE X||CPU1\n"},
    {"only the first header of a block is seen", "S#1", "",
     "SCHEDULE NOHASH\nSCHEDULE CPU1#HIDDEN\n:\nEND\nSCHEDULE CPU1#SEEN\nSCHEDULE CPU1#ALSO\n:\n"
     "END\n",
     "CPU1|SEEN\n"},
    {"a block without header counts nothing twice", "S#1", "", kHeaderless,
     "CPU1|ONE\nCPU1|THREE\nCPU1|TWO\n"},
    {"nor marks a duplicate", "S#2", "", kHeaderless, "ONE||CPU1\nTHREE||CPU1\nTWO||CPU1\n"},
    {"lines before a header are stepped over", "S#1", "",
     "* comment\n\nSCHEDULE CPU1#A\n:\nEND\n\n* another\nSCHEDULE CPU1#B\n:\nEND\n",
     "CPU1|A\nCPU1|B\n"},
    {"repeated names after the first are marked", "S#2", "",
     "SCHEDULE C#DAILY\n:\nEND\nSCHEDULE A#DAILY\n:\nEND\nSCHEDULE B#DAILY\n:\nEND\n"
     "SCHEDULE A#WEEKLY\n:\nEND\n", "DAILY||A\nDAILY|1|B\nDAILY|1|C\nWEEKLY||A\n"},
    {"names differing in case sort together unmarked", "S#2", "",
     "SCHEDULE B#DAILY\n:\nEND\nSCHEDULE A#daily\n:\nEND\n", "daily||A\nDAILY||B\n"},
    {"search anywhere in the key, case-sensitively", "S#3", "PAY",
     "SCHEDULE CPU1#PAYROLL\n:\nEND\nSCHEDULE CPU2#XPAY\n:\nEND\nSCHEDULE CPU1#payday\n:\nEND\n",
     "CPU1|PAYROLL\nCPU2|XPAY\n"},
    {"search across the hash", "S#3", "1#P",
     "SCHEDULE CPU1#PAYROLL\n:\nEND\nSCHEDULE CPU2#XPAY\n:\nEND\nSCHEDULE A#BATCH\n:\nEND\n",
     "CPU1|PAYROLL\n"},
};
// clang-format on

TEST(ScheduleListings, RowsByCase) {
  for (const Listing& l : kListings) {
    ReportFixture fx({{"Schedules.Xtract", l.Schedules}});
    fx.Run(l.Code, l.Search);
    EXPECT_EQ(RowsText(fx.Results), l.Rows) << l.Case;
  }
}

}  // namespace
}  // namespace vdbq
