#include "core/reports/row_styles.h"

#include <gtest/gtest.h>

#include "support/test_helpers.h"

// The colour rules of the result list: the one place they are checked in the core.
namespace vdbq {
namespace {

using testing::ListOf;

constexpr Ground L = Ground::List, P = Ground::Pink, G = Ground::LightGreen,
                 Y = Ground::LightYellow, B = Ground::LightBlue, O = Ground::Orange,
                 C = Ground::CellGrey;

// A plain second row {"X", {"Y", "Z"}} of every report (the first row is a heading in 14 and
// 31): the grounds of columns 1 to 4.
TEST(RowStyles, GroundsOfAPlainRowByReport) {
  struct Case {
    int Number;
    std::array<Ground, 4> Fill;
  };
  const Case cases[] = {
      {0, {L, L, L, L}},  {1, {L, Y, L, L}},  {2, {Y, C, C, C}},  {3, {L, Y, L, L}},
      {5, {G, C, Y, C}},  {6, {L, L, L, L}},  {11, {L, B, L, L}}, {12, {B, C, B, B}},
      {13, {L, B, L, L}}, {14, {L, Y, C, L}}, {15, {L, B, L, L}}, {16, {L, B, P, L}},
      {21, {L, Y, L, L}}, {22, {L, B, L, L}}, {23, {G, C, G, G}}, {31, {L, Y, C, L}},
      {32, {G, C, G, G}}, {33, {G, C, G, G}}, {34, {G, C, G, G}}, {41, {L, Y, L, L}},
      {42, {L, L, L, L}}, {51, {L, B, L, L}}, {52, {L, L, L, L}}, {61, {L, Y, L, L}},
      {62, {L, L, L, L}},
  };
  for (const Case& c : cases) {
    const ResultList list = ListOf(c.Number, {{"X", {"Y", "Z"}}, {"X", {"Y", "Z"}}});
    for (int k = 1; k <= 4; ++k) {
      const CellStyle style = CellStyleAt(list, 1, k);
      EXPECT_EQ(style.Fill, c.Fill[k - 1]) << "report " << c.Number << " column " << k;
      // A cell rule draws normal text on its ground; the row's ground is no cell rule.
      EXPECT_EQ(style.CellRule, k > 1 && style != RowStyle(list, 1)) << c.Number << " " << k;
      if (style.CellRule) {
        EXPECT_EQ(style.Text, TextColour::Normal);
      }
    }
  }
}

struct Probe {
  long long Row;
  int Column;  // 1: the row style
  CellStyle Style;
};

constexpr CellStyle kList{};
constexpr CellStyle kHeading{TextColour::Navy, true, P, false};
constexpr CellStyle kMarked{TextColour::Maroon, false, P, false};
constexpr CellStyle Row(Ground g) { return {TextColour::Normal, false, g, false}; }
constexpr CellStyle Cell(Ground g) { return {TextColour::Normal, false, g, true}; }

void ExpectProbes(const ResultList& list, std::initializer_list<Probe> probes) {
  for (const Probe& p : probes) {
    EXPECT_EQ(CellStyleAt(list, p.Row, p.Column), p.Style)
        << "report " << list.ReportNumber << " row " << p.Row << " column " << p.Column;
  }
}

TEST(RowStyles, RowsOutsideTheListAndColumnsOutsideTheNineTakeNoCellRule) {
  // S#2 greys every column from 2 on, whatever the row.
  const ResultList list = ListOf(2, {{"D", {"", "C"}}});
  ExpectProbes(list, {{0, 0, Row(Y)},
                      {0, 9, Cell(C)},
                      {0, 10, Row(Y)},
                      {-1, 1, kList},
                      {-1, 2, kList},
                      {1, 1, kList},
                      {1, 2, kList}});
}

TEST(RowStyles, DuplicateMarksOverrideTheRowGround) {
  const ResultList s2 = ListOf(2, {{"DAILY", {"", "CPU1"}}, {"DAILY", {"1", "CPU2"}}});
  ExpectProbes(
      s2, {{0, 1, Row(Y)}, {1, 1, kMarked}, {1, 2, Cell(C)}, {1, 3, Cell(C)}, {1, 9, Cell(C)}});
  ExpectProbes(ListOf(12, {{"J", {"", "CPU1"}}, {"J", {"1", "CPU2"}}}),
               {{0, 1, Row(B)}, {1, 1, kMarked}, {1, 2, Cell(C)}, {1, 3, kMarked}});
}

TEST(RowStyles, HeadingRowsOfTheUsageReports) {
  ExpectProbes(ListOf(31, {{"Workstation", {"Schedule", "On", "Except"}}}),
               {{0, 1, kHeading}, {0, 2, kHeading}, {0, 3, kHeading}});
  // J#4: the heading and a row without caption take no cell rule.
  ExpectProbes(
      ListOf(14, {{"Workstation", {"Schedule"}}, {"", {"S", "F"}}}),
      {{0, 1, kHeading}, {0, 2, kHeading}, {0, 3, kHeading}, {1, 2, kList}, {1, 3, kList}});
  // Column 3 of J#4 is grey on any row but the one captioned "Workstation".
  ExpectProbes(ListOf(14, {{"CPU1", {"S"}}, {"Workstation", {"S"}}}),
               {{0, 3, Cell(C)}, {1, 2, Cell(Y)}, {1, 3, kList}});
}

TEST(RowStyles, NotUsedRowsAreMarked) {
  for (int n : {42, 52, 62}) {
    ExpectProbes(ListOf(n, {{"X", {"Not Used."}}, {"Y", {"Used."}}}),
                 {{0, 1, kMarked}, {0, 2, Cell(P)}, {0, 3, kMarked}, {1, 2, kList}});
  }
}

TEST(RowStyles, ScheduleDetailRowsAndCells) {
  // The schedule section up to row 4, the "Seq." heading, a job's two rows and "<END>".
  ResultList list = ListOf(4, {{"", {"At/Until", "Workstation"}},
                               {"", {"0600", "CPU1", "S", "x"}},
                               {"", {"", "", "", ""}},
                               {"", {"", "Priority", "10", "A"}},
                               {"", {"", "", "", ""}},
                               {"Seq.", {"At/Until", "Workstation"}},
                               {"001", {"", "CPU1", "JOB1", "x"}},
                               {"", {"", "", "", "x"}},
                               {"<END>", {"", "", "", ""}},
                               {"002", {"At/Until", "", "", ""}}});
  list.DetailHeaderLastRow = 4;
  list.DetailEndRow = 9;
  // clang-format off
  ExpectProbes(list, {
      {0, 1, kHeading}, {0, 3, kHeading}, {1, 1, kList}, {1, 3, Cell(Y)}, {1, 4, kList},
      {1, 5, Cell(C)}, {2, 3, kList}, {2, 4, kList}, {3, 3, Cell(P)}, {3, 4, Cell(C)},
      {3, 5, kList}, {4, 3, kList}, {4, 4, kList}, {5, 1, kHeading}, {5, 2, kHeading},
      {5, 5, kHeading}, {6, 1, Row(G)}, {6, 2, Cell(C)}, {6, 3, Cell(Y)}, {6, 4, Cell(Y)},
      {6, 5, Cell(C)}, {6, 9, Cell(C)}, {7, 1, kList}, {7, 2, kList}, {7, 5, kList},
      {8, 1, kList}, {8, 3, kList}, {8, 2, Cell(C)}, {8, 5, Cell(C)},
      // From the end row on neither heading nor job ground applies.
      {9, 1, kList}, {9, 3, Cell(Y)}});
  // clang-format on
}

TEST(RowStyles, DependencyPathRowsAndCells) {
  const ResultList list = ListOf(5, {{"Seq.", {"Workstation", "Schedule"}},
                                     {"001>", {"CPU1", "DAILY", "x"}},
                                     {"012", {"CPU1", "B"}},
                                     {"", {"", ""}}});
  // clang-format off
  ExpectProbes(list, {
      {0, 1, kHeading}, {0, 2, kHeading}, {0, 3, kHeading}, {0, 4, kHeading}, {1, 1, Row(G)},
      {1, 2, Cell(C)}, {1, 3, Cell(O)},  // the searched schedule: a four-character caption
      {1, 4, Cell(C)}, {2, 3, Cell(Y)}, {3, 1, kList}, {3, 2, Cell(C)}, {3, 3, kList},
      {3, 4, Cell(C)}});
  // clang-format on
}

}  // namespace
}  // namespace vdbq
