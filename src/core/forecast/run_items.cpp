#include "core/forecast/run_items.h"

#include <array>
#include <cctype>

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

bool SameWord(std::string_view text, std::string_view upperWord) {
  if (text.size() != upperWord.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != upperWord[i]) return false;
  }
  return true;
}

bool EndsWithWord(std::string_view text, std::string_view upperWord) {
  return text.size() > upperWord.size() &&
         SameWord(text.substr(text.size() - upperWord.size()), upperWord) &&
         (text[text.size() - upperWord.size() - 1] == ' ' ||
          text[text.size() - upperWord.size() - 1] == '\t');
}

struct DayKeyword {
  std::string_view Word;
  RunItemBase Base;
  std::uint8_t Mask;
};

constexpr std::array<DayKeyword, 11> kDayKeywords{{
    {"REQUEST", RunItemBase::kNone, 0},
    {"EVERYDAY", RunItemBase::kWeekdays, 0x7f},
    {"MO", RunItemBase::kWeekdays, 1},
    {"TU", RunItemBase::kWeekdays, 2},
    {"WE", RunItemBase::kWeekdays, 4},
    {"TH", RunItemBase::kWeekdays, 8},
    {"FR", RunItemBase::kWeekdays, 16},
    {"SA", RunItemBase::kWeekdays, 32},
    {"SU", RunItemBase::kWeekdays, 64},
    {"WEEKDAYS", RunItemBase::kWeekdays, 0x1f},
    {"WORKDAYS", RunItemBase::kWorkdays, 0},
}};

bool IsNameText(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '"' || c == ',') return false;
  }
  return true;
}

// The day set without offset or free-day rule: keyword, then date, then calendar name.
bool ReadDaySet(std::string_view text, RunItem& item, bool nameAllowed) {
  for (const DayKeyword& keyword : kDayKeywords) {
    if (SameWord(text, keyword.Word)) {
      item.Base = keyword.Base;
      item.WeekdayMask = keyword.Mask;
      return true;
    }
  }
  if (const auto date = ParseItemDate(text)) {
    item.Base = RunItemBase::kDate;
    item.Date = *date;
    return true;
  }
  if (!nameAllowed || !IsNameText(text)) return false;
  item.Base = RunItemBase::kCalendar;
  item.Name = text;
  return true;
}

// "+N unit" or "-N unit", blanks optional around the sign and before the unit.
bool ReadOffset(std::string_view text, RunItem& item) {
  text = TrimBlanksAndTabs(text);
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return false;
  const bool negative = text[0] == '-';
  text = TrimBlanksAndTabs(text.substr(1));
  size_t digits = 0;
  long long n = 0;
  while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) {
    n = n * 10 + (text[digits] - '0');
    if (n > 100000) return false;
    ++digits;
  }
  if (digits == 0) return false;
  const std::string_view unit = TrimBlanksAndTabs(text.substr(digits));
  if (SameWord(unit, "DAY") || SameWord(unit, "DAYS")) {
    item.Unit = OffsetUnit::kDays;
  } else if (SameWord(unit, "WEEKDAY") || SameWord(unit, "WEEKDAYS")) {
    item.Unit = OffsetUnit::kWeekdays;
  } else if (SameWord(unit, "WORKDAY") || SameWord(unit, "WORKDAYS")) {
    item.Unit = OffsetUnit::kWorkdays;
  } else {
    return false;
  }
  item.Offset = static_cast<int>(negative ? -n : n);
  return true;
}

std::string_view NextWord(std::string_view& rest) {
  rest = TrimBlanksAndTabs(rest);
  size_t end = 0;
  while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t' && rest[end] != '"') ++end;
  const std::string_view word = rest.substr(0, end);
  rest = rest.substr(end);
  return word;
}

// RUNCYCLE NAME [VALIDFROM DATE] [VALIDTO DATE] "RULE"
bool ReadRunCycle(std::string_view text, RunItem& item) {
  std::string_view rest = text;
  if (!SameWord(NextWord(rest), "RUNCYCLE") || NextWord(rest).empty()) return false;
  item.ValidFrom = 0;
  for (;;) {
    rest = TrimBlanksAndTabs(rest);
    if (!rest.empty() && rest.front() == '"') break;
    const std::string_view word = NextWord(rest);
    const auto date = ParseItemDate(NextWord(rest));
    if (!date) return false;
    if (SameWord(word, "VALIDFROM")) {
      item.ValidFrom = *date;
    } else if (SameWord(word, "VALIDTO")) {
      item.ValidTo = *date;
      item.HasValidTo = true;
    } else {
      return false;
    }
  }
  if (rest.size() < 2 || rest.back() != '"') return false;
  rest = rest.substr(1, rest.size() - 2);
  if (rest.empty() || rest.find('"') != std::string_view::npos) return false;
  // The rule may be written with or without its "RRULE:" name.
  if (rest.size() > 6 && SameWord(rest.substr(0, 6), "RRULE:")) rest = rest.substr(6);
  item.Rule = std::string(rest);
  item.Base = RunItemBase::kRunCycle;
  return true;
}

}  // namespace

RunItem ReadRunItem(std::string_view text) {
  RunItem item;
  item.Text = text;
  std::string_view rest = text;
  for (const auto& [word, rule] : {std::pair{std::string_view("FDIGNORE"), FreeDayRule::kIgnore},
                                   std::pair{std::string_view("FDNEXT"), FreeDayRule::kNext},
                                   std::pair{std::string_view("FDPREV"), FreeDayRule::kPrevious}}) {
    if (EndsWithWord(rest, word)) {
      item.FreeDays = rule;
      rest = TrimBlanksAndTabs(rest.substr(0, rest.size() - word.size()));
      break;
    }
  }
  if (ReadDaySet(rest, item, false)) return item;
  if (ReadRunCycle(rest, item)) return item;
  const size_t sign = rest.find_last_of("+-");
  if (sign != std::string_view::npos && sign > 0 && ReadOffset(rest.substr(sign), item) &&
      ReadDaySet(TrimBlanksAndTabs(rest.substr(0, sign)), item, true)) {
    return item;
  }
  // A calendar name comes last, so that a name never hides an offset written without blanks.
  item.Offset = 0;
  if (ReadDaySet(rest, item, true)) return item;
  item = RunItem{};
  item.Text = text;
  return item;
}

}  // namespace vdbq
