#include "core/views/resource_page.h"

#include "page_fixture.h"

namespace vdbq {
namespace {

const char* const kResources =
    "$RESOURCE\n"
    "CPU1#TAPES\t   2\t\"Tape drives\"\n"
    "CPU1#LOCK\t   1\t\"\"\n"
    "CPU2#SLOTS\t  10\tplain words\n";

class ResourcePageTest : public PageTest {
 protected:
  void SetUp() override { Load({{"Resources.Xtract", kResources}}); }
  void Show(const std::string& key) { ShowResource(store, catalogue, key, page); }
  static std::vector<std::string> Cells(const ResourceRow& row) {
    return {row.Resource, row.Workstation, row.Amount, row.Description};
  }
  ResourcePage page;
};

TEST_F(ResourcePageTest, RowCarriesNameWorkstationAmountAndDescription) {
  Show("CPU1#TAPES");
  EXPECT_EQ(page.LabResName, "TAPES");
  EXPECT_EQ(page.LabResCpu, "CPU1");
  ASSERT_EQ(page.ListView1.size(), 1u);
  EXPECT_EQ(Cells(page.ListView1[0]),
            (std::vector<std::string>{"TAPES", "CPU1", "x2", "Tape drives"}));
}

TEST_F(ResourcePageTest, TwoQuotesDescribeNone) {
  Show("CPU1#LOCK");
  EXPECT_EQ(page.ListView1[0].Description, "None");
  EXPECT_EQ(page.ListView1[0].Amount, "x1");
}

TEST_F(ResourcePageTest, HistoryKeepsEveryRowNewestFirst) {
  Show("CPU1#TAPES");
  Show("CPU2#SLOTS");
  Show("CPU2#SLOTS");
  ASSERT_EQ(page.ListView1.size(), 3u);
  EXPECT_EQ(Cells(page.ListView1[0]), Cells(page.ListView1[1]));
  EXPECT_EQ(page.ListView1[0].Amount, "x10");
  EXPECT_EQ(page.ListView1[2].Resource, "TAPES");
}

TEST_F(ResourcePageTest, UnknownResourceCarriesThePreviousAmountAndDescription) {
  Show("CPU1#TAPES");
  Show("CPU9#GONE");
  EXPECT_EQ(Cells(page.ListView1[0]),
            (std::vector<std::string>{"GONE", "CPU9", "x2", "Tape drives"}));
  ResourcePage fresh;
  ShowResource(store, catalogue, "NOHASH", fresh);
  EXPECT_EQ(Cells(fresh.ListView1[0]), (std::vector<std::string>{"NOHASH", "", "", ""}));
}

TEST_F(ResourcePageTest, KeyIsTheWholeTextBeforeTheTab) {
  Show("CPU1#TAPE");
  EXPECT_EQ(page.ListView1[0].Amount, "");
}

TEST_F(ResourcePageTest, HistoryIsCappedDroppingTheOldestRows) {
  Show("CPU1#TAPES");
  for (size_t i = 0; i < kResourceHistoryLimit; ++i) Show("CPU1#LOCK");
  EXPECT_EQ(page.ListView1.size(), kResourceHistoryLimit);
  EXPECT_EQ(page.ListView1.back().Resource, "LOCK");
}

}  // namespace
}  // namespace vdbq
