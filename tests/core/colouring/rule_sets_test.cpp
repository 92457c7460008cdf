#include "core/colouring/rule_sets.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "colouring_fixture.h"
#include "core/colouring/colour_text.h"

namespace vdbq {
namespace {

TEST(RuleSets, ColourThePagesTexts) {
  const std::vector<ColourRule> schedule = SchedulePageRules();
  const std::vector<ColourRule> install = InstallationPageRules();
  const std::vector<ColourRule> last = InstallationLastMemoRules();
  const std::tuple<const std::vector<ColourRule>&, std::string, std::string> cases[] = {
      {schedule, "SCHEDULE CPU1#DAILY", "MMMMMMMM..........."},
      {schedule, "ON REQUEST", "NN........"},
      {schedule, "FOLLOWS CPU1#A.@", "BBBBBBB........."},
      {schedule, "OPENS \"/f\"", "PPPPP....."},
      {schedule, "EXCEPT MONTHEND", "NNNNNN........."},
      {schedule, "UNTIL 2300 TIMEZONE X", "NNNNN......NNNNNNNN.."},
      {schedule, " CPU1#J CONFIRMED PRIORITY 20", "........NNNNNNNNN.NNNNNNNN..."},
      {schedule, "END", "NNN"},
      // Words inside names stay plain.
      {schedule, "ON MONDAY", "NN......."},
      {schedule, "ON1", "NN."},
      {schedule, "ONUNTIL", "NNNNNNN"},
      {schedule, " CPU1#ATEND_JOB", "..............."},
      {schedule, "follows a", "BBBBBBB.."},
      // A comment is green to the line end, over keywords.
      {schedule, "* FOLLOWS ON\r\nAT 0100", "GGGGGGGGGGGG..NN....."},
      {schedule, "AT 1 * ON", "NN...GGGG"},
      // Sample names and composer words only in capitals; paths inside words.
      {install, "SCHEDULE on ON DBQ_EXTRACT dbq_extract", "PPPPPPPP....PP.PPPPPPPPPPP............"},
      {install, "cp x /scheduler/varnolt/scripts/Varnolt_DBXtract.sh;",
       std::string(5, '.') + std::string(46, 'P') + "."},
      {install, "Step #1 - step", "NNNN.NN...NNNN"},
      // A capital A blackens the rest of its line over the purple words, "*" greens it over
      // that, and the document marker is navy over everything.
      {last, "x AT ON\r\nrm * A\r\n< Install.Doc > A", "..KKKKK.....GGG..NNNNNNNNNNNNNNN.K"},
  };
  const std::vector<std::pair<Colour, char>> legend = {
      {kNavy, 'N'}, {kBlue, 'B'}, {kMaroon, 'M'}, {kPurple, 'P'}, {kGreen, 'G'}, {kBlack, 'K'}};
  for (const auto& [rules, text, picture] : cases) {
    EXPECT_EQ(Picture(text, Runs(text, rules), legend), picture) << text;
  }
}

// Names (the first and last of the table too), trimmed, in any case, must be the whole text;
// hexadecimal is read in red-green-blue order; then come texts that are neither.
TEST(ColourFromText, NamesAndHexadecimalValues) {
  std::vector<std::optional<Colour>> colours;
  for (const char* text :
       {"NAVY", "  navy  ", "maroon", "black", "White", "NAVYBLUE", "RED X", "#FF8000", "#FF0000",
        "$0000FF", "00ff00", " #123456 ", "ABC", "", "#", "#GG0000", "#1FF0000FF", "$#FF0000"}) {
    colours.push_back(ColourFromText(text));
  }
  const std::nullopt_t none = std::nullopt;
  EXPECT_EQ(colours, (std::vector<std::optional<Colour>>{
                         kNavy, kNavy, 0x000080u, kBlack, kWhite, none, none, 0x0080FFu, kRed,
                         kBlue, kLime, 0x563412u, 0xBC0A00u, none, none, none, none, none}));
  EXPECT_EQ(SwapRedAndBlue(0x12345678u), 0x12785634u);  // keeps green and the top byte
}

}  // namespace
}  // namespace vdbq
