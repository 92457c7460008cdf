#include <gtest/gtest.h>

#include "core/reports/report_frame.h"

namespace vdbq {
namespace {

struct Checked {
  bool accepted;
  std::string search;
  std::string status;
  bool focus;
};

Checked Check(const std::string& text, bool hashRule) {
  ReportPanel panel;
  panel.SearchText = text;
  panel.StatusText = "Processing... Please Wait...";
  const bool accepted = ValidateSearchText(panel, hashRule);
  return {accepted, panel.SearchText, panel.StatusText, panel.FocusSearchRequested};
}

TEST(ValidateSearchText, TrimsTheBoxBeforeLooking) {
  const Checked c = Check("  CPU1#DAILY  ", true);
  EXPECT_TRUE(c.accepted);
  EXPECT_EQ(c.search, "CPU1#DAILY");
  EXPECT_EQ(c.status, "Processing... Please Wait...");
}

TEST(ValidateSearchText, RejectsAnEmptyOrBlankText) {
  EXPECT_EQ(Check("", false).status, "No Text Entered - Please Check!");
  const Checked blanks = Check("    ", true);
  EXPECT_FALSE(blanks.accepted);
  EXPECT_EQ(blanks.status, "No Text Entered - Please Check!");
}

TEST(ValidateSearchText, HashRuleWantsAnInnerHash) {
  EXPECT_EQ(Check("DAILY", true).status, "Format = WorkstationName#ScheduleName - Please Check!");
  EXPECT_EQ(Check("#DAILY", true).status, "Invalid Text Length Entered - Please Check!");
  EXPECT_EQ(Check("CPU1#", true).status, "Invalid Text Length Entered - Please Check!");
  EXPECT_TRUE(Check("A#B#", true).accepted);
}

TEST(ValidateSearchText, WithoutTheHashRuleAnyHashPasses) {
  EXPECT_TRUE(Check("DAILY", false).accepted);
  EXPECT_TRUE(Check("#DAILY", false).accepted);
  EXPECT_TRUE(Check("A-B_9#", false).accepted);
}

TEST(ValidateSearchText, OnlyThirtyNineCharactersAreAllowed) {
  for (const std::string text : {"CPU1.DAILY", "CPU1 DAILY", "cpu1#daily", "A\tB", "\xc9T\xc9"}) {
    const Checked c = Check(text, false);
    EXPECT_FALSE(c.accepted) << text;
    EXPECT_EQ(c.status, "Invalid Character In Schedule Name - Please Check!");
    EXPECT_TRUE(c.focus);
  }
}

TEST(ValidateSearchText, CharacterCheckComesAfterTheHashRule) {
  EXPECT_EQ(Check("a.b", true).status, "Format = WorkstationName#ScheduleName - Please Check!");
}

}  // namespace
}  // namespace vdbq
