#include "platform/data_directory.h"

#include <gtest/gtest.h>

#include <QStandardPaths>

#include "support/temp_dir.h"
#include "support/test_helpers.h"

namespace vdbq {
namespace {

using testing::kExtractFileNames;
using testing::ReadFile;
using testing::TempDir;

#ifndef _WIN32

std::string UserDataDir() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/";
}

// A build tree keeps its files beside the program; an installed one uses the user's directory.
TEST(DataDirectory, BesideTheProgramUnlessASampleIsInstalled) {
  TempDir root;
  const std::string bin = root.DirText() + "bin/";
  std::filesystem::create_directory(bin);
  EXPECT_EQ(DataDirectory(bin), bin);
  EXPECT_EQ(BundledSampleDirectory(bin), "");
  root.Write("share/varnoltdbq/sample-db/Schedules.Xtract", "SCHEDULE X\n");
  EXPECT_EQ(DataDirectory(bin), UserDataDir());
  EXPECT_EQ(BundledSampleDirectory(bin), root.DirText() + "share/varnoltdbq/sample-db/");
}

TEST(SeedSampleDatabase, CopiesTheSampleOnlyIntoADirectoryWithoutExtracts) {
  TempDir sample;
  testing::WriteExtractSet(sample, {{"Jobs.Xtract", "HF#JOB\n"}});
  // Installed files are read-only; the user's copy must not be.
  std::filesystem::permissions(sample.Path() / "Jobs.Xtract", std::filesystem::perms(0444));
  TempDir data;
  const std::string db = data.DirText() + "DBase/";
  ASSERT_TRUE(SeedSampleDatabase(sample.DirText(), db));
  for (const char* name : kExtractFileNames) {
    EXPECT_EQ(ReadFile(db + name), ReadFile(sample.Path() / name)) << name;
  }
  EXPECT_EQ(testing::FileMode(db + "Jobs.Xtract") & 0200, 0200u);
  // Anything the user already has stays as it is.
  data.Write("DBase/Jobs.Xtract", "mine\n");
  EXPECT_FALSE(SeedSampleDatabase(sample.DirText(), db));
  TempDir partial;
  partial.Write("Cpus.Xtract", "mine\n");
  EXPECT_FALSE(SeedSampleDatabase(sample.DirText(), partial.DirText()));
  EXPECT_EQ(ReadFile(partial.Path() / "Jobs.Xtract"), "");
  EXPECT_FALSE(SeedSampleDatabase("", data.DirText() + "other/"));
}

#endif

}  // namespace
}  // namespace vdbq
