#include "platform/program_directory.h"

#include <gtest/gtest.h>

#include <QDir>

namespace vdbq {
namespace {

#ifndef _WIN32

TEST(ProgramDirectory, DirectoryOfTheProgramPathWithSeparator) {
  const std::string current = QDir::currentPath().toStdString();
  EXPECT_EQ(ProgramDirectory("/opt/vdbq/bin/varnoltdbq-cli"), "/opt/vdbq/bin/");
  EXPECT_EQ(ProgramDirectory("./bin/prog"), current + "/bin/");
  EXPECT_EQ(ProgramDirectory(nullptr), current + "/");
}

#endif

}  // namespace
}  // namespace vdbq
