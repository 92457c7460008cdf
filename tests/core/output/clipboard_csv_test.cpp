#include "core/output/clipboard_csv.h"

#include <gtest/gtest.h>

#include "core/output/csv_text.h"

namespace vdbq {
namespace {

ResultList ListOf(std::vector<ResultRow> rows) {
  ResultList results;
  results.Rows = std::move(rows);
  return results;
}

TEST(CommaText, LeavesPlainItemsBare) {
  EXPECT_EQ(CommaText({"CPU1", "DAILY", "x-y_z#1"}), "CPU1,DAILY,x-y_z#1");
}

TEST(CommaText, QuotesItemsWithBlanksControlsQuotesOrCommas) {
  EXPECT_EQ(CommaText({"a b"}), "\"a b\"");
  EXPECT_EQ(CommaText({"a\tb"}), "\"a\tb\"");
  EXPECT_EQ(CommaText({"a\r\nb"}), "\"a\r\nb\"");
  EXPECT_EQ(CommaText({"a,b"}), "\"a,b\"");
  EXPECT_EQ(CommaText({"say \"hi\""}), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CommaText({std::string(1, '\x01')}), "\"\x01\"");
}

TEST(CommaText, LeavesCharactersAbove127Bare) { EXPECT_EQ(CommaText({"caf\xe9"}), "caf\xe9"); }

TEST(CommaText, WritesEmptyItemsAsNothingUnlessAlone) {
  EXPECT_EQ(CommaText({"", "x", ""}), ",x,");
  EXPECT_EQ(CommaText({"", ""}), ",");
  EXPECT_EQ(CommaText({""}), "\"\"");
  EXPECT_EQ(CommaText({}), "");
}

TEST(ClipboardCsvText, WritesCaptionCommaSubItemsAndALineBreakPerRow) {
  const ResultList results =
      ListOf({{"Seq.", {"Workstation", "Schedule"}}, {"001>", {"A", "S1"}}, {"", {"", "", "X.Y"}}});
  EXPECT_EQ(ClipboardCsvText(results), "Seq.,Workstation,Schedule\r\n001>,A,S1\r\n,,,X.Y\r\n");
}

TEST(ClipboardCsvText, NeverQuotesTheCaption) {
  const ResultList results = ListOf({{"a, \"b\"", {"c d"}}});
  EXPECT_EQ(ClipboardCsvText(results), "a, \"b\",\"c d\"\r\n");
}

TEST(ClipboardCsvText, RowWithoutSubItemsEndsAtTheComma) {
  const ResultList results = ListOf({{"ONLY", {}}, {"LONE", {""}}});
  EXPECT_EQ(ClipboardCsvText(results), "ONLY,\r\nLONE,\"\"\r\n");
}

TEST(ClipboardCsvText, EmptyListGivesEmptyText) { EXPECT_EQ(ClipboardCsvText(ListOf({})), ""); }

TEST(CsvFileText, WritesFieldsBareUnlessTheyHoldCommaQuoteOrLineBreak) {
  const ResultList results = ListOf(
      {{"HOLIDAYS", {"public holidays", "x"}}, {"A,B", {"say \"hi\"", "cr\rhere", "lf\nhere"}}});
  EXPECT_EQ(CsvFileText(results),
            "HOLIDAYS,public holidays,x\r\n"
            "\"A,B\",\"say \"\"hi\"\"\",\"cr\rhere\",\"lf\nhere\"\r\n");
}

TEST(CsvFileText, KeepsEmptyFieldsAndRowsWithoutSubItems) {
  const ResultList results = ListOf({{"", {"", "", "X.Y", ""}}, {"ONLY", {}}});
  EXPECT_EQ(CsvFileText(results), ",,,X.Y,\r\nONLY\r\n");
}

TEST(CsvFileText, DiffersFromTheClipboardOnlyWhereTheClipboardQuotes) {
  const ResultList results = ListOf({{"CAL1", {"two words", "TAB\there"}}});
  EXPECT_EQ(CsvFileText(results), "CAL1,two words,TAB\there\r\n");
  EXPECT_EQ(ClipboardCsvText(results), "CAL1,\"two words\",\"TAB\there\"\r\n");
}

TEST(CsvFileText, EmptyListGivesEmptyText) { EXPECT_EQ(CsvFileText(ListOf({})), ""); }

}  // namespace
}  // namespace vdbq
