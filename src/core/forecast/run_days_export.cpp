#include "core/forecast/run_days_export.h"

#include <algorithm>
#include <cstdlib>

#include "core/forecast/ical_date.h"
#include "core/output/csv_text.h"
#include "core/text/display_text.h"

namespace vdbq {
namespace {

std::string CompactDate(DayNumber day) {
  std::string iso = IsoDate(day);
  iso.erase(std::remove(iso.begin(), iso.end(), '-'), iso.end());
  return iso;
}

}  // namespace

// Each schedule's fields are quoted once and each date written once.
void WriteRunsCsv(const Forecast& forecast, const std::vector<ScheduleRun>& runs,
                  const std::function<void(std::string_view)>& write) {
  constexpr size_t kPieceBytes = size_t{1} << 22;
  std::vector<std::string> fields(forecast.Schedules().size());
  std::string out = "Date,Weekday,Schedule,At\n";
  std::string datePart;
  DayNumber dateOfPart = 0;
  for (const ScheduleRun& run : runs) {
    std::string& field = fields[static_cast<size_t>(run.Schedule)];
    if (field.empty()) {
      const ScheduleRunDefinition& s = forecast.Schedules()[static_cast<size_t>(run.Schedule)];
      AppendCsvFileField(field, s.Key);
      field += ',';
      AppendCsvFileField(field, s.At);
      field += '\n';
    }
    if (datePart.empty() || run.Day != dateOfPart) {
      datePart = IsoDate(run.Day) + "," + kWeekdayNames[WeekdayOf(run.Day)] + ",";
      dateOfPart = run.Day;
    }
    out += datePart;
    out += field;
    if (out.size() > kPieceBytes) {
      write(out);
      out.clear();
    }
  }
  write(out);
}

std::string RunsCsv(const Forecast& forecast, const std::vector<ScheduleRun>& runs) {
  std::string text;
  WriteRunsCsv(forecast, runs, [&text](std::string_view piece) { text += piece; });
  return text;
}

// The UID is made of key and date so that a second import of the same forecast replaces its
// events instead of doubling them.
std::string RunsIcs(const Forecast& forecast, const std::vector<ScheduleRun>& runs,
                    DayNumber today) {
  icalcomponent* calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
  icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar, icalproperty_new_prodid("-//VarnoltDBQ//forecast//EN"));
  icaltimetype stamp = IcalDateValue(today);
  stamp.is_date = 0;
  stamp.hour = stamp.minute = stamp.second = 0;
  stamp.zone = icaltimezone_get_utc_timezone();
  for (const ScheduleRun& run : runs) {
    const std::string key =
        DisplayText(forecast.Schedules()[static_cast<size_t>(run.Schedule)].Key);
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(
        event, icalproperty_new_uid((key + "-" + CompactDate(run.Day) + "@varnoltdbq").c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_dtstart(IcalDateValue(run.Day)));
    icalcomponent_add_property(event, icalproperty_new_dtend(IcalDateValue(run.Day + 1)));
    icalcomponent_add_property(event, icalproperty_new_summary(key.c_str()));
    icalcomponent_add_component(calendar, event);
  }
  char* text = icalcomponent_as_ical_string_r(calendar);
  std::string out(text);
  std::free(text);
  icalcomponent_free(calendar);
  return out;
}

}  // namespace vdbq
