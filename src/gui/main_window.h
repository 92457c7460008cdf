#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QStackedWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/settings/settings_store.h"
#include "gui/catalogue/catalogue_model.h"
#include "gui/category_navigation.h"
#include "gui/desktop_host.h"
#include "gui/resources/sounds.h"
#include "gui/session.h"

namespace vdbq::gui {

class AboutBox;
class CalendarPageWidget;
class CatalogueTree;
class CategoryBar;
class ChangesCommands;
class CheckCommands;
class Desktop;
class ExportCommands;
class ForecastCommands;
class GraphCommands;
class SearchCommands;
class ImpactCommands;
class InstallPage;
class JobPageWidget;
class MainMenu;
class NameListPageWidget;
class PasswordKeeper;
class PrintCommands;
class ReportPage;
class ReportPanelWidget;
class ReportRunner;
class ResourcePageWidget;
class ResultListMenu;
class ResultModel;
class SchedulePageWidget;
class SettingsDialog;
class TitleBar;
class TitlePage;
class TransferRunner;
class WorkstationPageWidget;

// What the window takes from outside; tests point every part at their own.
struct MainWindowEnvironment {
  // Where the program keeps its files, with its trailing separator; "" for the executable's
  // directory, or the user's data directory when the program is installed (DataDirectory).
  std::string ProgramDir;
  // The settings store; nullptr for the user's own (the window then owns it).
  SettingsStore* Store = nullptr;
  // nullptr for the platform's sound player.
  std::unique_ptr<SoundPlayer> Sounds;
  // Puts an error in front of the user; nullptr for a message box.
  std::function<void(const QString&)> ShowMessage;
  // The dialogs, the default file handler and the printer; nullptr for the desktop's own.
  Desktop* Dialogs = nullptr;
};

// The main window (TForm1): the title bar, the catalogue tree, the page area with its category
// buttons, the report panel and the status bar, and the commands that tie them together. The
// graph, changes and check features join it as DesktopHost.
class MainWindow : public QMainWindow, public DesktopHost {
  Q_OBJECT
 public:
  explicit MainWindow(MainWindowEnvironment environment = {});
  ~MainWindow() override;

  // The first-activation steps: settings, directories, report panel, catalogue. Runs once;
  // the first show starts it.
  void Start();
  bool Started() const { return started_; }
  bool Busy() const override;

  void RefreshCatalogue();
  // The switch the tree and the reports use.
  void SwitchCategory(PageCategory category);
  // The category buttons and the Pages menu: only to a category shown before.
  void RequestCategory(PageCategory category);
  void ShowReportPage();
  // CopyTextToClipboard: the text to the clipboard, with a sound and a status text.
  void CopyTextToClipboard(const std::string& text);
  void PlaySound(Sound sound);

  // What the features reach.
  const Session& State() const override { return session_; }
  QWidget* Window() override { return this; }
  Desktop& Dialogs() const override { return *desktop_; }
  void SetStatus(const QString& text) override;
  void ShowMessage(const QString& text) override { showMessage_(text); }
  void AddMenuEntry(MenuPlace place, QAction* action) override;
  void AddStatusWidget(QWidget* widget) override;
  void AddPage(PageCategory category, QWidget* page) override;
  // "Title", "Installation Instructions" and the pages without a button.
  void ShowPage(PageCategory category) override;
  bool OpenObject(ObjectKind kind, const std::string& key) override;
  void AddDatabaseLoadedHandler(std::function<void()> handler) override;
  void AddDatabaseUnloadingHandler(std::function<void()> handler) override;

  QString StatusText() const;
  const CategoryNavigation& Navigation() const { return navigation_; }
  QWidget* CurrentPage() const { return pages_->currentWidget(); }
  QWidget* PageOf(PageCategory category) const;

