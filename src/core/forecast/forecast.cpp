#include "core/forecast/forecast.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mutex>

#include "core/catalogue/catalogue.h"
#include "core/definitions/clause_items.h"
#include "core/definitions/definition_lines.h"
#include "core/extracts/extract_store.h"
#include "core/forecast/ical_date.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

enum class RunClause { kNone, kOn, kExcept, kFreeDays, kAt };

bool StartsWithNoCase(std::string_view text, std::string_view upperPrefix) {
  if (text.size() < upperPrefix.size()) return false;
  for (size_t i = 0; i < upperPrefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != upperPrefix[i]) return false;
  }
  return true;
}

RunClause ClauseOf(std::string_view trimmed, std::string_view& rest) {
  for (const auto& [word, clause] :
       {std::pair{std::string_view("ON "), RunClause::kOn},
        std::pair{std::string_view("EXCEPT "), RunClause::kExcept},
        std::pair{std::string_view("FREEDAYS "), RunClause::kFreeDays}}) {
    if (StartsWithNoCase(trimmed, word)) {
      rest = trimmed.substr(word.size());
      return clause;
    }
  }
  if (StartsWith(trimmed, "AT ")) {
    rest = TrimBlanksAndTabs(trimmed.substr(3));
    return RunClause::kAt;
  }
  return RunClause::kNone;
}

// The header ends before a ":" line, a line that begins with "END", or the next SCHEDULE line.
bool EndsHeader(std::string_view raw) {
  return IsScheduleLine(raw) || StartsWith(raw, "END") || TrimBlanksAndTabs(raw) == ":";
}

bool ReadableRule(const std::string& rule) {
  const icalrecurrencetype recurrence = icalrecurrencetype_from_string(rule.c_str());
  icalerror_clear_errno();
  return recurrence.freq == ICAL_DAILY_RECURRENCE || recurrence.freq == ICAL_WEEKLY_RECURRENCE ||
         recurrence.freq == ICAL_MONTHLY_RECURRENCE || recurrence.freq == ICAL_YEARLY_RECURRENCE;
}

void AddRunCycleDays(const RunItem& item, DaySet& days) {
  icalrecurrencetype rule = icalrecurrencetype_from_string(item.Rule.c_str());
  if (FindText(UpperCase(item.Rule), "WKST=") == std::string::npos) {
    rule.week_start = ICAL_MONDAY_WEEKDAY;
  }
  icalrecur_iterator* it = icalrecur_iterator_new(rule, IcalDateValue(item.ValidFrom));
  if (!it) return;
  const Window range = days.Range();
  // libical keeps the phase that DTSTART gives an INTERVAL when the walk starts at the window;
  // a COUNT has to be counted from DTSTART.
  if (rule.count == 0 && range.From > item.ValidFrom) {
    icalrecur_iterator_set_start(it, IcalDateValue(range.From));
  }
  // Every step must move forward, so that the walk ends at the window's end whatever the rule.
  DayNumber last = item.ValidFrom - 1;
  for (icaltimetype t = icalrecur_iterator_next(it); !icaltime_is_null_time(t);
       t = icalrecur_iterator_next(it)) {
    const DayNumber day = DayOf(t.year, t.month, t.day);
    if (day <= last || day > range.To || (item.HasValidTo && day >= item.ValidTo)) break;
    last = day;
    days.Add(day);
  }
  icalrecur_iterator_free(it);
  icalerror_clear_errno();
}

// How far outside the window an item's days are read, so that offsets and moves to the next
// or previous workday reach into it from days beyond it.
int Reach(const RunItem& item) {
  if (item.Offset == 0 && item.FreeDays == FreeDayRule::kKeep) return 0;
  return 400 + 3 * std::abs(item.Offset);
}

}  // namespace

