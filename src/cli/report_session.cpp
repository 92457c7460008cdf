#include "cli/report_session.h"

#include <system_error>

#include "core/audit/time_stamp.h"

namespace vdbq::cli {
namespace {

TimeStamp TodayFrom(const std::string& option) {
  if (option.empty()) return TakeTimeStamp();
  TimeStamp today;
  today.StampYear = static_cast<std::uint16_t>(std::stoi(option.substr(0, 4)));
  today.StampMonth = static_cast<std::uint16_t>(std::stoi(option.substr(5, 2)));
  today.StampDay = static_cast<std::uint16_t>(std::stoi(option.substr(8, 2)));
  return today;
}

}  // namespace

ReportSession::ReportSession(CliContext& context) : context_(context) {
  context_.Settings.LogDir = context_.LogDir();
  context_.LoadDatabase();
  Audit = std::make_unique<AuditLog>(context_.Settings);
  today_ = TodayFrom(context_.TodayOption);
  Panel.SetTotals(context_.Catalogue.Totals);
}

void ReportSession::Run(const ReportEntry& entry, const std::string& searchText) {
  ReportContext ctx{context_.Store, context_.Catalogue, Panel, Results, *Audit, progress_,
                    today_, nullptr};
  const long long completedBefore = Results.RunsCompleted;
  try {
    RunPreset(ctx, entry, searchText);
  } catch (const ReportDataError& error) {
    throw CliExit{kExitFailure, error.what()};
  } catch (const std::system_error& error) {
    throw CliExit{kExitFailure, std::string("Cannot write the audit log: ") + error.what()};
  }
  Completed = Results.RunsCompleted > completedBefore;
}

}  // namespace vdbq::cli
