#pragma once

#include <QPrinter>
#include <deque>
#include <optional>
#include <vector>

#include "gui/output/desktop.h"

namespace vdbq::gui::testing {

// Answers the program's dialogs from a script and records what was asked. With nothing
// scripted every dialog is cancelled or answered No, and there is no printer.
class ScriptedDesktop : public Desktop {
 public:
  // Answers of the save dialogs in turn; an empty name for Cancel.
  std::deque<QString> SaveNames;
  std::deque<bool> YesNoAnswers;
  std::optional<QColor> Colour;
  // The PDF file the printer writes; empty for no printer.
  QString PrintFile;

  // The directory each save dialog opened in.
  std::vector<QString> SaveDirectories;
  std::vector<QString> Questions;
  std::vector<QString> Informations;
  std::vector<QString> Opened;
  int ColourRequests = 0;

  std::optional<QString> AskSaveFileName(QWidget*, const QString&, const QString& directory,
                                         const QString&) override {
    SaveDirectories.push_back(directory);
    if (SaveNames.empty()) return std::nullopt;
    const QString answer = SaveNames.front();
    SaveNames.pop_front();
    if (answer.isEmpty()) return std::nullopt;
    return answer;
  }
  bool AskYesNo(QWidget*, const QString& question) override {
    Questions.push_back(question);
    if (YesNoAnswers.empty()) return false;
    const bool answer = YesNoAnswers.front();
    YesNoAnswers.pop_front();
    return answer;
  }
  std::optional<QColor> PickColour(QWidget*, const QColor&) override {
    ++ColourRequests;
    return Colour;
  }
  void Inform(QWidget*, const QString& text) override { Informations.push_back(text); }
  void OpenWithDefaultHandler(const QString& path) override { Opened.push_back(path); }
  std::optional<QString> SetUpPrinter(QPrinter& printer) override {
    if (PrintFile.isEmpty()) return QStringLiteral("no printer");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintFile);
    return std::nullopt;
  }
};

}  // namespace vdbq::gui::testing
