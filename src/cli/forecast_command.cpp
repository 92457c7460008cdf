#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/commands.h"
#include "core/extracts/extract_store.h"
#include "core/forecast/forecast.h"
#include "core/forecast/run_days_export.h"
#include "core/text/display_text.h"

namespace vdbq::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kMaxWindowDays = 3660;

struct ForecastOptions {
  std::string From;
  std::string To;
  std::string Schedule;
  std::string Why;
  std::string Format = "table";
};

DayNumber DateOption(const std::string& text, const char* option) {
  const auto day = ParseIsoDate(text);
  if (!day)
    throw CliExit{kExitFailure, std::string(option) + " takes a date as YYYY-MM-DD: " + text};
  return *day;
}

Window WindowOf(const CliContext& context, const ForecastOptions& options) {
  Window window;
  window.From = options.From.empty() ? context.Today() : DateOption(options.From, "--from");
  window.To = options.To.empty() ? window.From + (options.Schedule.empty() ? 30 : 365)
                                 : DateOption(options.To, "--to");
  if (window.To < window.From) {
    throw CliExit{kExitFailure, "--to lies before --from: " + IsoDate(window.To)};
  }
  if (window.Days() > kMaxWindowDays) {
    throw CliExit{kExitFailure, "The window holds more than 3,660 days: " + IsoDate(window.From) +
                                    " to " + IsoDate(window.To)};
  }
  return window;
}

// The forecast reads the schedules and calendars only. The other five must be there as for
// any command, but reading them (the jobs file is the largest by far) would cost more than the
// forecast itself.
std::unique_ptr<Forecast> LoadForecast(CliContext& context) {
  const std::string dir = context.DatabaseDir();
  for (const char* name : kExtractLoadOrder) {
    std::error_code ignored;
    if (!std::filesystem::exists(dir + name, ignored)) {
      throw CliExit{kExitFailure, kExtractsNotFound};
    }
  }
  try {
    LoadExtractFiles(dir, {kSchedulesFile, kCalendarsFile}, context.Store);
  } catch (const ExtractFileError& error) {
    throw CliExit{kExitFailure, error.what()};
  }
  return std::make_unique<Forecast>(context.Store.ScheduleLines, context.Store.CalendarLines);
}

std::string Weekday(DayNumber day) { return kWeekdayNames[WeekdayOf(day)]; }
std::string Text(std::string_view bytes) { return DisplayText(bytes); }

Json UnreadJson(std::vector<UnreadItem> unread) {
  std::stable_sort(unread.begin(), unread.end(),
                   [](const UnreadItem& a, const UnreadItem& b) { return a.Line < b.Line; });
  Json list = Json::array();
  for (const UnreadItem& u : unread) {
    list.push_back({{"key", Text(u.Key)},
                    {"file", kSchedulesFile},
                    {"line", u.Line + 1},
                    {"item", Text(u.Item)}});
  }
  return list;
}

void PrintUnreadTable(const std::vector<UnreadItem>& unread) {
  for (const UnreadItem& u : unread) {
    std::cout << "unread " << kSchedulesFile << ":" << u.Line + 1 << "  " << Text(u.Key) << ": "
              << Text(u.Item) << '\n';
  }
}

void PrintCsv(const Forecast& forecast, const std::vector<ScheduleRun>& runs) {
  WriteRunsCsv(forecast, runs, [](std::string_view piece) {
    std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
  });
}

void PrintIcs(const Forecast& forecast, const std::vector<ScheduleRun>& runs, DayNumber today) {
  std::cout << RunsIcs(forecast, runs, today);
}

