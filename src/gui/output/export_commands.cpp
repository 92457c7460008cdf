#include "gui/output/export_commands.h"

#include <QApplication>
#include <QClipboard>

#include "core/output/clipboard_csv.h"
#include "core/output/csv_text.h"
#include "core/output/html_report.h"
#include "gui/output/save_file.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

std::optional<QString> ExportCommands::AskExportFile(const SaveDialogTexts& texts) {
  return AskSaveFile(context_.Dialogs, context_.Window, context_.State.Settings.SavesDir,
                     QString::fromLatin1(texts.Title), QString::fromLatin1(texts.Filter));
}

bool ExportCommands::WriteExportFile(const QString& name, const std::string& bytes) {
  const bool written = WriteWholeFile(name, bytes);
  if (!written) context_.ShowError(CannotCreateFileText(name));
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
