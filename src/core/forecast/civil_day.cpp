#include "core/forecast/civil_day.h"

#include <cstdio>

namespace vdbq {
namespace {

bool Digits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

std::optional<DayNumber> Checked(int year, int month, int day) {
  if (month < 1 || month > 12 || day < 1) return std::nullopt;
  const DayNumber n = DayOf(year, month, day);
  if (DateOf(n).Month != month) return std::nullopt;  // 02/30 and the like
  return n;
}

}  // namespace

std::string IsoDate(DayNumber n) {
  const CivilDate date = DateOf(n);
  char text[40];  // room for any int in each field, though dates here have four-digit years
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
  return text;
}

std::optional<DayNumber> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::string_view year = text.substr(0, 4), month = text.substr(5, 2),
                         day = text.substr(8, 2);
  if (!Digits(year) || !Digits(month) || !Digits(day)) return std::nullopt;
  return Checked(Number(year), Number(month), Number(day));
}

std::optional<DayNumber> ParseItemDate(std::string_view text) {
  if (text.size() == 8 && Digits(text)) {
    return Checked(Number(text.substr(0, 4)), Number(text.substr(4, 2)),
                   Number(text.substr(6, 2)));
  }
  if ((text.size() != 8 && text.size() != 10) || text[2] != '/' || text[5] != '/') {
    return std::nullopt;
  }
  const std::string_view month = text.substr(0, 2), day = text.substr(3, 2),
                         year = text.substr(6);
  if (!Digits(month) || !Digits(day) || !Digits(year)) return std::nullopt;
  int y = Number(year);
  if (year.size() == 2) y += y <= 69 ? 2000 : 1900;
  return Checked(y, Number(month), Number(day));
}

}  // namespace vdbq
