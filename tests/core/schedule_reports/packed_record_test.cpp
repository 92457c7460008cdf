#include "core/reports/packed_record.h"

#include <gtest/gtest.h>

#include "core/reports/comma_items.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

// Every field as MarkedField reads it, for comparison.
std::vector<std::string> FieldByField(const std::string& record, long long count) {
  std::vector<std::string> fields(static_cast<size_t>(count + 1));
  for (long long n = 1; n <= count; ++n) fields[static_cast<size_t>(n)] = MarkedField(record, n);
  return fields;
}

TEST(UnpackMarkedFields, AgreesWithMarkedFieldOnOddRecords) {
  const std::pair<std::string, long long> records[] = {
      {"!!<1>!!A!!<2>!!B!!<2>!!C!!<3>!!", 2},    // a field holding a later marker
      {"!!<1>!!<2>!!X!!<3>!!", 2},               // markers sharing their "!!"
      {"x!!<2>!!A!!<1>!!B!!<3>!!", 2},           // closing marker before the opening one
      {"!!<1>!!A!!<01>!!B!!<2>!!", 1},           // a leading zero is another marker
      {"!!<10>!!X!!<1>!!Y!!<11>!!!!<2>!!", 10},  // numbers that share digits
      {"!!!<1>!!A!!<2>!", 2},                    // a broken closing marker
      {"!!<1>!!A!!<2", 1},                       // the record's last field runs to its end
      {"!!<99999999999999999999999>!!!!<1>!!A", 1},
      {"", 2},
  };
  EXPECT_EQ(UnpackMarkedFields("!!<1>!!AB!!<2>!!!!<3>!!CD!!<4>!!!!<4>!!", 3),
            (std::vector<std::string>{"", "AB", "", "CD"}));
  for (const auto& [record, count] : records) {
    EXPECT_EQ(UnpackMarkedFields(record, count), FieldByField(record, count)) << record;
  }
}

TEST(CommaItems, AgreesWithCsvField) {
  for (const char* text : {"a,b,c", "a,b,", "a,b", "a", ",x", "", ",", "a,,b", " a , b "}) {
    const CommaItems items(text);
    for (long long n = 0; n <= 5; ++n) EXPECT_EQ(items.Item(n), CsvField(text, n)) << text << n;
  }
}

}  // namespace
}  // namespace vdbq
