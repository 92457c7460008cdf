#include "gui/report/report_runner.h"

#include <QApplication>
#include <system_error>

#include "gui/report/report_panel_widget.h"
#include "gui/report/result_model.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

ReportRunner::ReportRunner(ReportRunTarget target, std::function<void()> showReportPage,
                           std::function<void(const QString&)> showMessage, QObject* parent)
    : QObject(parent),
      target_(target),
      showReportPage_(std::move(showReportPage)),
      showMessage_(std::move(showMessage)) {}

bool ReportRunner::Running() const { return target_.Panel.ReportRunning; }

RunOutcome ReportRunner::Run() {
  if (Running()) return RunOutcome::Busy;
  target_.PanelWidget.PullSearchText();
  return Execute([](ReportContext& ctx) { return RunReport(ctx); });
}

RunOutcome ReportRunner::RunPreset(const PresetEntry& preset,
                                   const std::optional<std::string>& search) {
  if (Running()) return RunOutcome::Busy;
  const ReportEntry* entry = FindReport(preset.Category, preset.Option);
  if (entry == nullptr) return RunOutcome::NotRun;
  target_.PanelWidget.PullSearchText();
  return Execute(
      [entry, &search](ReportContext& ctx) { return vdbq::RunPreset(ctx, *entry, search); });
}

RunOutcome ReportRunner::Execute(const std::function<RunOutcome(ReportContext&)>& run) {
  ReportContext ctx{target_.Store, target_.Catalogue, target_.Panel,         target_.Results,
                    target_.Audit, progress_,         target_.Audit.Stamp(), showReportPage_};
  // With the extracts missing no report runs: no status, no cursor, no hint. A preset still
  // sets up the panel.
  if (target_.Store.ExtractsMissing) {
    const RunOutcome outcome = run(ctx);
    target_.PanelWidget.Sync();
    return outcome;
  }
  emit statusChanged(QString::fromLatin1(kProcessing));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  target_.PanelWidget.Strobe()->Start();
  target_.Model.BeginRun();
  progress_.Reset();
  RunOutcome outcome = RunOutcome::NotRun;
  QString failure;
  try {
    outcome = run(ctx);
  } catch (const ReportDataError& error) {
    failure = ToQString(error.what());
  } catch (const std::system_error& error) {
    failure = QStringLiteral("The audit log could not be written: %1").arg(ToQString(error.what()));
  }

  target_.Model.EndRun();
  target_.PanelWidget.Strobe()->Stop();
  QApplication::restoreOverrideCursor();
  if (!failure.isEmpty()) {
    // A report stopped part-way: say why, and let the status bar say so too.
    if (target_.Panel.StatusText.rfind("Process", 0) == 0) {
      target_.Panel.StatusText = ToBytes(failure);
    }
    emit statusChanged(ToQString(target_.Panel.StatusText));
    emit finished();
    showMessage_(failure);
    return outcome;
  }
  emit statusChanged(ToQString(target_.Panel.StatusText));
  emit finished();
  return outcome;
}

}  // namespace vdbq::gui
