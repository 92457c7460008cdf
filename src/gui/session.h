#pragma once

#include <memory>
#include <string>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/forecast/civil_day.h"
#include "core/reports/report_panel.h"
#include "core/reports/result_list.h"
#include "core/settings/settings.h"

namespace vdbq::gui {

// What one run of the program holds: settings, the loaded extracts and their catalogue, the
// report panel and result list, the audit log and the tree selection.
struct Session {
  Session() : Audit(Settings) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  vdbq::Settings Settings;
  ExtractStore Store;
  vdbq::Catalogue Catalogue;
  ReportPanel Panel;
  ResultList Results;
  AuditLog Audit;  // reads Settings.LogDir at every line
  std::string SelectedName;
  std::string SelectedCpu;
};

// The date the calendar reports take as today: the day of the audit log's time stamp.
inline DayNumber TodayOf(const Session& s) {
  const TimeStamp& stamp = s.Audit.Stamp();
  return DayOf(stamp.StampYear, stamp.StampMonth, stamp.StampDay);
}

}  // namespace vdbq::gui
