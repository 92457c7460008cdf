#include "support/report_fixture.h"

#include <stdexcept>

#include "support/test_helpers.h"

namespace vdbq::testing {

ReportFixture::ReportFixture(const std::map<std::string, std::string>& extracts) {
  WriteExtractSet(Dir, extracts);
  Settings = DefaultSettings(Dir.DirText());
  Settings.DatabaseDir = Dir.DirText();
  Settings.LogDir = Dir.DirText() + "Logs/";
  RefreshCatalogue(Settings.DatabaseDir, Store, Catalogue);
  Audit = std::make_unique<AuditLog>(Settings, [] { return TimeStamp{2026, 12, 5, 10, 0, 0}; });
  Panel.SetTotals(Catalogue.Totals);
}

ReportContext ReportFixture::Context() {
  return ReportContext{Store,  Catalogue, Panel, Results,
                       *Audit, Progress,  Today, [this] { ++ReportPageShown; }};
}

RunOutcome ReportFixture::Run(const std::string& code, const std::string& search) {
  const ReportEntry* entry = FindReportByCode(code);
  if (entry == nullptr) throw std::invalid_argument("no report " + code);
  ReportContext ctx = Context();
  return RunPreset(ctx, *entry, search);
}

RunOutcome ReportFixture::RunAsGo() {
  ReportContext ctx = Context();
  return RunReport(ctx);
}

std::string ReportFixture::AuditFileText() const { return ReadFile(Audit->FileName()); }

}  // namespace vdbq::testing
