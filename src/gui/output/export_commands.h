#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/output/save_dialog.h"
#include "gui/output/output_context.h"

namespace vdbq::gui {

// The result list's exports and copies: CSV to a file or to the clipboard, the schedule
// document to a file or to the browser.
class ExportCommands {
 public:
  explicit ExportCommands(OutputContext context) : context_(std::move(context)) {}

  // ExportToCSVFile1Click
  void ExportToCsvFile();
  // CopyToClipBoardAsCSVData1Click
  void CopyCsvToClipboard();
  // ExportToHTMLFile1Click
  void ExportToHtmlFile();
  // ViewInInternetExplorer1Click
  void ViewInBrowser();

 private:
  // Creates the saves directory when missing, asks for the file and, when it exists, whether
  // to overwrite it; nothing when the user declined either.
  std::optional<QString> AskExportFile(const SaveDialogTexts& texts);
  // Writes the whole file; a file that cannot be written is reported in the error box.
  bool WriteExportFile(const QString& name, const std::string& bytes);

  OutputContext context_;
};

}  // namespace vdbq::gui
