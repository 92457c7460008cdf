#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "support/temp_dir.h"

namespace vdbq {

// Loads a small extract set written inline, as a refresh of the program would.
class PageTest : public ::testing::Test {
 protected:
  void Load(const std::map<std::string, std::string>& texts) {
    testing::WriteExtractSet(dir, texts);
    ASSERT_EQ(RefreshCatalogue(dir.DirText(), store, catalogue), kReady);
  }
  testing::TempDir dir;
  ExtractStore store;
  Catalogue catalogue;
};

}  // namespace vdbq