Forecast::Forecast(const LineList& scheduleLines, const LineList& calendarLines) {
  // Calendars as the catalogue lists them; the first of a name counts.
  std::vector<DayNumber>* dates = nullptr;
  for (long long i = 1; i < calendarLines.Count(); ++i) {
    const std::string_view line = calendarLines.At(i);
    if (line.empty()) continue;
    if (!StartsWith(line, "  ")) {
      const std::string_view name = CopyView(line, 1, vdbq::Find("\"", line) - 2);
      calendars_.emplace_back();
      calendarNames_.push_back(name);
      calendarLines_.push_back(i);
      dates = &calendars_.back();
      calendarIndex_.emplace(name, static_cast<int>(calendars_.size() - 1));
    }
    if (line.front() != ' ' || !dates) continue;
    size_t start = 0;
    while (start < line.size()) {
      while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
      size_t end = start;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
      const std::string_view word = line.substr(start, end - start);
      if (word.size() == 8 && word[2] == '/') {
        if (const auto day = ParseItemDate(word)) dates->push_back(*day);
      }
      start = end;
    }
  }
  for (auto& list : calendars_) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
  }
  for (long long i = 0; i < scheduleLines.Count(); ++i) {
    const std::string_view line = scheduleLines.At(i);
    if (IsScheduleHeaderLine(line)) ReadSchedule(scheduleLines, i);
  }
  exceptScratch_ = {};
  // In key order, each key's first definition in the file kept. Extracts are mostly written in
  // key order already.
  const auto byKey = [](const auto& a, const auto& b) { return a.Key < b.Key; };
  if (!std::is_sorted(schedules_.begin(), schedules_.end(), byKey)) {
    std::stable_sort(schedules_.begin(), schedules_.end(), byKey);
  }
  schedules_.erase(std::unique(schedules_.begin(), schedules_.end(),
                               [](const auto& a, const auto& b) { return a.Key == b.Key; }),
                   schedules_.end());
  ClassifyItems();
}

namespace {

struct ItemClassKey {
  std::string_view Text;
  int FreeCalendar;  // -2 when the days do not depend on the schedule's workdays
  int FreeWeekend;   // bit 0 Saturday, bit 1 Sunday
  bool operator==(const ItemClassKey&) const = default;
};

struct ItemClassHash {
  size_t operator()(const ItemClassKey& key) const {
    return std::hash<std::string_view>()(key.Text) ^
           (static_cast<size_t>(key.FreeCalendar + 2) * 4 + static_cast<size_t>(key.FreeWeekend)) *
               0x9e3779b97f4a7c15ULL;
  }
};

bool DependsOnWorkdays(const RunItem& item) {
  return item.Base == RunItemBase::kWorkdays || item.FreeDays != FreeDayRule::kKeep ||
         (item.Offset != 0 && item.Unit == OffsetUnit::kWorkdays);
}

}  // namespace

void Forecast::ClassifyItems() {
  std::unordered_map<ItemClassKey, int, ItemClassHash> classOf;
  firstItemClass_.reserve(schedules_.size() + 1);
  for (size_t s = 0; s < schedules_.size(); ++s) {
    const ScheduleRunDefinition& schedule = schedules_[s];
    firstItemClass_.push_back(itemClasses_.size());
    for (size_t i = 0; i < schedule.Items.size(); ++i) {
      const RunItem& item = schedule.Items[i];
      if (item.Base == RunItemBase::kNone || item.Base == RunItemBase::kUnreadable) {
        itemClasses_.push_back(-1);
        continue;
      }
      ItemClassKey key{item.Text, -2, 0};
      if (DependsOnWorkdays(item)) {
        key.FreeCalendar = schedule.Free.CalendarIndex;
        key.FreeWeekend = (schedule.Free.Saturday ? 1 : 0) | (schedule.Free.Sunday ? 2 : 0);
      }
      const auto [at, added] = classOf.emplace(key, static_cast<int>(classes_.size()));
      if (added) classes_.push_back({static_cast<int>(s), i});
      itemClasses_.push_back(at->second);
    }
  }
  firstItemClass_.push_back(itemClasses_.size());
}

