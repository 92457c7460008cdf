#include "gui/changes/changes_commands.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "core/diff/changes_csv.h"
#include "core/output/save_dialog.h"
#include "core/transfer/extract_history.h"
#include "gui/changes/changes_page.h"
#include "gui/output/desktop.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

ChangesCommands::ChangesCommands(Session& session, ChangesPage& page, Desktop& desktop,
                                 QWidget* window, Hooks hooks)
    : QObject(window),
      session_(session),
      page_(page),
      desktop_(desktop),
      window_(window),
      hooks_(std::move(hooks)) {
  CompareWithPrevious = new QAction(QStringLiteral("Compare With Previous Extracts"), this);
  CompareWithFolder = new QAction(QStringLiteral("Compare With Folder..."), this);
  if (!hooks_.PickFolder) {
    hooks_.PickFolder = [this]() -> std::optional<QString> {
      const QString dir =
          QFileDialog::getExistingDirectory(window_, QStringLiteral("Compare With Folder..."),
                                            QString::fromStdString(session_.Settings.DatabaseDir));
      if (dir.isEmpty()) return std::nullopt;
      return dir;
    };
  }
  connect(&page_, &ChangesPage::exportRequested, this, &ChangesCommands::ExportCsv);
}

bool ChangesCommands::CompareWith(const std::string& oldDir) {
  const std::string& newDir = session_.Settings.DatabaseDir;
  DatabaseDiff diff;
  try {
    diff = DiffDatabases(oldDir, newDir);
  } catch (const DiffLoadError& error) {
    const QString text = ToQString(error.what());
    hooks_.SetStatus(text);
    hooks_.ShowError(text);
    return false;
  }
  const QString status = ToQString(ChangesStatusText(diff));
  page_.ShowDiff(std::move(diff), QDir::toNativeSeparators(QString::fromStdString(oldDir)),
                 QDir::toNativeSeparators(QString::fromStdString(newDir)));
  hooks_.ShowPage();
  hooks_.SetStatus(status);
  return true;
}

bool ChangesCommands::ComparePrevious() {
  const std::string previous = NewestExtractSet(session_.Settings.DatabaseDir);
  if (previous.empty()) {
    const QString text =
        QStringLiteral("No Previous Extracts Kept In %1")
            .arg(QString::fromStdString(session_.Settings.DatabaseDir + kHistoryDirName));
    hooks_.SetStatus(text);
    hooks_.ShowError(text);
    return false;
  }
  return CompareWith(previous);
}

bool ChangesCommands::CompareFolder() {
  const std::optional<QString> folder = hooks_.PickFolder();
  if (!folder) return false;
  std::string dir = QDir(*folder).absolutePath().toStdString();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return CompareWith(dir);
}

void ChangesCommands::ExportCsv() {
  const QString saves = QString::fromStdString(session_.Settings.SavesDir);
  if (!saves.isEmpty() && !QFileInfo(saves).isDir()) QDir().mkdir(saves);
  const std::optional<QString> name =
      desktop_.AskSaveFileName(window_, QString::fromLatin1(kCsvSaveDialog.Title), saves,
                               QString::fromLatin1(kCsvSaveDialog.Filter));
  if (!name) return;
  if (QFileInfo::exists(*name) &&
      !desktop_.AskYesNo(window_, ToQString(OverwriteQuestion(name->toStdString())))) {
    return;
  }
  const std::string bytes = ChangesCsvText(page_.Diff());
  QFile file(*name);
  const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                       file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                           static_cast<qint64>(bytes.size()) &&
                       file.flush();
  if (!written) {
    hooks_.ShowError(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(*name)));
  }
}

}  // namespace vdbq::gui
