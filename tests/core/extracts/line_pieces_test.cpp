#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/extracts/extract_store.h"
#include "core/extracts/line_list.h"
#include "core/extracts/line_starts.h"
#include "support/temp_dir.h"

namespace vdbq {
namespace {

std::vector<std::string> Lines(const LineList& list) {
  return std::vector<std::string>(list.begin(), list.end());
}

// Pieces split anywhere, a CR LF pair included, find the line starts of the whole text: after
// every LF, and after every CR that no LF follows, but not at the very end. Texts of several
// 64-byte blocks, some with no CR at all, some with a CR only late.
TEST(LineStarts, PiecesSplitAnywhereJoinToTheStartsOfTheWholeText) {
  std::mt19937 random(7);
  for (int round = 0; round < 600; ++round) {
    std::string text;
    const size_t length = random() % 300;
    const size_t crFrom = round % 3 == 0 ? length : random() % (length + 1);
    for (size_t k = 0; k < length; ++k) {
      text += k < crFrom ? "ab\n"[random() % 3] : "ab\r\n"[random() % 4];
    }
    std::vector<size_t> whole = text.empty() ? std::vector<size_t>{} : std::vector<size_t>{0};
    for (size_t k = 0; k + 1 < text.size(); ++k) {
      if (text[k] == '\n' || (text[k] == '\r' && text[k + 1] != '\n')) whole.push_back(k + 1);
    }
    const size_t cut = text.empty() ? 0 : random() % (text.size() + 1);
    std::vector<size_t> joined(CountLineStarts(text.data(), text.size(), 0, cut) +
                               CountLineStarts(text.data(), text.size(), cut, text.size()));
    size_t* end = WriteLineStarts(text.data(), text.size(), 0, cut, joined.data());
    end = WriteLineStarts(text.data(), text.size(), cut, text.size(), end);
    EXPECT_EQ(end, joined.data() + joined.size());
    EXPECT_EQ(joined, whole) << text;
    std::vector<size_t> found;
    FindLineStarts(text.data(), text.size(), 0, text.size(), found);
    EXPECT_EQ(found, whole) << text;
  }
}

TEST(LineList, LinesEndAtEveryKindOfBreakAndKeepNone) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("\r\r\n\n"), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(SplitLines("x\r"), (std::vector<std::string>{"x"}));
  EXPECT_EQ(SplitLines("a\n\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines("\n\r"), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
  EXPECT_EQ(Lines(LineList({"a\r", "\n", ""})), (std::vector<std::string>{"a\r", "\n", ""}));
}

// A file larger than the loader's pieces, with a CR LF pair across a piece boundary, loads
// as the same lines as its text loaded from memory.
TEST(LoadExtracts, LargeFilesReadInPiecesGiveTheSameLines) {
  std::string jobs;
  for (int k = 0; jobs.size() < (size_t{9} << 20); ++k) {
    jobs += "CPU1#JOB" + std::to_string(k) + " DOCOMMAND \"x\"" + (k % 3 ? "\n" : "\r\n");
  }
  const size_t boundary = size_t{8} << 20;
  jobs.replace(boundary - 1, 2, "\r\n");
  testing::TempDir dir;
  testing::WriteExtractSet(dir, {{kJobsFile, jobs}});
  ExtractStore fromFiles;
  LoadExtracts(dir.DirText(), fromFiles);
  ASSERT_FALSE(fromFiles.ExtractsMissing);
  ExtractTexts texts;
  for (size_t k = 0; k < texts.size(); ++k) {
    texts[k] = k == 1 ? jobs : "";
  }
  ExtractStore fromTexts;
  LoadExtractTexts(texts, fromTexts);
  EXPECT_EQ(Lines(fromFiles.JobLines), Lines(fromTexts.JobLines));
}

}  // namespace
}  // namespace vdbq
