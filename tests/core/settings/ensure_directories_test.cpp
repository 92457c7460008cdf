#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings/settings.h"
#include "support/temp_dir.h"

namespace vdbq {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

TEST(EnsureDirectories, CreatesOneLevelOnlySilentlyInTheOrderSavesLogDatabase) {
  TempDir dir;
  Settings settings = DefaultSettings(dir.DirText());
  settings.LogDir = dir.DirText() + "missing/Logs/";
  EXPECT_NO_THROW(EnsureDirectories(settings));
  EXPECT_FALSE(fs::exists(dir.Path() / "missing"));
  EXPECT_TRUE(fs::is_directory(dir.Path() / "Saves"));
  EXPECT_TRUE(fs::is_directory(dir.Path() / "DBase"));
  // Each directory here lies inside the one before it in the order saves, log, database, so all
  // three exist only when they are created in that order.
  settings.SavesDir = dir.DirText() + "a/";
  settings.LogDir = dir.DirText() + "a/b/";
  settings.DatabaseDir = dir.DirText() + "a/b/c/";
  EnsureDirectories(settings);
  EXPECT_TRUE(fs::is_directory(dir.Path() / "a" / "b" / "c"));
}

}  // namespace
}  // namespace vdbq