int RunWhy(const Forecast& forecast, int schedule, const ForecastOptions& options) {
  const DayNumber day = DateOption(options.Why, "--why");
  const ScheduleRunDefinition& s = forecast.Schedules()[static_cast<size_t>(schedule)];
  const bool runs = forecast.RunDays(schedule, {day, day}).Has(day);
  const bool workday = forecast.Workdays(schedule, {day, day}).Has(day);
  const std::vector<RunDayReason> reasons = forecast.Why(schedule, day);
  if (options.Format == "json") {
    Json items = Json::array();
    for (const RunDayReason& r : reasons) {
      items.push_back({{"clause", r.Item->Except ? "EXCEPT" : "ON"},
                       {"item", Text(r.Item->Text)},
                       {"holds", r.Holds}});
    }
    const Json out = {{"key", Text(s.Key)},
                      {"date", IsoDate(day)},
                      {"runs", runs},
                      {"workday", workday},
                      {"items", items}};
    std::cout << out.dump(2) << '\n';
    return kExitDone;
  }
  std::cout << Text(s.Key) << " " << IsoDate(day) << " " << Weekday(day) << ": "
            << (runs ? "runs" : "does not run") << " (" << (workday ? "a workday" : "a free day")
            << ")\n";
  for (const RunDayReason& r : reasons) {
    std::cout << "  " << (r.Item->Except ? "EXCEPT " : "ON ") << Text(r.Item->Text) << "  "
              << (r.Holds ? "holds" : "does not hold") << '\n';
  }
  return kExitDone;
}

int RunSchedule(const Forecast& forecast, const ForecastOptions& options, Window window,
                DayNumber today) {
  const int schedule = forecast.Find(options.Schedule);
  if (schedule < 0) {
    throw CliExit{kExitNotCompleted, "Schedule not found: " + Text(options.Schedule)};
  }
  if (!options.Why.empty()) return RunWhy(forecast, schedule, options);
  const ScheduleRunDefinition& s = forecast.Schedules()[static_cast<size_t>(schedule)];
  const DaySet days = forecast.RunDays(schedule, window);
  std::vector<ScheduleRun> runs;
  days.ForEach([&](DayNumber d) { runs.push_back({d, schedule}); });
  if (options.Format == "csv") {
    PrintCsv(forecast, runs);
  } else if (options.Format == "ics") {
    PrintIcs(forecast, runs, today);
  } else if (options.Format == "json") {
    Json on = Json::array(), except = Json::array(), runDays = Json::array();
    for (const RunItem& item : s.Items) (item.Except ? except : on).push_back(Text(item.Text));
    for (const ScheduleRun& run : runs) runDays.push_back(IsoDate(run.Day));
    const Json out = {
        {"key", Text(s.Key)},
        {"from", IsoDate(window.From)},
        {"to", IsoDate(window.To)},
        {"onRequest", !s.HasOn},
        {"at", Text(s.At)},
        {"on", on},
        {"except", except},
        {"freedays",
         {{"calendar", s.Free.Calendar.empty() ? Json(nullptr) : Json(Text(s.Free.Calendar))},
          {"saturday", s.Free.Saturday},
          {"sunday", s.Free.Sunday}}},
        {"runDays", runDays},
        {"unread", UnreadJson(s.Unread)}};
    std::cout << out.dump(2) << '\n';
  } else {
    std::cout << Text(s.Key) << (s.At.empty() ? "" : " at " + Text(s.At)) << ", "
              << IsoDate(window.From) << " to " << IsoDate(window.To) << '\n';
    for (const RunItem& item : s.Items) {
      std::cout << (item.Except ? "EXCEPT " : "ON ") << Text(item.Text) << '\n';
    }
    std::cout << "free days: "
              << (s.Free.Calendar.empty() ? std::string("no calendar") : Text(s.Free.Calendar))
              << (s.Free.Saturday ? ", Saturday" : "") << (s.Free.Sunday ? ", Sunday" : "") << '\n';
    if (!s.HasOn) std::cout << "on request only: no run day\n";
    for (const ScheduleRun& run : runs)
      std::cout << IsoDate(run.Day) << " " << Weekday(run.Day) << '\n';
    PrintUnreadTable(s.Unread);
    std::cout << runs.size() << " run days\n";
  }
  return kExitDone;
}