void Forecast::ReadSchedule(const LineList& lines, long long line) {
  ScheduleRunDefinition& schedule = schedules_.emplace_back();
  schedule.Key = ScheduleKeyOfLine(lines.At(line));
  schedule.Line = line;
  std::vector<RunItem>& exceptItems = exceptScratch_;
  exceptItems.clear();
  bool freeDaysRead = false;
  bool atRead = false;
  std::string_view freeName;
  long long freeLine = 0;
  const long long count = lines.Count();
  for (long long j = line + 1; j < count && !EndsHeader(lines.At(j)); ++j) {
    std::string_view rest;
    const RunClause clause = ClauseOf(TrimBlanksAndTabs(lines.At(j)), rest);
    if (clause == RunClause::kNone) continue;
    if (clause == RunClause::kAt) {
      if (!atRead) schedule.At = rest;
      atRead = true;
      continue;
    }
    // A clause ending with "," goes on with the next header line; the line of each piece is
    // kept so that an item is reported on the line that holds its start.
    std::vector<std::pair<size_t, long long>> pieceLines;  // only for a continued clause
    std::string_view text = TrimBlanksAndTabs(rest);
    if (EndsWithComma(text) && j + 1 < count && !EndsHeader(lines.At(j + 1))) {
      pieceLines.emplace_back(0, j);
      std::string& joined = joinedClauses_.emplace_back(text);
      while (EndsWithComma(joined) && j + 1 < count && !EndsHeader(lines.At(j + 1))) {
        ++j;
        pieceLines.emplace_back(joined.size(), j);
        joined.append(TrimBlanksAndTabs(lines.At(j)));
      }
      text = joined;
    }
    auto lineOf = [&](std::string_view item) {
      const auto at = static_cast<size_t>(item.data() - text.data());
      long long found = j;
      for (const auto& [offset, pieceLine] : pieceLines) {
        if (offset <= at) found = pieceLine;
      }
      return found;
    };
    if (clause == RunClause::kFreeDays) {
      if (freeDaysRead) continue;
      freeDaysRead = true;
      ForEachRunClauseItem(text, [&](std::string_view item) {
        size_t start = 0;
        while (start < item.size()) {
          while (start < item.size() && (item[start] == ' ' || item[start] == '\t')) ++start;
          size_t end = start;
          while (end < item.size() && item[end] != ' ' && item[end] != '\t') ++end;
          const std::string_view word = item.substr(start, end - start);
          if (StartsWithNoCase(word, "-SA") && word.size() == 3) {
            schedule.Free.Saturday = true;
          } else if (StartsWithNoCase(word, "-SU") && word.size() == 3) {
            schedule.Free.Sunday = true;
          } else if (!word.empty() && freeName.empty()) {
            freeName = word;
            freeLine = lineOf(word);
          }
          start = end;
        }
      });
      continue;
    }
    ForEachRunClauseItem(text, [&](std::string_view itemText) {
      RunItem item = ReadRunItem(itemText);
      item.Line = lineOf(itemText);
      item.Except = clause == RunClause::kExcept;
      if (item.Base == RunItemBase::kRunCycle && !ReadableRule(item.Rule)) {
        item.Base = RunItemBase::kUnreadable;
      }
      if (item.Base == RunItemBase::kUnreadable) {
        schedule.Unread.push_back({schedule.Key, item.Line, item.Text, UnreadReason::kUnreadable});
      } else if (item.Base == RunItemBase::kCalendar && FindCalendar(item.Name) < 0) {
        schedule.Unread.push_back(
            {schedule.Key, item.Line, item.Text, UnreadReason::kUnknownCalendar});
      }
      if (!item.Except && item.Base != RunItemBase::kNone) schedule.HasOn = true;
      std::vector<RunItem>& items = item.Except ? exceptItems : schedule.Items;
      if (items.capacity() == 0) items.reserve(4);
      items.push_back(std::move(item));
    });
  }
  for (RunItem& item : exceptItems) schedule.Items.push_back(std::move(item));
  if (!freeName.empty()) {
    schedule.Free.CalendarIndex = FindCalendar(freeName);
    if (schedule.Free.CalendarIndex >= 0) {
      schedule.Free.Calendar = freeName;
    } else {
      schedule.Unread.push_back({schedule.Key, freeLine, freeName, UnreadReason::kUnknownFreeDays});
    }
  } else if ((schedule.Free.CalendarIndex = FindCalendar("HOLIDAYS")) >= 0) {
    schedule.Free.Calendar = "HOLIDAYS";
  }
  std::stable_sort(schedule.Unread.begin(), schedule.Unread.end(),
                   [](const UnreadItem& a, const UnreadItem& b) { return a.Line < b.Line; });
}

