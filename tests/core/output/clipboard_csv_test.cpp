#include "core/output/clipboard_csv.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/output/csv_text.h"

namespace vdbq {
namespace {

// Items with blanks, controls, quotes or commas are quoted, characters above 127 are not; empty
// items are nothing unless alone.
TEST(CsvTexts, CommaTextClipboardAndFileQuoteOnlyWhatNeedsIt) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"CPU1", "DAILY", "x-y_z#1"}, "CPU1,DAILY,x-y_z#1"},
      {{"a b"}, "\"a b\""},
      {{"a\tb"}, "\"a\tb\""},
      {{"a\r\nb"}, "\"a\r\nb\""},
      {{"a,b"}, "\"a,b\""},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{std::string(1, '\x01')}, "\"\x01\""},
      {{"caf\xe9"}, "caf\xe9"},
      {{"", "x", ""}, ",x,"},
      {{"", ""}, ","},
      {{""}, "\"\""},
      {{}, ""},
  };
  for (const auto& [items, text] : cases) EXPECT_EQ(CommaText(items), text) << text;
  // The clipboard writes the caption bare, then a comma and the sub-items as CommaText; the CSV
  // file quotes only fields with a comma, a quote or a line break.
  // The rows, then the clipboard's and the file's text.
  const std::tuple<std::vector<ResultRow>, std::string, std::string> tables[] = {
      {{{"Seq.", {"Workstation", "Schedule"}}, {"001>", {"A", "S1"}}, {"", {"", "", "X.Y"}}},
       "Seq.,Workstation,Schedule\r\n001>,A,S1\r\n,,,X.Y\r\n",
       "Seq.,Workstation,Schedule\r\n001>,A,S1\r\n,,,X.Y\r\n"},
      {{{"a, \"b\"", {"c d"}}}, "a, \"b\",\"c d\"\r\n", "\"a, \"\"b\"\"\",c d\r\n"},
      {{{"ONLY", {}}, {"LONE", {""}}}, "ONLY,\r\nLONE,\"\"\r\n", "ONLY\r\nLONE,\r\n"},
      {{{"HOLIDAYS", {"public holidays", "x"}}, {"A,B", {"say \"hi\"", "cr\rhere", "lf\nhere"}}},
       "HOLIDAYS,\"public holidays\",x\r\nA,B,\"say \"\"hi\"\"\",\"cr\rhere\",\"lf\nhere\"\r\n",
       "HOLIDAYS,public holidays,x\r\n\"A,B\",\"say \"\"hi\"\"\",\"cr\rhere\",\"lf\nhere\"\r\n"},
      {{{"", {"", "", "X.Y", ""}}}, ",,,X.Y,\r\n", ",,,X.Y,\r\n"},
      {{{"CAL1", {"two words", "TAB\there"}}},
       "CAL1,\"two words\",\"TAB\there\"\r\n",
       "CAL1,two words,TAB\there\r\n"},
      {{}, "", ""},
  };
  for (const auto& [rows, clipboard, file] : tables) {
    ResultList results;
    results.Rows = rows;
    EXPECT_EQ(ClipboardCsvText(results), clipboard) << file;
    EXPECT_EQ(CsvFileText(results), file) << file;
  }
}

}  // namespace
}  // namespace vdbq
