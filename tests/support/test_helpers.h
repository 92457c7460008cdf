#pragma once

// Small helpers that many tests need: one copy each instead of one per test file.

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/audit/time_stamp.h"
#include "core/reports/result_list.h"

namespace vdbq::testing {

// The file's bytes, "" when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The permission bits of a file, 0 when it does not exist.
inline unsigned FileMode(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

inline TimeStamp At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return TimeStamp{static_cast<std::uint16_t>(year),   static_cast<std::uint16_t>(month),
                   static_cast<std::uint16_t>(day),    static_cast<std::uint16_t>(hour),
                   static_cast<std::uint16_t>(minute), static_cast<std::uint16_t>(second)};
}

inline ResultList ListOf(int reportNumber, std::vector<ResultRow> rows) {
  ResultList list;
  list.ReportNumber = reportNumber;
  list.Rows = std::move(rows);
  return list;
}

// Caption and sub-items of every row, "|"-separated, one row a line.
inline std::string RowsText(const ResultList& results) {
  std::string text;
  for (const ResultRow& row : results.Rows) {
    text += row.Caption;
    for (std::string_view item : row.SubItems) text.append("|").append(item);
    text += "\n";
  }
  return text;
}

}  // namespace vdbq::testing
