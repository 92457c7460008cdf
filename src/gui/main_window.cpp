#include "gui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/output/row_key.h"
#include "core/settings/settings_io.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/catalogue/node_route.h"
#include "gui/changes/changes_commands.h"
#include "gui/check/check_commands.h"
#include "gui/forecast/forecast_commands.h"
#include "gui/graph/graph_commands.h"
#include "gui/impact/impact_commands.h"
#include "gui/layout_rules.h"
#include "gui/output/desktop.h"
#include "gui/output/export_commands.h"
#include "gui/output/print_commands.h"
#include "gui/output/result_list_menu.h"
#include "gui/pages/calendar_page_widget.h"
#include "gui/pages/install_page.h"
#include "gui/pages/install_script.h"
#include "gui/pages/job_page_widget.h"
#include "gui/pages/name_list_page_widget.h"
#include "gui/pages/resource_page_widget.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/pages/title_page.h"
#include "gui/pages/workstation_page_widget.h"
#include "gui/report/report_page.h"
#include "gui/report/report_panel_widget.h"
#include "gui/report/report_runner.h"
#include "gui/report/result_model.h"
#include "gui/resources/pictures.h"
#include "gui/search/search_commands.h"
#include "gui/settings/password_keeper.h"
#include "gui/settings/settings_dialog.h"
#include "gui/text_convert.h"
#include "gui/transfer/transfer_runner.h"
#include "gui/widgets/elided_label.h"
#include "gui/window/about_box.h"
#include "gui/window/category_bar.h"
#include "gui/window/first_start.h"
#include "gui/window/left_panel.h"
#include "gui/window/main_menu.h"
#include "gui/window/title_bar.h"
#include "platform/data_directory.h"
#include "platform/program_directory.h"
#include "platform/qsettings_store.h"

namespace vdbq::gui {
namespace {

constexpr const char* kWindowCaption = "Varnolt Database Query Utility";

}  // namespace

MainWindow::MainWindow(MainWindowEnvironment environment)
    : programDir_(environment.ProgramDir.empty() ? DataDirectory(ProgramDirectory())
                                                 : environment.ProgramDir),
      store_(environment.Store),
      sounds_(std::move(environment.Sounds)),
      showMessage_(std::move(environment.ShowMessage)),
      desktop_(environment.Dialogs) {
  InitResources();
  if (store_ == nullptr) {
    ownStore_ = std::make_unique<QSettingsStore>();
    store_ = ownStore_.get();
  }
  if (!sounds_) sounds_ = MakePlatformSoundPlayer();
  if (desktop_ == nullptr) {
    ownDesktop_ = std::make_unique<QtDesktop>();
    desktop_ = ownDesktop_.get();
  }
  if (!showMessage_) {
    showMessage_ = [this](const QString& text) {
      QMessageBox::warning(this, QString::fromLatin1(kWindowCaption), text);
    };
  }
  setObjectName(QStringLiteral("mainWindow"));  // TForm1
  setWindowTitle(QString::fromLatin1(kWindowCaption));
  setWindowIcon(ApplicationIcon());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(210, 210, 210));
  setPalette(pal);

  BuildLayout();
  WireMenu();
  WirePanel();
  about_ = new AboutBox(this);
  settingsDialog_ = new SettingsDialog(session_.Settings, *desktop_, this);
  passwordKeeper_ = std::make_unique<PasswordKeeper>(session_.Settings, *store_, *desktop_, *this);
  WireOutput();
  changes_ = new ChangesCommands(*this, this);
  graphs_ = new GraphCommands(*this, *schedulePage_, *reportPage_->List(), this);
  checks_ = new CheckCommands(*this, *schedulePage_, this);
  forecasts_ = new ForecastCommands(*this, *schedulePage_, *reportPage_->List(), this);
  searches_ = new SearchCommands(*this, *schedulePage_, this);
  impacts_ = new ImpactCommands(*this, *graphs_,
                                {{ObjectKind::Schedule, schedulePage_->ImpactButton()},
                                 {ObjectKind::Job, jobPage_->ImpactButton()},
                                 {ObjectKind::Calendar, calendarPage_->ImpactButton()},
                                 {ObjectKind::Parameter, parameterPage_->ImpactButton()},
                                 {ObjectKind::Prompt, promptPage_->ImpactButton()},
                                 {ObjectKind::Resource, resourcePage_->ImpactButton()}},
                                this);

