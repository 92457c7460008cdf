#include "core/reports/report_panel.h"

#include <gtest/gtest.h>

#include "core/reports/report_frame.h"

namespace vdbq {
namespace {

TEST(ReportPanel, StartsOnSchedulesAndChangingCategoryWrapsAndUnticks) {
  ReportPanel panel;
  EXPECT_EQ(panel.ReportCategory(), 0);
  EXPECT_EQ(panel.LabRepTab(), "Schedules");
  EXPECT_EQ(panel.TickedOption(), 0);
  EXPECT_EQ(panel.LabCmdDesc(), "Select Report Options Above.");
  EXPECT_EQ(panel.LabHint, "Hint: To Be Completed...");
  EXPECT_EQ(panel.OptionText(5), "Display External Schedule Dependency Path");
  panel.TickOption(3);
  panel.Next();
  EXPECT_EQ(panel.TickedOption(), 0);
  EXPECT_EQ(panel.LabCmdDesc(), "Select Report Options Above.");
  EXPECT_EQ(panel.OptionText(1), "List All Workstation/Jobs Alphabetically");
  panel.Previous();
  panel.Previous();
  EXPECT_EQ(panel.ReportCategory(), 6);
  EXPECT_EQ(panel.LabRepTab(), "Prompts");
  panel.Next();
  EXPECT_EQ(panel.ReportCategory(), 0);
  for (int i = 0; i < 3; ++i) panel.Next();
  EXPECT_EQ(panel.LabRepTab(), "Calendars");
}

// Rows above the count are hidden and cannot be ticked; row one never is.
TEST(ReportPanel, OptionRowsAboveTheCountAreHidden) {
  ReportPanel panel;
  const int counts[] = {5, 6, 3, 4, 2, 2, 2};
  for (int category = 0; category < 7; ++category) {
    panel.SetCategory(category);
    EXPECT_EQ(panel.OptionCount(), counts[category]);
    EXPECT_TRUE(panel.OptionVisible(1));
    EXPECT_TRUE(panel.OptionVisible(counts[category]));
    if (counts[category] == 6) continue;
    EXPECT_FALSE(panel.OptionVisible(counts[category] + 1));
    panel.TickOption(counts[category] + 1);
    EXPECT_EQ(panel.TickedOption(), 0);
  }
}

TEST(ReportPanel, TickingIsExclusiveAndDescribesTheNewOption) {
  ReportPanel panel;
  panel.SetCategory(1);
  panel.TickOption(6);
  EXPECT_EQ(panel.TickedOption(), 6);
  EXPECT_EQ(panel.LabCmdDesc(),
            "Finds a string within the DoCommand or ScriptName variables within a Job.");
  panel.TickOption(2);
  panel.TickOption(2);  // ticking it again keeps it ticked
  EXPECT_EQ(panel.TickedOption(), 2);
  EXPECT_EQ(panel.LabCmdDesc(),
            "Lists all Jobs alphabetically and highlights duplicates across Workstations. No "
            "{Search-String} required.");
}

TEST(ReportPanel, TotalFollowsTheCategory) {
  ReportPanel panel;
  CatalogueTotals totals;
  totals.ScheduleBlockCount = 25;
  totals.PromptTotal = 4;
  panel.SetTotals(totals);
  EXPECT_EQ(panel.LabTotty() + " " + panel.LabTottyHint(), "25 Total Schedules");
  panel.Previous();
  EXPECT_EQ(panel.LabTotty() + " " + panel.LabTottyHint(), "4 Total Prompts");
}

// The box is trimmed first; the "#" rule wants an inner "#"; then only upper-case letters,
// digits, "_", "-" and "#" pass, and a refused character asks for the focus.
TEST(ValidateSearchText, ByCase) {
  struct Case {
    const char* Text;
    bool HashRule;
    const char* Status;  // nullptr: accepted
    const char* After;
  };
  const char* const noText = "No Text Entered - Please Check!";
  const char* const format = "Format = WorkstationName#ScheduleName - Please Check!";
  const char* const length = "Invalid Text Length Entered - Please Check!";
  const char* const character = "Invalid Character In Schedule Name - Please Check!";
  const Case cases[] = {
      {"  CPU1#DAILY  ", true, nullptr, "CPU1#DAILY"},
      {"", false, noText, ""},
      {"    ", true, noText, ""},
      {"DAILY", true, format, "DAILY"},
      {"#DAILY", true, length, "#DAILY"},
      {"CPU1#", true, length, "CPU1#"},
      {"A#B#", true, nullptr, "A#B#"},
      {"DAILY", false, nullptr, "DAILY"},
      {"#DAILY", false, nullptr, "#DAILY"},
      {"A-B_9#", false, nullptr, "A-B_9#"},
      {"CPU1.DAILY", false, character, "CPU1.DAILY"},
      {"CPU1 DAILY", false, character, "CPU1 DAILY"},
      {"cpu1#daily", false, character, "cpu1#daily"},
      {"A\tB", false, character, "A\tB"},
      {"\xc9T\xc9", false, character, "\xc9T\xc9"},
      {"a.b", true, format, "a.b"},  // the character check comes after the "#" rule
  };
  for (const Case& c : cases) {
    ReportPanel panel;
    panel.SearchText = c.Text;
    panel.StatusText = "Processing... Please Wait...";
    EXPECT_EQ(ValidateSearchText(panel, c.HashRule), c.Status == nullptr) << c.Text;
    EXPECT_EQ(panel.SearchText, c.After) << c.Text;
    EXPECT_EQ(panel.StatusText, c.Status ? c.Status : "Processing... Please Wait...") << c.Text;
    EXPECT_EQ(panel.FocusSearchRequested, c.Status == character) << c.Text;
  }
}

}  // namespace
}  // namespace vdbq
