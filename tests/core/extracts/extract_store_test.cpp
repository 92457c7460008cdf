#include "core/extracts/extract_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <tuple>

#include "support/temp_dir.h"

namespace vdbq {
namespace {

using testing::TempDir;
using testing::WriteExtractSet;
using Lines = std::vector<std::string>;

TEST(LineList, ReadingOutsideGivesAnEmptyLine) {
  LineList lines(Lines{"x"});
  EXPECT_EQ(lines.At(0), "x");
  EXPECT_EQ(lines.At(1), "");
  EXPECT_EQ(lines.At(-1), "");
}

TEST(NameValueRule, SplitsAtTheFirstQuote) {
  LineList lines(
      Lines{"$PARM", "ABC \"x y\"", "no quote here", "\"", "X \"", "", "P\t\"v\"q", "Q \"\""});
  std::vector<std::pair<std::string, std::string>> rows;
  for (const auto& row : ReadNameValueRows(lines, lines.Count() - 1, "$PARM")) {
    rows.emplace_back(row.Name, row.Value);
  }
  EXPECT_EQ(
      rows,
      (std::vector<std::pair<std::string, std::string>>{
          {"ABC", "x y"}, {"", "no quote here"}, {"", ""}, {"X", ""}, {"P", "\"v\"q"}, {"Q", ""}}));
}

class LoadExtractsTest : public ::testing::Test {
 protected:
  TempDir dir;
  ExtractStore store;
};

TEST_F(LoadExtractsTest, StopsAtTheFirstMissingFileKeepingLaterLists) {
  WriteExtractSet(
      dir, {{"Schedules.Xtract", "SCHEDULE CPU1#OLD\nEND\n"}, {"Cpus.Xtract", "CPUNAME OLDCPU\n"}});
  LoadExtracts(dir.DirText(), store);
  const std::string oldStamp = store.LastUpdate;
  ASSERT_FALSE(store.ExtractsMissing);

  dir.Write("Schedules.Xtract", "SCHEDULE CPU1#NEW\nEND\nSCHEDULE CPU1#X\nEND\n");
  std::filesystem::remove(dir.Path() / "Jobs.Xtract");
  LoadExtracts(dir.DirText(), store);
  // The counts and the stamp belong to the last complete load.
  EXPECT_EQ(std::tuple(store.ExtractsMissing, store.MissingFile, store.ScheduleLines.At(0),
                       store.ScheduleLineCount, store.CpuLines.At(0), store.LastUpdate),
            std::tuple(true, "Jobs.Xtract", "SCHEDULE CPU1#NEW", 2, "CPUNAME OLDCPU", oldStamp));
  dir.Write("Jobs.Xtract", "");
  LoadExtracts(dir.DirText(), store);
  EXPECT_EQ(std::tuple(store.ExtractsMissing, store.MissingFile), std::tuple(false, ""));
}

TEST_F(LoadExtractsTest, ParameterFileWithOnlyItsHeaderOrNoLines) {
  WriteExtractSet(dir, {{"Parms.Xtract", "$PARM\nFIRST \"1\"\n"}});
  LoadExtracts(dir.DirText(), store);
  EXPECT_EQ(store.ParameterPageTitle, "FIRST");

  dir.Write("Parms.Xtract", "$PARM\n");
  LoadExtracts(dir.DirText(), store);
  EXPECT_EQ(
      std::tuple(store.ParameterLastLine, store.ParameterList.size(), store.ParameterPageTitle),
      std::tuple(0, 0u, "FIRST"));

  dir.Write("Parms.Xtract", "");
  LoadExtracts(dir.DirText(), store);
  EXPECT_EQ(std::tuple(store.ParameterLastLine, store.ParameterTotal), std::tuple(-1, -1));

  // A file of one line counts as its header alone, whatever it holds: it gives no title.
  dir.Write("Parms.Xtract", "ONLY \"1\"\n");
  ExtractStore fresh;
  LoadExtracts(dir.DirText(), fresh);
  EXPECT_EQ(fresh.ParameterPageTitle, "");
}

TEST_F(LoadExtractsTest, UnreadableFileIsAnError) {
  WriteExtractSet(dir, {});
  std::filesystem::remove(dir.Path() / "Calendars.Xtract");
  std::filesystem::create_directory(dir.Path() / "Calendars.Xtract");
  try {
    LoadExtracts(dir.DirText(), store);
    ADD_FAILURE() << "no error";
  } catch (const ExtractFileError& error) {
    EXPECT_EQ(error.what(),
              "Cannot open file \"" + dir.DirText() + "Calendars.Xtract\". It is a directory.");
  }
}

TEST_F(LoadExtractsTest, StampIsTheOldestModificationTimeWithoutSeconds) {
  WriteExtractSet(dir, {});
  using namespace std::chrono;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const char* name : testing::kExtractFileNames) {
    std::filesystem::last_write_time(dir.Path() / name, now);
  }
  LoadExtracts(dir.DirText(), store);
  const std::string allNew = store.LastUpdate;
  std::filesystem::last_write_time(dir.Path() / "Prompts.Xtract", now - hours(24 * 400));
  LoadExtracts(dir.DirText(), store);
  EXPECT_NE(store.LastUpdate, allNew);
  // The seconds and their separator are gone: the text ends in the minutes.
  ASSERT_GE(store.LastUpdate.size(), 2u);
  EXPECT_TRUE(isdigit(static_cast<unsigned char>(store.LastUpdate.back())));
}

// Every file with its counts, from files and from texts alike.
TEST(LoadExtractTexts, GivesWhatLoadingTheSameFilesGives) {
  const ExtractTexts texts{"SCHEDULE CPU1#A\r\n:\r\nCPU1#J1\r\nEND",
                           "CPU1#J1 DOCOMMAND \"ls\"\n     STREAMLOGON root\n",
                           "$PARM\nP1 \"one\"\nP2 \"two\"\n",
                           "$RESOURCE\nCPU1#TAPE\t  2\t\"Tapes\"\n",
                           "$CALENDAR\nHOL\t\"Holidays\"\n  01/01/2027\n",
                           "$PROMPT\nQ1 \"ok?\"\n",
                           "CPUNAME CPU1\r  OS UNIX\rEND\r"};
  TempDir dir;
  std::map<std::string, std::string> files;
  for (size_t k = 0; k < texts.size(); ++k) files[kExtractLoadOrder[k]] = texts[k];
  WriteExtractSet(dir, files);
  ExtractStore fromFiles;
  LoadExtracts(dir.DirText(), fromFiles);
  EXPECT_FALSE(fromFiles.ExtractsMissing);
  EXPECT_FALSE(fromFiles.LastUpdate.empty());

  ExtractStore fromTexts;
  fromTexts.ExtractsMissing = true;
  fromTexts.MissingFile = kJobsFile;
  fromTexts.LastUpdate = "stale";
  LoadExtractTexts(texts, fromTexts);
  EXPECT_FALSE(fromTexts.ExtractsMissing);
  EXPECT_EQ(fromTexts.MissingFile, "");
  EXPECT_EQ(fromTexts.LastUpdate, "");
  for (auto list : {&ExtractStore::ScheduleLines, &ExtractStore::JobLines, &ExtractStore::CpuLines,
                    &ExtractStore::CalendarLines, &ExtractStore::ResourceLines}) {
    EXPECT_EQ(Lines((fromTexts.*list).begin(), (fromTexts.*list).end()),
              Lines((fromFiles.*list).begin(), (fromFiles.*list).end()));
  }
  auto counts = [](const ExtractStore& store) {
    std::vector<long long> all;
    for (auto count : {&ExtractStore::ScheduleLineCount, &ExtractStore::JobLineCount,
                       &ExtractStore::CpuLineCount, &ExtractStore::CalendarLineCount,
                       &ExtractStore::ResourceLastLine, &ExtractStore::ParameterLastLine,
                       &ExtractStore::PromptLastLine, &ExtractStore::ParameterTotal,
                       &ExtractStore::PromptTotal, &ExtractStore::ResourceTotal}) {
      all.push_back(store.*count);
    }
    return all;
  };
  EXPECT_EQ(counts(fromFiles), (std::vector<long long>{4, 2, 3, 3, 1, 2, 1, 2, 1, 1}));
  EXPECT_EQ(counts(fromTexts), counts(fromFiles));
  for (const ExtractStore* store : {&fromFiles, &fromTexts}) {
    ASSERT_EQ(store->ParameterList.size(), 2u);
    EXPECT_EQ(store->ParameterList[1].Value, "two");
    EXPECT_EQ(store->ParameterPageTitle, "P1");
    EXPECT_EQ(store->PromptPageTitle, "Q1");
  }
}

TEST(IndexSchedules, RecordsBlockStartsAndSortsKeys) {
  ExtractStore store;
  store.ScheduleLines = LineList(Lines{"* comment", "SCHEDULE CPU1#C", "END", "SCHEDULE cpu1#b",
                                       "END", "", "SCHEDULE CPU1#A", "SCHEDULE NOHASH", "END"});
  const auto keys = IndexSchedules(store);
  EXPECT_EQ(store.ScheduleBlockCount, 3);
  EXPECT_EQ(store.ScheduleBlockStart, (std::vector<long long>{0, 3, 5, 9, kBlockEndMark}));
  EXPECT_EQ(Lines(keys.begin(), keys.end()), (Lines{"CPU1#A", "cpu1#b", "CPU1#C"}));
}

TEST(IndexSchedules, ExaminesTheVeryFirstLine) {
  ExtractStore store;
  store.ScheduleLines = LineList(Lines{"SCHEDULE CPU1#FIRST", "END"});
  EXPECT_EQ(IndexSchedules(store), (std::vector<std::string_view>{"CPU1#FIRST"}));
  store.ScheduleLines = LineList(Lines{"END", "SCHEDULE CPU1#X", "END"});
  IndexSchedules(store);
  EXPECT_EQ(store.ScheduleBlockStart, (std::vector<long long>{0, 1, 3, kBlockEndMark}));
}

TEST(IndexSchedules, EndMarkNeverBelowTheLineCount) {
  ExtractStore store;
  Lines lines(120000, "  CPU1#JOB");
  lines[0] = "SCHEDULE CPU1#BIG";
  lines[1] = "END";
  store.ScheduleLines = LineList(lines);
  IndexSchedules(store);
  EXPECT_EQ(store.ScheduleBlockStart.back(), 120000);
  EXPECT_EQ(store.NextBlockStart(5000), 120000);
}

TEST(BlockIndex, FindsTheBlockHoldingALineAndTheNextStart) {
  ExtractStore store;
  store.ScheduleLines = LineList(Lines{"SCHEDULE A#1", "END", "END", "SCHEDULE A#2", "x", "END"});
  IndexSchedules(store);
  for (const auto& [line, block] : {std::pair{0, 0}, {1, 0}, {2, 1}, {3, 2}}) {
    EXPECT_EQ(store.BlockOfLine(line), block) << line;
  }
  EXPECT_EQ(store.NextBlockStart(0), 2);
  EXPECT_EQ(store.NextBlockStart(3), 6);
  EXPECT_EQ(store.NextBlockStart(6), kBlockEndMark);
}

}  // namespace
}  // namespace vdbq