// The whole database's JSON is written day by day from each schedule's entry, encoded once:
// a year of a large database holds tens of millions of runs.
void PrintWindowJson(const Forecast& forecast, const std::vector<std::vector<int>>& days,
                     Window window) {
  std::vector<std::string> entries;
  entries.reserve(forecast.Schedules().size());
  for (const ScheduleRunDefinition& s : forecast.Schedules()) {
    entries.push_back(Json{{"key", Text(s.Key)}, {"at", Text(s.At)}}.dump());
  }
  std::string out = "{\n  \"from\": \"" + IsoDate(window.From) + "\",\n  \"to\": \"" +
                    IsoDate(window.To) + "\",\n  \"days\": [";
  for (size_t d = 0; d < days.size(); ++d) {
    const DayNumber day = window.From + static_cast<DayNumber>(d);
    out += d ? ",\n    " : "\n    ";
    out += "{\"date\": \"" + IsoDate(day) + "\", \"weekday\": \"" + Weekday(day) +
           "\", \"schedules\": [";
    for (size_t k = 0; k < days[d].size(); ++k) {
      if (k) out += ", ";
      out += entries[static_cast<size_t>(days[d][k])];
    }
    out += "]}";
    if (out.size() > (1 << 22)) {
      std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
      out.clear();
    }
  }
  std::vector<UnreadItem> unread;
  for (const ScheduleRunDefinition& s : forecast.Schedules()) {
    unread.insert(unread.end(), s.Unread.begin(), s.Unread.end());
  }
  out += "\n  ],\n  \"unread\": " + UnreadJson(std::move(unread)).dump() + "\n}\n";
  std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
}

int RunWindow(const Forecast& forecast, const ForecastOptions& options, Window window,
              DayNumber today) {
  const std::vector<std::vector<int>> days = forecast.DaysOfWindow(window);
  if (options.Format == "json") {
    PrintWindowJson(forecast, days, window);
    return kExitDone;
  }
  if (options.Format == "csv" || options.Format == "ics") {
    std::vector<ScheduleRun> runs;
    for (size_t d = 0; d < days.size(); ++d) {
      for (int s : days[d]) runs.push_back({window.From + static_cast<DayNumber>(d), s});
    }
    if (options.Format == "csv") {
      PrintCsv(forecast, runs);
    } else {
      PrintIcs(forecast, runs, today);
    }
    return kExitDone;
  }
  std::string out;
  for (size_t d = 0; d < days.size(); ++d) {
    const DayNumber day = window.From + static_cast<DayNumber>(d);
    out += IsoDate(day) + " " + Weekday(day) + "  " + std::to_string(days[d].size()) +
           (days[d].size() == 1 ? " schedule\n" : " schedules\n");
    for (int s : days[d]) {
      const ScheduleRunDefinition& schedule = forecast.Schedules()[static_cast<size_t>(s)];
      std::string at = Text(schedule.At);
      at.resize(std::max<size_t>(at.size(), 4), ' ');
      out += "  " + at + "  " + Text(schedule.Key) + "\n";
    }
  }
  std::cout << out;
  for (const ScheduleRunDefinition& s : forecast.Schedules()) PrintUnreadTable(s.Unread);
  return kExitDone;
}

int RunForecast(CliContext& context, const ForecastOptions& options) {
  const DayNumber today = context.Today();
  const Window window = WindowOf(context, options);
  if (!options.Why.empty()) {
    DateOption(options.Why, "--why");
    if (options.Format == "csv" || options.Format == "ics") {
      throw CliExit{kExitFailure, "--why prints a table or json"};
    }
  }
  const std::unique_ptr<Forecast> forecast = LoadForecast(context);
  if (!options.Schedule.empty()) return RunSchedule(*forecast, options, window, today);
  return RunWindow(*forecast, options, window, today);
}

}  // namespace

void AddForecastCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto options = std::make_shared<ForecastOptions>();
  auto* forecast = app.add_subcommand(
      "forecast", "The run days of the schedules, from their ON, EXCEPT and FREEDAYS clauses");
  forecast->add_option("--from", options->From, "first date, YYYY-MM-DD (default: --today)");
  forecast->add_option("--to", options->To,
                       "last date (default: 30 days after --from, 365 for one schedule)");
  auto* schedule =
      forecast->add_option("--schedule", options->Schedule, "one schedule, WORKSTATION#SCHEDULE");
  forecast->add_option("--why", options->Why, "each item and whether it holds on this date")
      ->needs(schedule);
  forecast->add_option("--format", options->Format, "table (default), json, csv or ics")
      ->check(CLI::IsMember({"table", "json", "csv", "ics"}));
  forecast->footer(
      "Examples:\n  varnoltdbq-cli --today 2027-01-04 forecast\n"
      "  varnoltdbq-cli forecast --schedule HFDWH01#DW_NIGHTLY --why 2027-12-24");
  forecast->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunForecast(context, *options); };
  });
}

}  // namespace vdbq::cli
