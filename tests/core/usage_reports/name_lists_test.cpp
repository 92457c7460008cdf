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
  EXPECT_EQ(Listed("A,B C,D,"), (std::vector<std::string>{"A", "B C", "D"}));
  EXPECT_EQ(Listed("A,B"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(Listed("A,,B,"), (std::vector<std::string>{"A"}));
  EXPECT_TRUE(Listed(",A,").empty());
  EXPECT_TRUE(Listed("").empty());
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