  CatalogueTree* Tree() const { return tree_; }
  CatalogueModel* TreeModel() const { return treeModel_; }
  ReportPanelWidget* Panel() const { return panel_; }
  ResultModel* Results() const { return resultModel_; }
  ReportPage* ReportView() const { return reportPage_; }
  ReportRunner* Runner() const { return runner_; }
  TransferRunner* Transfer() const { return transfer_; }
  MainMenu* Menu() const { return menu_; }
  CategoryBar* Buttons() const { return buttons_; }
  TitleBar* Title() const { return titleBar_; }
  SchedulePageWidget* SchedulePage() const { return schedulePage_; }
  JobPageWidget* JobPage() const { return jobPage_; }
  InstallPage* Installation() const { return installPage_; }
  ResultListMenu* ResultMenu() const { return resultMenu_; }
  SettingsDialog* SettingsForm() const { return settingsDialog_; }
  PrintCommands& Printing() const { return *printing_; }
  GraphCommands* Graphs() const { return graphs_; }
  ChangesCommands* Comparing() const { return changes_; }
  CheckCommands* Checks() const { return checks_; }
  ForecastCommands* Forecasts() const { return forecasts_; }
  SearchCommands* Searches() const { return searches_; }
  ImpactCommands* Impacts() const { return impacts_; }

 signals:
  void started();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildLayout();
  void WireMenu();
  void WirePanel();
  void OnNodeSelected(const NodeInfo& node);
  void OnButtonLeft(PageCategory category);
  void OnRowClicked(int row);
  void OnReportFinished();
  // RefreshCatalogue's rebuild around a load that reads the extracts; the transfer uses it too.
  void ReloadCatalogue(const std::function<std::string()>& load);
  void CopyInstallScript();
  void WireOutput();
  void OpenSettings();
  void ChooseTreeColour(bool text);
  void ApplyTreeColours();

  Session session_;
  std::string programDir_;
  std::unique_ptr<SettingsStore> ownStore_;
  SettingsStore* store_;
  std::unique_ptr<SoundPlayer> sounds_;
  std::function<void(const QString&)> showMessage_;
  std::unique_ptr<Desktop> ownDesktop_;
  Desktop* desktop_;
  std::unique_ptr<PasswordKeeper> passwordKeeper_;
  CategoryNavigation navigation_;
  bool started_ = false;
  bool closePending_ = false;
  std::vector<std::function<void()>> databaseLoaded_;
  std::vector<std::function<void()>> databaseUnloading_;

  TitleBar* titleBar_ = nullptr;
  CatalogueModel* treeModel_ = nullptr;
  CatalogueTree* tree_ = nullptr;
  CategoryBar* buttons_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  std::array<QWidget*, kPageCategories> pageOf_{};
  WorkstationPageWidget* workstationPage_ = nullptr;
  SchedulePageWidget* schedulePage_ = nullptr;
  JobPageWidget* jobPage_ = nullptr;
  CalendarPageWidget* calendarPage_ = nullptr;
  NameListPageWidget* parameterPage_ = nullptr;
  NameListPageWidget* promptPage_ = nullptr;
  ResourcePageWidget* resourcePage_ = nullptr;
  ReportPage* reportPage_ = nullptr;
  TitlePage* titlePage_ = nullptr;
  InstallPage* installPage_ = nullptr;
  ResultModel* resultModel_ = nullptr;
  ReportPanelWidget* panel_ = nullptr;
  ReportRunner* runner_ = nullptr;
  TransferRunner* transfer_ = nullptr;
  MainMenu* menu_ = nullptr;
  AboutBox* about_ = nullptr;
  SettingsDialog* settingsDialog_ = nullptr;
  ResultListMenu* resultMenu_ = nullptr;
  std::unique_ptr<ExportCommands> exports_;
  std::unique_ptr<PrintCommands> printing_;
  QLabel* status_ = nullptr;
  GraphCommands* graphs_ = nullptr;
  ChangesCommands* changes_ = nullptr;
  CheckCommands* checks_ = nullptr;
  ForecastCommands* forecasts_ = nullptr;
  SearchCommands* searches_ = nullptr;
  ImpactCommands* impacts_ = nullptr;
};

}  // namespace vdbq::gui
