#pragma once

#include <bit>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/extracts/line_list.h"
#include "core/forecast/civil_day.h"
#include "core/forecast/run_items.h"

// Run days of schedules: on which dates each schedule is put into the day's plan, as its ON,
// EXCEPT and FREEDAYS clauses and the calendars say. Read once per load; each question is
// answered over a window of days, a day set being a bit set over the window.
namespace vdbq {

struct Window {
  DayNumber From = 0;
  DayNumber To = 0;  // inclusive
  int Days() const { return To - From + 1; }
};

// A set of days over a window, one bit a day.
class DaySet {
 public:
  DaySet() = default;
  explicit DaySet(Window window)
      : window_(window), words_((static_cast<size_t>(window.Days()) + 63) / 64, 0) {}
  const Window& Range() const { return window_; }
  bool Has(DayNumber day) const {
    if (day < window_.From || day > window_.To) return false;
    const auto i = static_cast<size_t>(day - window_.From);
    return (words_[i / 64] >> (i % 64)) & 1;
  }
  void Add(DayNumber day) {
    if (day < window_.From || day > window_.To) return;
    const auto i = static_cast<size_t>(day - window_.From);
    words_[i / 64] |= std::uint64_t{1} << (i % 64);
  }
  void Unite(const DaySet& other) {
    for (size_t i = 0; i < words_.size(); ++i) words_[i] |= other.words_[i];
  }
  void Remove(const DaySet& other) {
    for (size_t i = 0; i < words_.size(); ++i) words_[i] &= ~other.words_[i];
  }
  bool Empty() const {
    for (std::uint64_t w : words_) {
      if (w) return false;
    }
    return true;
  }
  // Calls visit(day) for every day of the set in order.
  template <typename Visit>
  void ForEach(Visit&& visit) const {
    for (size_t w = 0; w < words_.size(); ++w) {
      for (std::uint64_t bits = words_[w]; bits; bits &= bits - 1) {
        visit(window_.From + static_cast<DayNumber>(w * 64 + LowestBit(bits)));
      }
    }
  }

 private:
  static int LowestBit(std::uint64_t bits) { return std::countr_zero(bits); }
  Window window_;
  std::vector<std::uint64_t> words_;
};

enum class UnreadReason : std::uint8_t {
  kUnreadable,       // an ON or EXCEPT item of no form the forecast knows
  kUnknownCalendar,  // an ON or EXCEPT item naming a calendar that does not exist
  kUnknownFreeDays,  // a FREEDAYS calendar that does not exist
};

struct UnreadItem {
  std::string_view Key;
  long long Line = 0;  // 0-based
  std::string_view Item;
  UnreadReason Reason = UnreadReason::kUnreadable;
};

struct FreeDays {
  std::string_view Calendar;  // the calendar in effect, "" for none
  bool Saturday = false;
  bool Sunday = false;
  int CalendarIndex = -1;  // -1 for none
};

struct ScheduleRunDefinition {
  std::string_view Key;
  std::string_view At;         // "" when none
  long long Line = 0;          // its SCHEDULE line, 0-based
  std::vector<RunItem> Items;  // ON items in file order, then EXCEPT items
  bool HasOn = false;          // an ON item other than REQUEST
  FreeDays Free;
  std::vector<UnreadItem> Unread;  // unknown calendars and unreadable items, in file order
};

// Why a schedule runs or not on one date: an item and whether the date is among its days. For
// an item with FDNEXT or FDPREV that holds, MovedFrom is the free day whose move gave the date.
struct RunDayReason {
  const RunItem* Item;
  bool Holds;
  std::optional<DayNumber> MovedFrom;
};

class Forecast {
 public:
  // The forecast views names and items in both lists' bytes, which must outlive it: a list
  // made on the spot is refused.
  Forecast(const LineList& scheduleLines, const LineList& calendarLines);
  Forecast(LineList&&, const LineList&) = delete;
  Forecast(const LineList&, LineList&&) = delete;
  Forecast(LineList&&, LineList&&) = delete;

  // The schedules in byte order of their keys, each its first definition.
  const std::vector<ScheduleRunDefinition>& Schedules() const { return schedules_; }
  // The index of a schedule's definition, -1 when none.
  int Find(std::string_view key) const;

  DaySet RunDays(int schedule, Window window) const;
  DaySet Workdays(int schedule, Window window) const;
  // The days of one item over the window.
  DaySet ItemDays(int schedule, const RunItem& item, Window window) const;
  std::vector<RunDayReason> Why(int schedule, DayNumber day) const;
  // The free day that the item's FDNEXT or FDPREV moved onto `day`: the nearest of its unmoved
  // days among the free days just before `day` (FDNEXT) or just after it (FDPREV). Nothing for
  // an item with neither rule or a day that no move reached.
  std::optional<DayNumber> MovedFrom(int schedule, const RunItem& item, DayNumber day) const;
  // For every day of the window the schedules (indexes, in key order) that run on it.
  std::vector<std::vector<int>> DaysOfWindow(Window window) const;
  // The run days of every schedule over the window, by index; each item's days worked out once
  // for all schedules that share them.
  std::vector<DaySet> RunDaysOfEach(Window window) const;
  // The dates of a calendar in order.
  const std::vector<DayNumber>& CalendarDates(int calendar) const {
    return calendars_[static_cast<size_t>(calendar)];
  }
  int FindCalendar(std::string_view name) const;
  int CalendarCount() const { return static_cast<int>(calendars_.size()); }
  std::string_view CalendarName(int calendar) const {
    return calendarNames_[static_cast<size_t>(calendar)];
  }
  // The calendar's name line in the calendars file, 0-based.
  long long CalendarLine(int calendar) const {
    return calendarLines_[static_cast<size_t>(calendar)];
  }

 private:
  void ReadSchedule(const LineList& lines, long long line);
  void ClassifyItems();
  std::vector<ScheduleRunDefinition> schedules_;
  // Items of the same text whose days do not depend on the schedule, or that depend on the
  // same workdays, have the same days: a window's question works each class out once.
  struct ItemOfClass {
    int Schedule;
    size_t Item;
  };
  std::vector<ItemOfClass> classes_;    // one item of each class
  std::vector<int> itemClasses_;        // per item of every schedule in turn; -1 for no day set
  std::vector<size_t> firstItemClass_;  // per schedule, where its items' classes begin
  std::vector<RunItem> exceptScratch_;  // a schedule's EXCEPT items while it is read
  std::vector<std::vector<DayNumber>> calendars_;
  std::vector<std::string_view> calendarNames_;
  std::vector<long long> calendarLines_;
  std::unordered_map<std::string_view, int> calendarIndex_;
  std::deque<std::string> joinedClauses_;  // clauses continued over lines, which items view
};

// The forecast of the loaded extracts, built on first use and kept with the catalogue's other
// per-load caches.
struct ExtractStore;
struct Catalogue;
std::shared_ptr<const Forecast> ForecastOf(const ExtractStore& store, const Catalogue& catalogue);

}  // namespace vdbq
