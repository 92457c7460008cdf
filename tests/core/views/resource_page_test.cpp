#include "core/views/resource_page.h"

#include "page_fixture.h"

namespace vdbq {
namespace {

const char* const kResources =
    "$RESOURCE\n"
    "CPU1#TAPES\t   2\t\"Tape drives\"\n"
    "CPU1#LOCK\t   1\t\"\"\n"
    "CPU2#SLOTS\t  10\t\"Slots\"\n";

class ResourcePageTest : public PageTest {
 protected:
  void SetUp() override { Load({{"Resources.Xtract", kResources}}); }
  void Show(const std::string& key) { ShowResource(store, catalogue, key, page); }
  static std::vector<std::string> Cells(const ResourceRow& row) {
    return {row.Resource, row.Workstation, row.Amount, row.Description};
  }
  ResourcePage page;
};

// Every row is kept, newest first. The key is the whole text before the tab; two quotes describe
// none; an unknown resource carries the previous amount and description.
TEST_F(ResourcePageTest, HistoryKeepsEveryRowNewestFirstUpToItsCap) {
  for (const char* key :
       {"CPU1#TAPE", "CPU1#TAPES", "CPU1#LOCK", "CPU2#SLOTS", "CPU2#SLOTS", "CPU9#GONE"}) {
    Show(key);
  }
  EXPECT_EQ((std::vector<std::string>{page.Name, page.Workstation}),
            (std::vector<std::string>{"GONE", "CPU9"}));
  std::vector<std::vector<std::string>> rows;
  for (const ResourceRow& row : page.History) rows.push_back(Cells(row));
  EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"GONE", "CPU9", "x10", "Slots"},
                                                         {"SLOTS", "CPU2", "x10", "Slots"},
                                                         {"SLOTS", "CPU2", "x10", "Slots"},
                                                         {"LOCK", "CPU1", "x1", "None"},
                                                         {"TAPES", "CPU1", "x2", "Tape drives"},
                                                         {"TAPE", "CPU1", "", ""}}));
  ResourcePage fresh;
  ShowResource(store, catalogue, "NOHASH", fresh);
  EXPECT_EQ(Cells(fresh.History[0]), (std::vector<std::string>{"NOHASH", "", "", ""}));
  // The history is capped, dropping the oldest rows.
  Show("CPU1#TAPES");
  for (size_t i = 0; i < kResourceHistoryLimit; ++i) Show("CPU1#LOCK");
  EXPECT_EQ(page.History.size(), kResourceHistoryLimit);
  EXPECT_EQ(page.History.back().Resource, "LOCK");
}

}  // namespace
}  // namespace vdbq
