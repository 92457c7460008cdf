#include "gui/output/export_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/output/clipboard_csv.h"
#include "core/output/csv_text.h"
#include "core/output/html_report.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

std::optional<QString> ExportCommands::AskExportFile(const SaveDialogTexts& texts) {
  const QString saves = QString::fromStdString(context_.State.Settings.SavesDir);
  if (!saves.isEmpty() && !QFileInfo(saves).isDir()) QDir().mkdir(saves);
  std::optional<QString> name = context_.Dialogs.AskSaveFileName(
      context_.Window, QString::fromLatin1(texts.Title), saves, QString::fromLatin1(texts.Filter));
  if (!name) return std::nullopt;
  if (QFileInfo::exists(*name)) {
    const QString question = ToQString(OverwriteQuestion(name->toStdString()));
    if (!context_.Dialogs.AskYesNo(context_.Window, question)) return std::nullopt;
  }
  return name;
}

bool ExportCommands::WriteExportFile(const QString& name, const std::string& bytes) {
  QFile file(name);
  const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                       file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                           static_cast<qint64>(bytes.size()) &&
                       file.flush();
  if (!written) {
    context_.ShowError(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(name)));
  }
  return written;
}

void ExportCommands::ExportToCsvFile() {
  const std::optional<QString> name = AskExportFile(kCsvSaveDialog);
  if (!name) return;
  WriteExportFile(*name, CsvFileText(context_.State.Results));
}

void ExportCommands::CopyCsvToClipboard() {
  QApplication::clipboard()->setText(ToQString(ClipboardCsvText(context_.State.Results)));
  context_.SetStatus(QString::fromLatin1(kCopiedCsvStatus));
}

void ExportCommands::ExportToHtmlFile() {
  const std::optional<QString> name = AskExportFile(kHtmlSaveDialog);
  if (!name) return;
  if (!WriteExportFile(*name, ScheduleHtmlDocument(context_.State.Results))) return;
  context_.SetStatus(ToQString(HtmlSavedStatus(name->toStdString())));
}

void ExportCommands::ViewInBrowser() {
  // The saves directory is not created here: the file goes where the exports go, or nowhere.
  const QString path = QString::fromStdString(HtmlTempFilePath(context_.State.Settings.SavesDir));
  if (!WriteExportFile(path, ScheduleHtmlDocument(context_.State.Results))) return;
  context_.Dialogs.OpenWithDefaultHandler(path);
}

}  // namespace vdbq::gui