  resize(kWindowWidth, kWindowHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

MainWindow::~MainWindow() {
  // The extracts go with the window: a feature still reading them stops first.
  for (const std::function<void()>& handler : databaseUnloading_) handler();
}

void MainWindow::BuildLayout() {
  titleBar_ = new TitleBar(this);

  treeModel_ = new CatalogueModel(session_.Catalogue, this);
  tree_ = new CatalogueTree(*treeModel_, this);
  auto* left = new LeftPanel(this);
  left->SetTree(tree_);

  buttons_ = new CategoryBar(this);
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("PC1"));
  workstationPage_ = new WorkstationPageWidget(pages_);
  schedulePage_ = new SchedulePageWidget(pages_);
  jobPage_ = new JobPageWidget(pages_);
  calendarPage_ = new CalendarPageWidget(pages_);
  parameterPage_ = new NameListPageWidget(kParameterPage, session_.Store, pages_);
  promptPage_ = new NameListPageWidget(kPromptPage, session_.Store, pages_);
  resourcePage_ = new ResourcePageWidget(pages_);
  resultModel_ = new ResultModel(session_.Results, this);
  reportPage_ = new ReportPage(session_.Results, *resultModel_, pages_);
  titlePage_ = new TitlePage(pages_);
  installPage_ = new InstallPage(pages_);
  AddPage(PageCategory::Workstations, workstationPage_);
  AddPage(PageCategory::Schedules, schedulePage_);
  AddPage(PageCategory::Jobs, jobPage_);
  AddPage(PageCategory::Calendars, calendarPage_);
  AddPage(PageCategory::Parameters, parameterPage_);
  AddPage(PageCategory::Prompts, promptPage_);
  AddPage(PageCategory::Resources, resourcePage_);
  AddPage(PageCategory::Report, reportPage_);
  AddPage(PageCategory::Title, titlePage_);
  AddPage(PageCategory::Installation, installPage_);
  pages_->setCurrentWidget(titlePage_);

  auto* holder = new QWidget(this);
  holder->setObjectName(QStringLiteral("PanelPageControlHolder"));
  auto* holderLayout = new QVBoxLayout(holder);
  holderLayout->setContentsMargins(0, 0, 0, 0);
  holderLayout->setSpacing(0);
  holderLayout->addWidget(buttons_);
  holderLayout->addWidget(pages_, 1);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->setObjectName(QStringLiteral("dfsSplitter1"));
  splitter->addWidget(left);
  splitter->addWidget(holder);
  splitter->setCollapsible(0, false);
  splitter->setCollapsible(1, false);
  splitter->setStretchFactor(1, 1);
  splitter->setHandleWidth(5);
  splitter->setSizes({kLeftPanelWidth, kWindowWidth - kLeftPanelWidth - kCommandPanelWidth});

  panel_ = new ReportPanelWidget(session_.Panel, this);
  panel_->setFixedWidth(kCommandPanelWidth);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  body->addWidget(splitter, 1);
  body->addWidget(panel_);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(titleBar_);
  layout->addLayout(body, 1);
  setCentralWidget(central);

  status_ = new ElidedLabel(this);
  status_->setText(QString::fromLatin1(kReady));
  status_->setObjectName(QStringLiteral("StatBar"));
  statusBar()->addWidget(status_, 1);

  menu_ = new MainMenu(*menuBar(), this);
  runner_ = new ReportRunner(
      ReportRunTarget{session_.Store, session_.Catalogue, session_.Panel, session_.Results,
                      session_.Audit, *panel_, *resultModel_},
      [this] { ShowReportPage(); }, [this](const QString& text) { showMessage_(text); }, this);
  transfer_ = new TransferRunner(
      session_, *panel_->Strobe(), [this](Sound sound) { PlaySound(sound); },
      [this](const std::function<std::string()>& load) { ReloadCatalogue(load); },
      [this](const QString& text) { showMessage_(text); }, this);
}

void MainWindow::WireMenu() {
  connect(menu_->Minimize, &QAction::triggered, this, &QWidget::showMinimized);
  connect(menu_->Maximize, &QAction::triggered, this, &QWidget::showMaximized);
  connect(menu_->FtpUpdate, &QAction::triggered, this, [this] {
    if (Busy()) return;
    passwordKeeper_->BeforeUse();
    transfer_->Request();
  });
  connect(menu_->SaveSettingsOnExit, &QAction::toggled, this,
          [this](bool on) { session_.Settings.SaveSettingsOnExit = on; });
  connect(menu_->EnableSounds, &QAction::toggled, this,
          [this](bool on) { session_.Settings.SoundsOn = on; });
  connect(menu_->Exit, &QAction::triggered, this, &QWidget::close);
  connect(menu_->Refresh, &QAction::triggered, this, &MainWindow::RefreshCatalogue);
  connect(menu_->NodeSelectedText, &QAction::triggered, this, [this] { ChooseTreeColour(true); });
  connect(menu_->NodeSelectedBackground, &QAction::triggered, this,
          [this] { ChooseTreeColour(false); });
  connect(menu_, &MainMenu::pageChosen, this, &MainWindow::RequestCategory);
  connect(menu_->Title, &QAction::triggered, this, [this] { ShowPage(PageCategory::Title); });
  connect(menu_->Installation, &QAction::triggered, this,
          [this] { ShowPage(PageCategory::Installation); });
  connect(menu_->About, &QAction::triggered, this, [this] {
    about_->Refresh();
    about_->exec();
  });
  connect(menu_, &MainMenu::presetChosen, this, [this](const PresetEntry& entry) {
    if (!transfer_->Running()) runner_->RunPreset(entry, std::nullopt);
  });
}

void MainWindow::WirePanel() {
  connect(tree_, &CatalogueTree::nodeSelected, this, &MainWindow::OnNodeSelected);
  connect(tree_, &CatalogueTree::presetChosen, this,
          [this](const PresetEntry& entry, const std::optional<std::string>& search) {
            if (!transfer_->Running()) runner_->RunPreset(entry, search);
          });
  connect(buttons_, &CategoryBar::clicked, this, &MainWindow::RequestCategory);
  connect(buttons_, &CategoryBar::entered, this, [this] { PlaySound(Sound::Blip); });
  connect(buttons_, &CategoryBar::left, this, &MainWindow::OnButtonLeft);
  connect(panel_, &ReportPanelWidget::runRequested, this, [this] {
    if (!transfer_->Running()) runner_->Run();
  });
  connect(panel_, &ReportPanelWidget::categoryStepped, this, [this] { PlaySound(Sound::Tink); });
  connect(panel_, &ReportPanelWidget::goHovered, this, [this] { PlaySound(Sound::Tink); });
  connect(runner_, &ReportRunner::statusChanged, this, &MainWindow::SetStatus);
  connect(runner_, &ReportRunner::finished, this, &MainWindow::OnReportFinished);
  connect(transfer_, &TransferRunner::statusChanged, this, &MainWindow::SetStatus);
  connect(reportPage_, &ReportPage::rowClicked, this, &MainWindow::OnRowClicked);
  connect(jobPage_, &JobPageWidget::copyRequested, this, &MainWindow::CopyTextToClipboard);
  connect(resourcePage_, &ResourcePageWidget::copyRequested, this,
          &MainWindow::CopyTextToClipboard);
  connect(parameterPage_, &NameListPageWidget::copyRequested, this,
          &MainWindow::CopyTextToClipboard);
  connect(promptPage_, &NameListPageWidget::copyRequested, this, &MainWindow::CopyTextToClipboard);
  connect(titlePage_, &TitlePage::installationRequested, this,
          [this] { ShowPage(PageCategory::Installation); });
  connect(installPage_, &InstallPage::scriptCopyRequested, this, &MainWindow::CopyInstallScript);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The first activation runs once the window is on screen, as its handler did.
  if (!started_) QTimer::singleShot(0, this, &MainWindow::Start);
}

void MainWindow::Start() {
  if (started_) return;
  started_ = true;
  session_.Settings.ProgramDir = programDir_;
  session_.Audit.TakeTimeStamp();
  navigation_.ClearVisited();
  navigation_.ShowWithoutSwitch(PageCategory::Title);
  // A missing or unreadable logo file leaves the built-in logo; start-up goes on.
  QPixmap logo;
  if (!logo.load(QString::fromLocal8Bit(programDir_ + "logo.bmp"))) logo = BuiltInLogo();
  titleBar_->SetLogo(logo);

  session_.Settings = LoadSettings(*store_, programDir_);
  OfferSampleOnFirstStart(this, *store_, session_.Settings);
  passwordKeeper_->AtStart();
  panel_->Strobe()->SetEnabledBySetting(session_.Settings.StrobeOn);
  ApplyTreeColours();
  panel_->Sync();

  repaint();
  RefreshCatalogue();
  menu_->SaveSettingsOnExit->setChecked(session_.Settings.SaveSettingsOnExit);
  menu_->EnableSounds->setChecked(session_.Settings.SoundsOn);
  // One pixel wider, so the resize rules run once with the final layout.
  resize(width() + 1, height());
  emit started();
}

bool MainWindow::Busy() const { return runner_->Running() || transfer_->Running(); }

void MainWindow::RefreshCatalogue() {
  // A report reads the extracts while it runs, and a transfer reloads them when it ends; they
  // are not replaced under either.
  if (Busy()) return;
  ReloadCatalogue([this] {
    return vdbq::RefreshCatalogue(session_.Settings.DatabaseDir, session_.Store,
                                  session_.Catalogue);
  });
}

void MainWindow::ReloadCatalogue(const std::function<std::string()>& load) {
  for (const std::function<void()>& handler : databaseUnloading_) handler();
  SetStatus(QString::fromLatin1(kRefreshing));
  QString failure;
  std::string status;
  treeModel_->BeginRebuild();
  try {
    status = load();
  } catch (const ExtractFileError& error) {
    failure = ToQString(error.what());
  }
  treeModel_->EndRebuild();
  session_.Panel.SetTotals(session_.Catalogue.Totals);
  panel_->Sync();
  titlePage_->SetTotals(session_.Catalogue.Totals);
  titleBar_->SetLastUpdate(ToQString(session_.Store.LastUpdate));
  parameterPage_->SetRows(session_.Store.ParameterList);
  promptPage_->SetRows(session_.Store.PromptList);
  ShowPage(PageCategory::Title);
  panel_->SearchBox()->setFocus();
  checks_->Run();
  if (!failure.isEmpty()) {
    SetStatus(failure);
    showMessage_(failure);
  } else {
    SetStatus(ToQString(status));
  }
  // Last, so that what a handler says in the status line is not overwritten.
  for (const std::function<void()>& handler : databaseLoaded_) handler();
}

void MainWindow::AddDatabaseLoadedHandler(std::function<void()> handler) {
  databaseLoaded_.push_back(std::move(handler));
}

void MainWindow::AddDatabaseUnloadingHandler(std::function<void()> handler) {
  databaseUnloading_.push_back(std::move(handler));
}

QWidget* MainWindow::PageOf(PageCategory category) const {
  return pageOf_[static_cast<size_t>(category)];
}

void MainWindow::AddPage(PageCategory category, QWidget* page) {
  page->setAutoFillBackground(true);
  QPalette pal = page->palette();
  pal.setColor(QPalette::Window, QColor(246, 247, 250));
  page->setPalette(pal);
  pages_->addWidget(page);
  pageOf_[static_cast<size_t>(category)] = page;
}

void MainWindow::SwitchCategory(PageCategory category) {
  const auto change = navigation_.SwitchTo(category);
  if (!change) return;
  PlaySound(Sound::Tink);
  buttons_->SetLit(change->Previous, false);
  buttons_->SetLit(category, true);
  pages_->setCurrentWidget(PageOf(category));
  if (QAction* entry = menu_->PageAction(category)) entry->setEnabled(true);
}

void MainWindow::RequestCategory(PageCategory category) {
  if (!navigation_.Visited(category)) return;
  SwitchCategory(category);
}

void MainWindow::ShowPage(PageCategory category) {
  navigation_.ShowWithoutSwitch(category);
  pages_->setCurrentWidget(PageOf(category));
}

void MainWindow::ShowReportPage() {
  reportPage_->ScrollToStart();
  navigation_.MarkVisited(PageCategory::Report);
  SwitchCategory(PageCategory::Report);
}

void MainWindow::OnNodeSelected(const NodeInfo& node) {
  PlaySound(Sound::Blip);
  const NodeRoute route = RouteOf(node);
  if (route.What == NodeRoute::Action::Heading) {
    RequestCategory(route.Category);
    return;
  }
  if (route.What != NodeRoute::Action::ShowObject) return;
  SwitchCategory(route.Category);
  session_.SelectedName = node.Caption;
  const Session& s = session_;
  switch (route.Kind) {
    case ObjectKind::Workstation:
      workstationPage_->Show(s.Store, s.Catalogue, s.SelectedName);
      break;
    case ObjectKind::Schedule:
      session_.SelectedCpu = node.ParentCaption;
      schedulePage_->Show(s.Store, s.Catalogue, s.SelectedCpu, s.SelectedName);
      break;
    case ObjectKind::Job:
      session_.SelectedCpu = node.ParentCaption;
      jobPage_->Show(s.Store, s.Catalogue, s.SelectedCpu, s.SelectedName);
      break;
    case ObjectKind::Calendar:
      calendarPage_->Show(s.Store, s.Catalogue, s.SelectedName);
      break;
    case ObjectKind::Parameter:
      parameterPage_->Show(s.Catalogue, s.SelectedName);
      break;
    case ObjectKind::Prompt:
      promptPage_->Show(s.Catalogue, s.SelectedName);
      break;
    case ObjectKind::Resource:
      resourcePage_->Show(s.Store, s.Catalogue, s.SelectedName);
      break;
    case ObjectKind::None:
      break;
  }
  navigation_.MarkVisited(route.Category);
}

void MainWindow::OnButtonLeft(PageCategory category) {
  buttons_->SetLit(category, false);
  buttons_->SetLit(navigation_.Current(), true);
}

void MainWindow::OnReportFinished() {
  panel_->Sync();
  reportPage_->ShowResults();
  reportPage_->SetHint(ToQString(session_.Panel.Hint));
  if (session_.Panel.FocusSearchRequested) panel_->SearchBox()->setFocus();
  if (closePending_) QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::OnRowClicked(int row) {
  const RowClick click = ClickResultRow(session_.Results, row);
  if (click.Copied) {
    CopyTextToClipboard(*click.Copied);
  } else if (click.StatusText) {
    SetStatus(ToQString(*click.StatusText));
  }
}

void MainWindow::CopyTextToClipboard(const std::string& text) {
  PlaySound(Sound::Plop);
  QApplication::clipboard()->setText(ToQString(text));
  SetStatus(ToQString(CopiedStatusText(text)));
}

void MainWindow::CopyInstallScript() {
  PlaySound(Sound::Plop);
  QApplication::clipboard()->setText(QString::fromStdString(ExtractScriptText()));
  SetStatus(QStringLiteral("Copied: Varnolt Script To ClipBoard."));
}

void MainWindow::PlaySound(Sound sound) {
  sounds_->Stop();
  if (session_.Settings.SoundsOn) sounds_->Start(sound);
}

void MainWindow::SetStatus(const QString& text) {
  status_->setText(text);
  status_->repaint();
}

void MainWindow::AddStatusWidget(QWidget* widget) { statusBar()->addPermanentWidget(widget); }

void MainWindow::AddMenuEntry(MenuPlace place, QAction* action) {
  switch (place) {
    case MenuPlace::TreeDatabase:
      tree_->AddDatabaseEntry(action);
      return;
    case MenuPlace::TreeScheduleNode:
      tree_->KindMenu(ObjectKind::Schedule)->addAction(action);
      return;
    case MenuPlace::TreeJobNode:
      tree_->KindMenu(ObjectKind::Job)->addAction(action);
      return;
    case MenuPlace::TreeCalendarNode:
      tree_->KindMenu(ObjectKind::Calendar)->addAction(action);
      return;
    case MenuPlace::TreeParameterNode:
      tree_->KindMenu(ObjectKind::Parameter)->addAction(action);
      return;
    case MenuPlace::TreePromptNode:
      tree_->KindMenu(ObjectKind::Prompt)->addAction(action);
      return;
    case MenuPlace::TreeResourceNode:
      tree_->KindMenu(ObjectKind::Resource)->addAction(action);
      return;
    case MenuPlace::FileCommands:
    case MenuPlace::ReportsEnd:
    case MenuPlace::EditFind:
      menu_->AddEntry(place, action);
      return;
  }
}

QString MainWindow::StatusText() const { return status_->text(); }

void MainWindow::WireOutput() {
  const OutputContext context{session_, this, *desktop_,
                              [this](const QString& text) { SetStatus(text); }, showMessage_};
  exports_ = std::make_unique<ExportCommands>(context);
  printing_ = std::make_unique<PrintCommands>(context, *reportPage_->List(), *schedulePage_);
  resultMenu_ = new ResultListMenu(session_.Results, *resultModel_, *reportPage_->List(), this);
  connect(resultMenu_->ExportToCsvFile, &QAction::triggered, this,
          [this] { exports_->ExportToCsvFile(); });
  connect(resultMenu_->CopyCsvToClipboard, &QAction::triggered, this,
          [this] { exports_->CopyCsvToClipboard(); });
  connect(resultMenu_->ExportToHtmlFile, &QAction::triggered, this,
          [this] { exports_->ExportToHtmlFile(); });
  connect(resultMenu_->ViewInBrowser, &QAction::triggered, this,
          [this] { exports_->ViewInBrowser(); });
  connect(resultMenu_->CopyAsBitmap, &QAction::triggered, this,
          [this] { printing_->CopyResultListPicture(); });
  connect(resultMenu_->PrintReport, &QAction::triggered, this,
          [this] { printing_->PrintResultList(); });
  connect(menu_->PrintSchedule, &QAction::triggered, this,
          [this] { printing_->PrintCurrentSchedule(); });
  connect(schedulePage_->PrintButton(), &QToolButton::clicked, this,
          [this] { printing_->PrintCurrentSchedule(); });
  connect(menu_->Settings, &QAction::triggered, this, &MainWindow::OpenSettings);
}

bool MainWindow::OpenObject(ObjectKind kind, const std::string& key) {
  for (const std::vector<std::string>& path : TreePathsOf(kind, key)) {
    const QModelIndex index = treeModel_->FindPath(path);
    if (!index.isValid()) continue;
    // Selected anew, so that its page is shown again.
    if (tree_->currentIndex() == index) tree_->setCurrentIndex({});
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    return true;
  }
  return false;
}

void MainWindow::OpenSettings() {
  passwordKeeper_->BeforeUse();
  const std::string passwordBefore = session_.Settings.FtpPassword;
  settingsDialog_->exec();
  passwordKeeper_->AfterEdit(passwordBefore);
  // However the dialog closed.
  panel_->Strobe()->SetEnabledBySetting(session_.Settings.StrobeOn);
  EnsureDirectories(session_.Settings);
  menu_->SaveSettingsOnExit->setChecked(session_.Settings.SaveSettingsOnExit);
}

void MainWindow::ChooseTreeColour(bool text) {
  int& setting = text ? session_.Settings.SelectedNodeText : session_.Settings.SelectedNodeGround;
  const ColourChannels was = ChannelsOfColourSetting(setting);
  const std::optional<QColor> chosen =
      desktop_->PickColour(this, QColor(was.Red, was.Green, was.Blue));
  if (!chosen) return;
  setting = ColourSettingOf({chosen->red(), chosen->green(), chosen->blue()});
  ApplyTreeColours();
}

void MainWindow::ApplyTreeColours() {
  tree_->SetSelectedColours(session_.Settings.SelectedNodeText,
                            session_.Settings.SelectedNodeGround);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing waits for a running report to end.
  if (runner_->Running()) {
    closePending_ = true;
    event->ignore();
    return;
  }
  // Closing ends a running transfer: the client is stopped and the extracts reloaded.
  transfer_->Stop();
  if (started_) StoreSettings(*store_, session_.Settings);
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  titleBar_->PlaceLogo(width());
}

}  // namespace vdbq::gui