int Forecast::Find(std::string_view key) const {
  const auto it = std::lower_bound(
      schedules_.begin(), schedules_.end(), key,
      [](const ScheduleRunDefinition& s, std::string_view k) { return s.Key < k; });
  return it != schedules_.end() && it->Key == key ? static_cast<int>(it - schedules_.begin()) : -1;
}

int Forecast::FindCalendar(std::string_view name) const {
  const auto it = calendarIndex_.find(name);
  return it == calendarIndex_.end() ? -1 : it->second;
}

DaySet Forecast::Workdays(int schedule, Window window) const {
  const FreeDays& free = schedules_[static_cast<size_t>(schedule)].Free;
  DaySet days(window);
  for (DayNumber d = window.From; d <= window.To; ++d) {
    const int weekday = WeekdayOf(d);
    if (weekday < 5 || (weekday == 5 && free.Saturday) || (weekday == 6 && free.Sunday)) {
      days.Add(d);
    }
  }
  if (free.CalendarIndex >= 0) {
    DaySet freeDates(window);
    const auto& dates = CalendarDates(free.CalendarIndex);
    for (auto it = std::lower_bound(dates.begin(), dates.end(), window.From);
         it != dates.end() && *it <= window.To; ++it) {
      freeDates.Add(*it);
    }
    days.Remove(freeDates);
  }
  return days;
}

DaySet Forecast::ItemDays(int schedule, const RunItem& item, Window window) const {
  const int reach = Reach(item);
  const Window range{window.From - reach, window.To + reach};
  const DaySet workdays =
      item.Base == RunItemBase::kWorkdays || reach > 0 ? Workdays(schedule, range) : DaySet(range);
  DaySet days(range);
  switch (item.Base) {
    case RunItemBase::kNone:
    case RunItemBase::kUnreadable:
      return DaySet(window);
    case RunItemBase::kWeekdays:
      for (DayNumber d = range.From; d <= range.To; ++d) {
        if ((item.WeekdayMask >> WeekdayOf(d)) & 1) days.Add(d);
      }
      break;
    case RunItemBase::kWorkdays:
      days = workdays;
      break;
    case RunItemBase::kDate:
      days.Add(item.Date);
      break;
    case RunItemBase::kCalendar:
      if (const int calendar = FindCalendar(item.Name); calendar >= 0) {
        const auto& dates = CalendarDates(calendar);
        for (auto it = std::lower_bound(dates.begin(), dates.end(), range.From);
             it != dates.end() && *it <= range.To; ++it) {
          days.Add(*it);
        }
      }
      break;
    case RunItemBase::kRunCycle: {
      DaySet cycle(range);
      AddRunCycleDays(item, cycle);
      cycle.ForEach([&](DayNumber d) {
        if (d >= item.ValidFrom) days.Add(d);
      });
      break;
    }
  }
  auto step = [&](DayNumber from, int count, bool workdaysOnly) {
    const int direction = count > 0 ? 1 : -1;
    for (int n = std::abs(count); n > 0;) {
      from += direction;
      if (from < range.From || from > range.To) return from;
      if (workdaysOnly ? workdays.Has(from) : WeekdayOf(from) < 5) --n;
    }
    return from;
  };
  if (item.Offset != 0) {
    DaySet moved(range);
    days.ForEach([&](DayNumber d) {
      moved.Add(item.Unit == OffsetUnit::kDays
                    ? d + item.Offset
                    : step(d, item.Offset, item.Unit == OffsetUnit::kWorkdays));
    });
    days = std::move(moved);
  }
  if (item.FreeDays != FreeDayRule::kKeep) {
    DaySet moved(range);
    days.ForEach([&](DayNumber d) {
      if (workdays.Has(d)) {
        moved.Add(d);
      } else if (item.FreeDays != FreeDayRule::kIgnore) {
        moved.Add(step(d, item.FreeDays == FreeDayRule::kNext ? 1 : -1, true));
      }
    });
    days = std::move(moved);
  }
  if (reach == 0) return days;
  DaySet inWindow(window);
  days.ForEach([&](DayNumber d) { inWindow.Add(d); });
  return inWindow;
}

