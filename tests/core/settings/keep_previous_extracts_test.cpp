// The "Keep Previous Extracts" setting through the store and the settings form.
#include <gtest/gtest.h>

#include "core/settings/settings_form.h"
#include "core/settings/settings_io.h"
#include "support/temp_dir.h"

namespace vdbq {
namespace {

TEST(KeepPreviousExtracts, ReadFromTheStore) {
  const std::pair<std::optional<std::string>, int> cases[] = {
      {std::nullopt, 14}, {"0", 0}, {"3", 3}, {"-2", 14}, {"many", 14}};
  for (const auto& [stored, expected] : cases) {
    testing::TempDir dir;
    MemorySettingsStore store;
    if (stored) store.Write(kKeepPreviousExtractsName, *stored);
    EXPECT_EQ(LoadSettings(store, dir.DirText()).KeepPreviousExtracts, expected)
        << stored.value_or("(none)");
  }
}

TEST(KeepPreviousExtracts, StoredAndTakenFromTheForm) {
  testing::TempDir dir;
  Settings settings = DefaultSettings(dir.DirText());
  SettingsForm form = FormOf(settings);
  form.KeepPreviousExtracts = 5;
  ApplyForm(form, settings);
  MemorySettingsStore store;
  StoreSettings(store, settings);
  EXPECT_EQ(store.Values().at(kKeepPreviousExtractsName), "5");
  EXPECT_EQ(LoadSettings(store, dir.DirText()).KeepPreviousExtracts, 5);
}

}  // namespace
}  // namespace vdbq
