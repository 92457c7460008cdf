#include "core/views/list_pages.h"

#include "page_fixture.h"

namespace vdbq {
namespace {

class ListPagesTest : public PageTest {
 protected:
  void SetUp() override {
    Load({{"Parms.Xtract", "$PARM\nBINDIR \"/opt/bin\"\nTMP \"/tmp\"\nBINDIR \"/second\"\n"},
          {"Prompts.Xtract", "$PROMPT\nGO \"Start now? (Y/N)\"\n"}});
  }
};

TEST_F(ListPagesTest, ParameterSelectsTheFirstRowOfItsName) {
  ParameterPage page;
  ShowParameter(store, catalogue, "BINDIR", page);
  EXPECT_EQ(page.LabPar, "BINDIR");
  EXPECT_EQ(page.Selected, 0);
  EXPECT_EQ(page.Description, "/opt/bin");
  ShowParameter(store, catalogue, "TMP", page);
  EXPECT_EQ(page.Selected, 1);
  EXPECT_EQ(page.Description, "/tmp");
}

TEST_F(ListPagesTest, UnknownNameChangesOnlyTheTitle) {
  ParameterPage page;
  ShowParameter(store, catalogue, "TMP", page);
  ShowParameter(store, catalogue, "tmp", page);
  EXPECT_EQ(page.LabPar, "tmp");
  EXPECT_EQ(page.Selected, 1);
  EXPECT_EQ(page.Description, "/tmp");
  PromptPage fresh;
  ShowPrompt(store, catalogue, "NONE", fresh);
  EXPECT_EQ(fresh.Selected, -1);
  EXPECT_EQ(fresh.Description, "");
}

TEST_F(ListPagesTest, PromptWorksOnThePromptList) {
  PromptPage page;
  ShowPrompt(store, catalogue, "GO", page);
  EXPECT_EQ(page.LabPro, "GO");
  EXPECT_EQ(page.Selected, 0);
  EXPECT_EQ(page.Description, "Start now? (Y/N)");
}

TEST_F(ListPagesTest, ClickOnARowTitlesThePageAndGivesTheName) {
  ParameterPage page;
  EXPECT_EQ(ClickParameterRow(store, 1, page), std::optional<std::string>("TMP"));
  EXPECT_EQ(page.LabPar, "TMP");
  EXPECT_EQ(ClickParameterRow(store, 3, page), std::nullopt);
  EXPECT_EQ(ClickParameterRow(store, -1, page), std::nullopt);
  EXPECT_EQ(page.LabPar, "TMP");
  PromptPage prompts;
  EXPECT_EQ(ClickPromptRow(store, 0, prompts), std::optional<std::string>("GO"));
  EXPECT_EQ(ClickPromptRow(store, 1, prompts), std::nullopt);
}

}  // namespace
}  // namespace vdbq
