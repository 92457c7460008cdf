#include "core/colouring/rule_sets.h"

#include <gtest/gtest.h>

#include "colouring_fixture.h"

namespace vdbq {
namespace {

const std::vector<std::pair<Colour, char>> kLegend = {{kNavy, 'N'},   {kBlue, 'B'},  {kMaroon, 'M'},
                                                      {kPurple, 'P'}, {kGreen, 'G'}, {kBlack, 'K'}};

std::string SchedulePicture(std::string_view text) {
  return Picture(text, Runs(text, SchedulePageRules()), kLegend);
}

TEST(SchedulePageRules, KeywordsTakeTheirColours) {
  EXPECT_EQ(SchedulePicture("SCHEDULE CPU1#DAILY"), "MMMMMMMM...........");
  EXPECT_EQ(SchedulePicture("ON REQUEST"), "NN........");
  EXPECT_EQ(SchedulePicture("FOLLOWS CPU1#A.@"), "BBBBBBB.........");
  EXPECT_EQ(SchedulePicture("OPENS \"/f\""), "PPPPP.....");
  EXPECT_EQ(SchedulePicture("EXCEPT MONTHEND"), "NNNNNN.........");
  EXPECT_EQ(SchedulePicture("UNTIL 2300 TIMEZONE X"), "NNNNN......NNNNNNNN..");
  EXPECT_EQ(SchedulePicture(" CPU1#J CONFIRMED PRIORITY 20"), "........NNNNNNNNN.NNNNNNNN...");
  EXPECT_EQ(SchedulePicture("END"), "NNN");
}

TEST(SchedulePageRules, WordsInsideNamesStayPlain) {
  EXPECT_EQ(SchedulePicture("ON MONDAY"), "NN.......");
  EXPECT_EQ(SchedulePicture("ON1"), "NN.");
  EXPECT_EQ(SchedulePicture("ONUNTIL"), "NNNNNNN");
  EXPECT_EQ(SchedulePicture(" CPU1#ATEND_JOB"), "...............");
  EXPECT_EQ(SchedulePicture("follows a"), "BBBBBBB..");
}

TEST(SchedulePageRules, CommentIsGreenToTheLineEndOverKeywords) {
  EXPECT_EQ(SchedulePicture("* FOLLOWS ON\r\nAT 0100"), "GGGGGGGGGGGG..NN.....");
  EXPECT_EQ(SchedulePicture("AT 1 * ON"), "NN...GGGG");
}

TEST(InstallationRules, SampleNamesAndComposerWordsOnlyInCapitals) {
  const std::string text = "SCHEDULE on ON DBQ_EXTRACT dbq_extract";
  EXPECT_EQ(Picture(text, Runs(text, InstallationPageRules()), kLegend),
            "PPPPPPPP....PP.PPPPPPPPPPP............");
}

TEST(InstallationRules, PathsAndNamesAreColouredInsideWords) {
  const std::string text = "cp x /scheduler/varnolt/scripts/Varnolt_DBXtract.sh;";
  EXPECT_EQ(Picture(text, Runs(text, InstallationPageRules()), kLegend),
            std::string(5, '.') + std::string(46, 'P') + ".");
}

TEST(InstallationRules, StepHeadingsNavy) {
  const std::string text = "Step #1 - step";
  EXPECT_EQ(Picture(text, Runs(text, InstallationPageRules()), kLegend), "NNNN.NN...NNNN");
}

TEST(InstallationRules, LastMemoLayersLinesAndTheDocumentMarker) {
  // A capital A blackens the rest of its line over the purple words, "*" greens it over that,
  // and the document marker is navy over everything.
  const std::string text = "x AT ON\r\nrm * A\r\n< Install.Doc > A";
  EXPECT_EQ(Picture(text, Runs(text, InstallationLastMemoRules()), kLegend),
            "..KKKKK.."
            "...GGG.."
            "NNNNNNNNNNNNNNN.K");
}

}  // namespace
}  // namespace vdbq
