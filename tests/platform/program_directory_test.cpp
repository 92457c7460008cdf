#include "platform/program_directory.h"

#include <gtest/gtest.h>

#include <QDir>

namespace vdbq {
namespace {

#ifndef _WIN32

TEST(ProgramDirectory, DirectoryOfTheProgramPathWithSeparator) {
  EXPECT_EQ(ProgramDirectory("/opt/vdbq/bin/varnoltdbq-cli"), "/opt/vdbq/bin/");
}

TEST(ProgramDirectory, RelativePathResolvesAgainstTheCurrentDirectory) {
  EXPECT_EQ(ProgramDirectory("./bin/prog"), QDir::currentPath().toStdString() + "/bin/");
}

TEST(ProgramDirectory, NoProgramPathGivesTheCurrentDirectory) {
  EXPECT_EQ(ProgramDirectory(nullptr), QDir::currentPath().toStdString() + "/");
}

#endif

}  // namespace
}  // namespace vdbq
