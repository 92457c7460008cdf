#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "core/reports/report_presets.h"
#include "core/reports/run_report.h"
#include "gui/report/gui_progress.h"

namespace vdbq::gui {

class ReportPanelWidget;
class ResultModel;

// Everything a run touches.
struct ReportRunTarget {
  const ExtractStore& Store;
  const vdbq::Catalogue& Catalogue;
  ReportPanel& Panel;
  ResultList& Results;
  AuditLog& Audit;
  ReportPanelWidget& PanelWidget;
  ResultModel& Model;
};

// Starts reports from Go, Enter and the presets: shows "Processing...", the wait cursor and
// the moving busy indicator, runs the core's report with the throttled progress, and reports
// data and audit failures in a message box. A second start while one runs is refused.
class ReportRunner : public QObject {
  Q_OBJECT
 public:
  // showMessage puts a failure in front of the user (a message box in the program).
  ReportRunner(ReportRunTarget target, std::function<void()> showReportPage,
               std::function<void(const QString&)> showMessage, QObject* parent = nullptr);

  RunOutcome Run();
  RunOutcome RunPreset(const PresetEntry& preset, const std::optional<std::string>& search);
  bool Running() const;
  GuiProgress& Progress() { return progress_; }

 signals:
  void statusChanged(const QString& text);
  // After every run that started: the panel, hint, titles and list are to be shown anew.
  void finished();

 private:
  RunOutcome Execute(const std::function<RunOutcome(ReportContext&)>& run);

  ReportRunTarget target_;
  std::function<void()> showReportPage_;
  std::function<void(const QString&)> showMessage_;
  GuiProgress progress_;
};

}  // namespace vdbq::gui
