#include "core/transfer/extract_file_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_dir.h"

namespace vdbq {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

TEST(FilesNotRefreshed, UntouchedAndMissingFilesInFetchOrder) {
  TempDir dir;
  dir.Write("Prompts.Xtract", "$PROMPT\n");
  dir.Write("Jobs.Xtract", "old");
  const auto before = ReadFetchedFileStates(dir.DirText());
  for (const char* file : {"Schedules.Xtract", "Calendars.Xtract", "Cpus.Xtract",
                           "Resources.Xtract", "Parms.Xtract"}) {
    dir.Write(file, "new");
  }
  dir.Write("Jobs.Xtract", "newer");
  EXPECT_EQ(FilesNotRefreshed(before, ReadFetchedFileStates(dir.DirText())),
            std::vector<std::string>{"Prompts.Xtract"});
}

TEST(FilesNotRefreshed, FileRemovedDuringTheTransferDidNotArrive) {
  TempDir dir;
  WriteExtractSet(dir, {});
  const auto before = ReadFetchedFileStates(dir.DirText());
  for (const char* file : testing::kExtractFileNames) dir.Write(file, "fetched anew");
  fs::remove(dir.Path() / "Cpus.Xtract");
  EXPECT_EQ(FilesNotRefreshed(before, ReadFetchedFileStates(dir.DirText())),
            std::vector<std::string>{"Cpus.Xtract"});
}

// File times advance in ticks of the file system's clock; waits (briefly) for the next one so
// that a rewrite is told apart from the first write.
void WaitForNextFileTimeTick(const TempDir& dir, std::int64_t after) {
  for (int attempt = 0; attempt < 2000; ++attempt) {
    if (ReadExtractFileState(dir.Write("tick", "").string()).ChangedNs > after) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

TEST(FilesNotRefreshed, ModificationTimeSetBackStillCountsAsWritten) {
  TempDir dir;
  const fs::path file = dir.Write("Cpus.Xtract", "CPUNAME CPU1\n");
  const auto old = fs::last_write_time(file);
  const auto before = ReadFetchedFileStates(dir.DirText());
  WaitForNextFileTimeTick(dir, before[4].ChangedNs);
  // The client keeps the remote modification time, and the remote file kept its size.
  dir.Write("Cpus.Xtract", "CPUNAME CPU2\n");
  fs::last_write_time(file, old);
  const auto after = ReadFetchedFileStates(dir.DirText());
  ASSERT_EQ(after[4].ModifiedNs, before[4].ModifiedNs);
  ASSERT_EQ(after[4].Size, before[4].Size);
  const auto missing = FilesNotRefreshed(before, after);
  EXPECT_EQ(std::count(missing.begin(), missing.end(), "Cpus.Xtract"), 0);
}

TEST(FilesNotRefreshed, ShortStateListsCountAsNotRefreshed) {
  EXPECT_EQ(FilesNotRefreshed({}, {}).size(), 7u);
}

}  // namespace
}  // namespace vdbq