DaySet Forecast::RunDays(int schedule, Window window) const {
  const ScheduleRunDefinition& definition = schedules_[static_cast<size_t>(schedule)];
  DaySet on(window);
  DaySet except(window);
  if (!definition.HasOn) return on;
  for (const RunItem& item : definition.Items) {
    if (item.Base == RunItemBase::kNone || item.Base == RunItemBase::kUnreadable) continue;
    (item.Except ? except : on).Unite(ItemDays(schedule, item, window));
  }
  on.Remove(except);
  return on;
}

namespace {

// How far a free day's move is traced back: past any run of free days a calendar holds around
// a weekend.
constexpr int kMoveReach = 31;

}  // namespace

std::optional<DayNumber> Forecast::MovedFrom(int schedule, const RunItem& item,
                                             DayNumber day) const {
  if (item.FreeDays != FreeDayRule::kNext && item.FreeDays != FreeDayRule::kPrevious) {
    return std::nullopt;
  }
  const Window around{day - kMoveReach, day + kMoveReach};
  const DaySet workdays = Workdays(schedule, around);
  if (!workdays.Has(day)) return std::nullopt;
  RunItem unmoved = item;
  unmoved.FreeDays = FreeDayRule::kKeep;
  const DaySet unmovedDays = ItemDays(schedule, unmoved, around);
  const int direction = item.FreeDays == FreeDayRule::kNext ? -1 : 1;
  for (DayNumber d = day + direction; d >= around.From && d <= around.To && !workdays.Has(d);
       d += direction) {
    if (unmovedDays.Has(d)) return d;
  }
  return std::nullopt;
}

std::vector<RunDayReason> Forecast::Why(int schedule, DayNumber day) const {
  std::vector<RunDayReason> reasons;
  for (const RunItem& item : schedules_[static_cast<size_t>(schedule)].Items) {
    const bool holds = ItemDays(schedule, item, {day, day}).Has(day);
    reasons.push_back({&item, holds, holds ? MovedFrom(schedule, item, day) : std::nullopt});
  }
  return reasons;
}

std::vector<DaySet> Forecast::RunDaysOfEach(Window window) const {
  std::vector<DaySet> classDays(classes_.size());
  std::vector<char> classRead(classes_.size(), 0);
  std::vector<DaySet> runDays(schedules_.size());
  for (size_t s = 0; s < schedules_.size(); ++s) {
    if (!schedules_[s].HasOn) continue;
    DaySet on(window);
    DaySet except(window);
    const std::vector<RunItem>& items = schedules_[s].Items;
    for (size_t i = 0; i < items.size(); ++i) {
      const int c = itemClasses_[firstItemClass_[s] + i];
      if (c < 0) continue;
      DaySet& days = classDays[static_cast<size_t>(c)];
      if (!classRead[static_cast<size_t>(c)]) {
        const ItemOfClass& first = classes_[static_cast<size_t>(c)];
        days = ItemDays(first.Schedule,
                        schedules_[static_cast<size_t>(first.Schedule)].Items[first.Item], window);
        classRead[static_cast<size_t>(c)] = 1;
      }
      (items[i].Except ? except : on).Unite(days);
    }
    on.Remove(except);
    runDays[s] = std::move(on);
  }
  return runDays;
}

std::vector<std::vector<int>> Forecast::DaysOfWindow(Window window) const {
  const std::vector<DaySet> runDays = RunDaysOfEach(window);
  std::vector<size_t> counts(static_cast<size_t>(window.Days()), 0);
  for (const DaySet& runs : runDays) {
    runs.ForEach([&](DayNumber d) { ++counts[static_cast<size_t>(d - window.From)]; });
  }
  std::vector<std::vector<int>> days(counts.size());
  for (size_t d = 0; d < days.size(); ++d) days[d].reserve(counts[d]);
  for (size_t s = 0; s < schedules_.size(); ++s) {
    runDays[s].ForEach([&](DayNumber d) {
      days[static_cast<size_t>(d - window.From)].push_back(static_cast<int>(s));
    });
  }
  return days;
}

std::shared_ptr<const Forecast> ForecastOf(const ExtractStore& store, const Catalogue& catalogue) {
  static std::mutex building;
  const std::lock_guard<std::mutex> lock(building);
  if (!catalogue.RunDays) {
    catalogue.RunDays = std::make_shared<Forecast>(store.ScheduleLines, store.CalendarLines);
  }
  return catalogue.RunDays;
}

}  // namespace vdbq
