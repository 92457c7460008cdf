#include "gui/check/check_commands.h"

#include "core/check/check_database.h"
#include "core/output/save_dialog.h"
#include "gui/check/findings_page.h"
#include "gui/desktop_host.h"
#include "gui/output/save_file.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/text_convert.h"
#include "gui/widgets/click_label.h"

namespace vdbq::gui {
namespace {

constexpr SaveDialogTexts kFindingsSaveDialog{"Comma Separated Value files (*.csv)|*.CSV",
                                              "Export Findings To CSV File..."};

}  // namespace

CheckCommands::CheckCommands(DesktopHost& host, SchedulePageWidget& schedulePage, QObject* parent)
    : QObject(parent), host_(host), schedulePage_(schedulePage) {
  page_ = new FindingsPage(host_.Window());
  host_.AddPage(PageCategory::Findings, page_);
  totals_ = new ClickLabel(QString(), host_.Window());
  totals_->setObjectName(QStringLiteral("checkTotals"));
  totals_->setToolTip(QStringLiteral("Click to see the findings of the database check"));
  totals_->setCursor(Qt::PointingHandCursor);
  totals_->hide();
  host_.AddStatusWidget(totals_);

  CheckDatabase = new QAction(QStringLiteral("Check Database"), this);
  CheckDatabase->setObjectName(QStringLiteral("checkDatabase"));
  host_.AddMenuEntry(MenuPlace::ReportsEnd, CheckDatabase);
  // The tree shows its entry on headings only, so it is an action of its own.
  auto* treeEntry = new QAction(QStringLiteral("Check Database"), this);
  host_.AddMenuEntry(MenuPlace::TreeDatabase, treeEntry);
  connect(treeEntry, &QAction::triggered, CheckDatabase, &QAction::trigger);
  connect(CheckDatabase, &QAction::triggered, this, [this] {
    if (host_.Busy()) return;
    Run();
    ShowPage();
  });
  connect(totals_, &ClickLabel::clicked, this, &CheckCommands::ShowPage);
  connect(page_, &FindingsPage::openRequested, this, &CheckCommands::Open);
  connect(page_, &FindingsPage::exportRequested, this, &CheckCommands::ExportCsv);
}

void CheckCommands::Run() {
  const Session& s = host_.State();
  if (s.Store.ExtractsMissing || s.Catalogue.Tree.empty()) {
    page_->SetFindings({});
    totals_->hide();
    return;
  }
  Progress progress;
  page_->SetFindings(vdbq::CheckDatabase(s.Store, s.Catalogue, CheckOptions{TodayOf(s)}, progress));
  const FindingTotals totals = CountFindings(page_->Findings());
  totals_->setText(QString::fromStdString(TotalsText(totals)));
  totals_->setStyleSheet(totals.Errors > 0 ? QStringLiteral("color: maroon; padding: 0 6px")
                                           : QStringLiteral("padding: 0 6px"));
  totals_->show();
}

void CheckCommands::ShowPage() { host_.ShowPage(PageCategory::Findings); }

void CheckCommands::Open(const Finding& finding) {
  host_.OpenObject(finding.Kind, finding.Key);
  if (finding.Kind != ObjectKind::Schedule || finding.File != kSchedulesFile) return;
  // Opening the object has shown the schedule: mark the finding's line on its page.
  schedulePage_.MarkLine(finding.Line);
}

void CheckCommands::ExportCsv() {
  SaveTextAs(host_, kFindingsSaveDialog, [this] { return FindingsCsv(page_->Findings()); });
}

}  // namespace vdbq::gui
