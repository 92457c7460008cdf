#pragma once

// The window and the parts of it that most tests reach; a test includes only what it alone uses.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/catalogue/catalogue_model.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/main_window.h"
#include "gui/output/desktop.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/report/report_page.h"
#include "gui/report/report_panel_widget.h"
#include "gui/report/result_model.h"
#include "gui/settings/settings_dialog.h"
#include "gui/window/main_menu.h"
#include "platform/qsettings_store.h"

namespace vdbq::gui::testing {

// Sounds the window asked for, in order.
class RecordingSounds : public SoundPlayer {
 public:
  explicit RecordingSounds(std::vector<Sound>& played) : played_(played) {}
  void Stop() override {}
  void Start(Sound sound) override { played_.push_back(sound); }

 private:
  std::vector<Sound>& played_;
};

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

  // The directory (or the proposed file) and the filter each save dialog opened with.
  std::vector<QString> SaveDirectories;
  std::vector<QString> SaveFilters;
  std::vector<QString> Questions;
  std::vector<QString> Informations;
  std::vector<QString> Opened;
  int ColourRequests = 0;

  std::optional<QString> AskSaveFileName(QWidget*, const QString&, const QString& directory,
                                         const QString& filter) override {
    SaveDirectories.push_back(directory);
    SaveFilters.push_back(filter);
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

using Extracts = std::map<std::string, std::string>;

// A main window in a program directory of its own: the settings in an INI file there, the
// database below it in DBase/, sounds and message boxes recorded instead of played and shown,
// dialogs answered by Desktop.
class WindowFixture {
 public:
  enum class Database { Sample, None };
  explicit WindowFixture(Database database = Database::Sample);
  // A database of small inline extracts (files not named get a minimal content).
  explicit WindowFixture(const Extracts& extracts);

  // Writes a setting before the window starts.
  void Preset(const std::string& name, const std::string& value);
  // Shows the window and waits for its first activation to end.
  MainWindow& Start();
  // Closes the window (which stores the settings), and starts a new one on the same program
  // directory and settings file, as the next run of the program.
  MainWindow& Restart();

  MainWindow& Window() { return *window_; }
  std::string ProgramDir() const;
  std::string DatabaseDir() const { return ProgramDir() + "DBase/"; }
  QString IniPath() const;

  // Selects the node at the end of the caption path, from its heading down (expanding what
  // lies above it).
  bool Select(const std::vector<std::string>& path);

  std::vector<Sound> Sounds;
  std::vector<QString> Messages;
  ScriptedDesktop Desktop;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<QSettingsStore> store_;
  std::unique_ptr<MainWindow> window_;
};

// The bundled sample database.
QString SampleDatabaseDir();
// The file's bytes, empty when it cannot be read.
QByteArray FileBytes(const QString& path);
// Writes the file, replacing what it held; false when it cannot be written.
bool WriteBytes(const QString& path, const QByteArray& bytes);
// Copies every file of `from` into `to` (created when missing).
void CopyDirectory(const QString& from, const QString& to);

// A left click in the middle of a widget.
void Click(QWidget* widget);
// The text of the label of that object name below `parent`.
QString LabelText(const QWidget* parent, const char* name);
// The object name of the page on show.
QString PageName(const MainWindow& window);
// Steps the report panel to the category, ticks the option, types the search text, presses Go.
void RunReport(MainWindow& window, int category, int option, const QString& search = {});
// The entry of that text in the menu or its submenus; nullptr when there is none.
QAction* FindAction(QMenu* menu, const QString& text);
// The menu bar's report menu.
QMenu* ReportsMenu(MainWindow& window);
// Opens "Settings..." and runs `step` inside the modal dialog once it is on screen (before it
// opens the window may wait on the keyring, running the event loop); a dialog still open
// afterwards is closed with Cancel.
void WithSettingsDialog(MainWindow& window, const std::function<void(SettingsDialog&)>& step);
// Lets posted layout and paint events run.
void Settle();
// Makes the window the active one, for focus and keys.
bool Activate(MainWindow& window);
// The mouse entering and leaving a widget, as the window system reports it.
void Enter(QWidget* widget);
void Leave(QWidget* widget);

}  // namespace vdbq::gui::testing
