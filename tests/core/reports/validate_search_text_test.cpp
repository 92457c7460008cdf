#include <gtest/gtest.h>

#include "core/reports/report_frame.h"

namespace vdbq {
namespace {

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
