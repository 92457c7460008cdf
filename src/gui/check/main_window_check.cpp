// The main window's part in the database check: the Findings page, the totals in the status
// bar after every load, opening a finding's object, and the CSV export of the findings.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>

#include "core/check/check_database.h"
#include "core/output/save_dialog.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/check/findings_page.h"
#include "gui/main_window.h"
#include "gui/output/desktop.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/text_convert.h"
#include "gui/widgets/click_label.h"
#include "gui/widgets/colour_memo.h"
#include "gui/window/main_menu.h"

namespace vdbq::gui {
namespace {

constexpr SaveDialogTexts kFindingsSaveDialog{"Comma Separated Value files (*.csv)|*.CSV",
                                              "Export Findings To CSV File..."};

// Where the object of a finding stands in the catalogue tree, valid heading first.
std::vector<std::vector<std::string>> TreePaths(const Finding& finding) {
  const std::string& key = finding.Key;
  const size_t hash = key.find('#');
  auto qualified = [&](const char* valid, const char* invalid) {
    if (hash == std::string::npos) return std::vector<std::vector<std::string>>{};
    const std::string cpu = key.substr(0, hash);
    const std::string name = key.substr(hash + 1);
    return std::vector<std::vector<std::string>>{{valid, cpu, name}, {invalid, cpu, name}};
  };
  if (finding.Kind == ObjectKind::Schedule) {
    return qualified(kHeadingSchedules, kHeadingSchedulesInvalid);
  }
  if (finding.Kind == ObjectKind::Job) return qualified(kHeadingJobs, kHeadingJobsInvalid);
  return {{KindHeading(finding.Kind), key}};
}

}  // namespace

void MainWindow::WireCheck() {
  findingsPage_ = new FindingsPage(pages_);
  findingsPage_->setAutoFillBackground(true);
  QPalette pal = findingsPage_->palette();
  pal.setColor(QPalette::Window, QColor(246, 247, 250));
  findingsPage_->setPalette(pal);
  pages_->addWidget(findingsPage_);
  checkTotals_ = new ClickLabel(QString(), this);
  checkTotals_->setObjectName(QStringLiteral("LabCheckTotals"));
  checkTotals_->setToolTip(QStringLiteral("Click to see the findings of the database check"));
  checkTotals_->setCursor(Qt::PointingHandCursor);
  checkTotals_->hide();
  statusBar()->addPermanentWidget(checkTotals_);
  connect(checkTotals_, &ClickLabel::clicked, this, &MainWindow::ShowFindingsPage);
  connect(menu_->CheckDatabase, &QAction::triggered, this, [this] {
    if (Busy()) return;
    RunCheck();
    ShowFindingsPage();
  });
  connect(tree_, &CatalogueTree::checkRequested, menu_->CheckDatabase, &QAction::trigger);
  connect(findingsPage_, &FindingsPage::openRequested, this, &MainWindow::OpenFinding);
  connect(findingsPage_, &FindingsPage::exportRequested, this, &MainWindow::ExportFindings);
}

void MainWindow::RunCheck() {
  if (session_.Store.ExtractsMissing || session_.Catalogue.Tree.empty()) {
    findingsPage_->SetFindings({});
    checkTotals_->hide();
    return;
  }
  Progress progress;
  findingsPage_->SetFindings(CheckDatabase(session_.Store, session_.Catalogue, progress));
  const FindingTotals totals = CountFindings(findingsPage_->Findings());
  checkTotals_->setText(QString::fromStdString(TotalsText(totals)));
  checkTotals_->setStyleSheet(totals.Errors > 0 ? QStringLiteral("color: maroon; padding: 0 6px")
                                                : QStringLiteral("padding: 0 6px"));
  checkTotals_->show();
}

void MainWindow::ShowFindingsPage() {
  navigation_.ShowWithoutSwitch(PageCategory::Inf);
  pages_->setCurrentWidget(findingsPage_);
}

void MainWindow::OpenFinding(const Finding& finding) {
  for (const std::vector<std::string>& path : TreePaths(finding)) {
    const QModelIndex index = treeModel_->FindPath(path);
    if (!index.isValid()) continue;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    break;
  }
  if (finding.Kind != ObjectKind::Schedule || finding.File != kSchedulesFile) return;
  // Selecting the node has shown the schedule: mark the finding's line on its page.
  const std::optional<size_t> row = MemoRowOfLine(schedulePage_->Page(), finding.Line);
  if (!row) return;
  ColourMemo* memo = schedulePage_->Memo();
  const QTextBlock block = memo->document()->findBlockByNumber(static_cast<int>(*row));
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  memo->setTextCursor(cursor);
  memo->ensureCursorVisible();
}

void MainWindow::ExportFindings() {
  const QString saves = QString::fromStdString(session_.Settings.SavesDir);
  if (!saves.isEmpty() && !QFileInfo(saves).isDir()) QDir().mkdir(saves);
  const std::optional<QString> name =
      desktop_->AskSaveFileName(this, QString::fromLatin1(kFindingsSaveDialog.Title), saves,
                                QString::fromLatin1(kFindingsSaveDialog.Filter));
  if (!name) return;
  if (QFileInfo::exists(*name) &&
      !desktop_->AskYesNo(this, ToQString(OverwriteQuestion(name->toStdString())))) {
    return;
  }
  const std::string csv = FindingsCsv(findingsPage_->Findings());
  QFile file(*name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size())) {
    showMessage_(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(*name)));
  }
}

}  // namespace vdbq::gui
