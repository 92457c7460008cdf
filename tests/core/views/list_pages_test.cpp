#include "core/views/list_pages.h"

#include <string>
#include <vector>

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

std::string State(const NameListPage& page) {
  return page.Name + "|" + std::to_string(page.Selected) + "|" + page.Description;
}

// A name selects the first row of its name; an unknown name changes only the title.
TEST_F(ListPagesTest, ShowOrClickSelectsTheFirstRowOfTheName) {
  NameListPage page;
  std::vector<std::string> states;
  for (const char* name : {"BINDIR", "TMP", "tmp"}) {
    ShowParameter(store, catalogue, name, page);
    states.push_back(State(page));
  }
  EXPECT_EQ(states, (std::vector<std::string>{"BINDIR|0|/opt/bin", "TMP|1|/tmp", "tmp|1|/tmp"}));
  NameListPage prompt;
  ShowPrompt(store, catalogue, "GO", prompt);
  EXPECT_EQ(State(prompt), "GO|0|Start now? (Y/N)");
  NameListPage fresh;
  ShowPrompt(store, catalogue, "NONE", fresh);
  EXPECT_EQ(State(fresh), "NONE|-1|");
  // A click on a row titles the page and gives the name.
  NameListPage clicked;
  EXPECT_EQ(ClickParameterRow(store, 1, clicked), std::optional<std::string>("TMP"));
  EXPECT_EQ(clicked.Name, "TMP");
  EXPECT_EQ(ClickParameterRow(store, 3, clicked), std::nullopt);
  EXPECT_EQ(ClickParameterRow(store, -1, clicked), std::nullopt);
  EXPECT_EQ(clicked.Name, "TMP");
  NameListPage prompts;
  EXPECT_EQ(ClickPromptRow(store, 0, prompts), std::optional<std::string>("GO"));
  EXPECT_EQ(ClickPromptRow(store, 1, prompts), std::nullopt);
}

}  // namespace
}  // namespace vdbq
