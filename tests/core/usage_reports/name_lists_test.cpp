#include "core/reports/name_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vdbq {
namespace {

std::vector<std::string> Listed(std::string_view list) {
  std::vector<std::string> names;
  ForEachListedName(list, [&names](std::string_view name) { names.emplace_back(name); });
  return names;
}

TEST(ForEachListedName, GivesTheFieldsUpToTheFirstEmptyOne) {
  using Names = std::vector<std::string>;
  const std::pair<const char*, Names> cases[] = {{"A,B C,D,", {"A", "B C", "D"}},
                                                 {"A,B", {"A", "B"}},
                                                 {"A,,B,", {"A"}},
                                                 {",A,", {}},
                                                 {"", {}}};
  for (const auto& [list, names] : cases) EXPECT_EQ(Listed(list), names) << list;
}

TEST(CommaItemSet, AnswersAsTheSearchForACommaWrappedName) {
  const std::string text = "CPU1#A,1 B,,C D,";
  const CommaItemSet items(text);
  for (const char* name :
       {"CPU1#A", "1 B", "C D", "", "A", "B", "C", "CPU1#A,1 B", "B,,C D", "D,", ",CPU1#A"}) {
    const bool expected = CommaWrapped(text).find(CommaWrapped(name)) != std::string::npos;
    EXPECT_EQ(items.Has(name), expected) << name;
  }
  EXPECT_FALSE(CommaItemSet("").Has("A"));
  EXPECT_TRUE(CommaItemSet("").Has(""));
}

}  // namespace
}  // namespace vdbq
