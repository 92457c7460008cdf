#include "gui/changes/changes_commands.h"

#include <QDir>
#include <QFileDialog>

#include "core/diff/changes_csv.h"
#include "core/output/save_dialog.h"
#include "core/transfer/extract_history.h"
#include "gui/changes/changes_page.h"
#include "gui/desktop_host.h"
#include "gui/output/save_file.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

ChangesCommands::ChangesCommands(DesktopHost& host, QObject* parent)
    : QObject(parent), host_(host) {
  page_ = new ChangesPage(host_.Window());
  host_.AddPage(PageCategory::Changes, page_);
  CompareWithPrevious = new QAction(QStringLiteral("Compare With Previous Extracts"), this);
  CompareWithFolder = new QAction(QStringLiteral("Compare With Folder..."), this);
  host_.AddMenuEntry(MenuPlace::FileCommands, CompareWithPrevious);
  host_.AddMenuEntry(MenuPlace::FileCommands, CompareWithFolder);
  connect(CompareWithPrevious, &QAction::triggered, this, [this] {
    if (!host_.Busy()) ComparePrevious();
  });
  connect(CompareWithFolder, &QAction::triggered, this, [this] {
    if (!host_.Busy()) CompareFolder();
  });
  connect(page_, &ChangesPage::objectOpened, this,
          [this](ObjectKind kind, const std::string& key) { host_.OpenObject(kind, key); });
  connect(page_, &ChangesPage::exportRequested, this, &ChangesCommands::ExportCsv);
}

void ChangesCommands::Refuse(const QString& reason) {
  host_.SetStatus(reason);
  host_.ShowMessage(reason);
}

bool ChangesCommands::CompareWith(const std::string& oldDir) {
  const std::string& newDir = host_.State().Settings.DatabaseDir;
  DatabaseDiff diff;
  try {
    diff = DiffDatabases(oldDir, newDir);
  } catch (const DiffLoadError& error) {
    Refuse(ToQString(error.what()));
    return false;
  }
  const QString status = ToQString(ChangesStatusText(diff));
  page_->ShowDiff(std::move(diff), QDir::toNativeSeparators(QString::fromStdString(oldDir)),
                  QDir::toNativeSeparators(QString::fromStdString(newDir)));
  host_.ShowPage(PageCategory::Changes);
  host_.SetStatus(status);
  return true;
}

bool ChangesCommands::ComparePrevious() {
  const std::string& databaseDir = host_.State().Settings.DatabaseDir;
  const std::string previous = NewestExtractSet(databaseDir);
  if (previous.empty()) {
    Refuse(QStringLiteral("No Previous Extracts Kept In %1")
               .arg(QString::fromStdString(databaseDir + kHistoryDirName)));
    return false;
  }
  return CompareWith(previous);
}

bool ChangesCommands::CompareFolder() {
  const QString folder =
      QFileDialog::getExistingDirectory(host_.Window(), QStringLiteral("Compare With Folder..."),
                                        QString::fromStdString(host_.State().Settings.DatabaseDir));
  if (folder.isEmpty()) return false;
  std::string dir = QDir(folder).absolutePath().toStdString();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return CompareWith(dir);
}

void ChangesCommands::ExportCsv() {
  SaveTextAs(host_, kCsvSaveDialog, [this] { return ChangesCsvText(page_->Diff()); });
}

}  // namespace vdbq::gui
