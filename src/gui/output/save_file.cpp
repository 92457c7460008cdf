#include "gui/output/save_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "gui/desktop_host.h"
#include "gui/output/desktop.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

std::optional<QString> AskSaveFile(Desktop& dialogs, QWidget* parent, const std::string& savesDir,
                                   const QString& title, const QString& filter,
                                   const QString& proposed) {
  const QString saves = QString::fromStdString(savesDir);
  if (!saves.isEmpty() && !QFileInfo(saves).isDir()) QDir().mkdir(saves);
  std::optional<QString> name =
      dialogs.AskSaveFileName(parent, title, proposed.isEmpty() ? saves : proposed, filter);
  if (!name) return std::nullopt;
  if (QFileInfo::exists(*name) &&
      !dialogs.AskYesNo(parent, ToQString(OverwriteQuestion(name->toStdString())))) {
    return std::nullopt;
  }
  return name;
}

bool WriteWholeFile(const QString& name, const std::string& bytes) {
  QFile file(name);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
             static_cast<qint64>(bytes.size()) &&
         file.flush();
}

QString CannotCreateFileText(const QString& name) {
  return QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(name));
}

void SaveTextAs(DesktopHost& host, const SaveDialogTexts& texts,
                const std::function<std::string()>& makeText) {
  const std::optional<QString> name =
      AskSaveFile(host.Dialogs(), host.Window(), host.State().Settings.SavesDir,
                  QString::fromLatin1(texts.Title), QString::fromLatin1(texts.Filter));
  if (name && !WriteWholeFile(*name, makeText())) host.ShowMessage(CannotCreateFileText(*name));
}

}  // namespace vdbq::gui
