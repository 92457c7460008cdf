// Takes screenshots of the desktop program on the bundled sample database (or the one named),
// one scenario per picture, for the README and for looking the program over:
//   varnoltdbq-screenshots [--size=WIDTHxHEIGHT] [--database=DIR] OUTPUT_DIR
//                          [SCENARIO[=FILE] ...]
// Scenarios: title, catalogue (a schedule page), workstation, job, calendar, resource,
// parameter, prompt, install, about, menu (the tree's pop-up menu), report:CODE[:SEARCH], and
// changes (the sample compared with a copy of it that has a few edits),
// graph:KEY or jobgraph:KEY (the Graph page of a schedule), findings (the database check on
// examples/faulty-db), findings:sample (the same on the sample), rundays:KEY (the Run Days page
// of a schedule) and runson:DATE (What Runs On, DATE as YYYY-MM-DD), which take 2027-01-04 as
// today, a date the sample's calendars cover, quickfind:TEXT (the Quick Find box with TEXT
// typed), search:EXPR (the Find In Definitions page of a regular expression) and
// impact:KIND:KEY (the Impact page of an object, its removal checked), transfer (an SFTP
// transfer under way over the window) and settings:PROTOCOL (the settings dialog with ftp, ftps
// or sftp chosen).

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "core/reports/run_report.h"
#include "core/transfer/ftp_scripts.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/changes/changes_commands.h"
#include "gui/changes/changes_page.h"
#include "gui/check/check_commands.h"
#include "gui/check/findings_page.h"
#include "gui/forecast/forecast_commands.h"
#include "gui/graph/graph_commands.h"
#include "gui/graph/graph_page.h"
#include "gui/impact/background_removal_check.h"
#include "gui/impact/impact_commands.h"
#include "gui/impact/impact_page.h"
#include "gui/main_window.h"
#include "gui/report/report_runner.h"
#include "gui/resources/sounds.h"
#include "gui/search/quick_find_box.h"
#include "gui/search/search_commands.h"
#include "gui/search/search_hits_page.h"
#include "gui/settings/settings_dialog.h"
#include "gui/transfer/fetch_progress_dialog.h"
#include "platform/qsettings_store.h"

namespace {

// A main window over a copy of the sample database in a program directory of its own, with
// its own settings file and no sounds, so that every picture starts from the same state.
class ShotWindow {
 public:
  explicit ShotWindow(const QString& database = QStringLiteral(VARNOLTDBQ_SAMPLE_DB_DIR)) {
    const QString db = dir_.filePath(QStringLiteral("DBase"));
    QDir().mkpath(db);
    const QDir sample(database);
    for (const QString& name : sample.entryList(QDir::Files)) {
      QFile::copy(sample.filePath(name), db + QLatin1Char('/') + name);
    }
    store_ = std::make_unique<vdbq::QSettingsStore>(dir_.filePath(QStringLiteral("settings.ini")));
    store_->Write("Sfx", "0");
    vdbq::gui::MainWindowEnvironment environment;
    environment.ProgramDir = dir_.path().toStdString() + "/";
    environment.Store = store_.get();
    environment.Sounds = std::make_unique<vdbq::gui::SilentSoundPlayer>();
    environment.ShowMessage = [](const QString& text) {
      std::fprintf(stderr, "%s\n", qPrintable(text));
    };
    window_ = std::make_unique<vdbq::gui::MainWindow>(std::move(environment));
  }
  ~ShotWindow() {
    window_.reset();
    store_.reset();
  }

  vdbq::gui::MainWindow& Window() { return *window_; }
  std::string DatabaseDir() const { return dir_.filePath(QStringLiteral("DBase/")).toStdString(); }

  // Selects the node at the end of the caption path, expanding what lies above it.
  bool Select(const std::vector<std::string>& path) {
    const QModelIndex index = window_->TreeModel()->FindPath(path);
    if (!index.isValid()) return false;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) {
      window_->Tree()->expand(up);
    }
    window_->Tree()->setCurrentIndex(index);
    window_->Tree()->scrollTo(index);
    return true;
  }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<vdbq::QSettingsStore> store_;
  std::unique_ptr<vdbq::gui::MainWindow> window_;
};

bool RunReportScenario(ShotWindow& fixture, const QString& request) {
  vdbq::gui::MainWindow& window = fixture.Window();
  const QStringList parts = request.split(QLatin1Char(':'));
  // A schedule key shows its node in the tree too, as when the report is run from there.
  const QStringList key = parts.value(2).split(QLatin1Char('#'));
  if (key.size() == 2) {
    fixture.Select({"Schedules", key[0].toStdString(), key[1].toStdString()});
  }
  const vdbq::ReportEntry* entry = vdbq::FindReportByCode(parts.value(1).toStdString());
  if (entry == nullptr) return false;
  const vdbq::PresetEntry preset{entry->Code, entry->Category, entry->Option,
                                 vdbq::PresetSearch::None, vdbq::ObjectKind::None};
  std::optional<std::string> search;
  if (parts.size() > 2) search = parts.value(2).toStdString();
  window.Runner()->RunPreset(preset, search);
  return true;
}

// The database in use gets a FOLLOWS line changed, a schedule added, a job removed, a calendar
// date dropped and a parameter changed; the untouched sample is the old side.
bool PrepareChanges(ShotWindow& fixture) {
  const QString db = QString::fromStdString(fixture.DatabaseDir());
  const auto edit = [&db](const char* name, const QByteArray& from, const QByteArray& to) {
    QFile file(db + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray bytes = file.readAll();
    file.close();
    if (!bytes.contains(from)) return false;
    bytes.replace(bytes.indexOf(from), from.size(), to);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) > 0;
  };
  const bool edited =
      edit("Schedules.Xtract", "FOLLOWS HFBKP01#BACKUP_DAILY.@",
           "FOLLOWS HFBKP01#BACKUP_DAILY.BKP_CATALOG") &&
      edit("Schedules.Xtract", "* Saturday full backup",
           "SCHEDULE HFBKP01#BACKUP_MONTHLY\nON MONTHEND\nAT 0400\n:\n HFBKP01#BKP_FS_FULL\nEND\n\n"
           "* Saturday full backup") &&
      edit("Jobs.Xtract",
           "HFMASTER#DAY_TURNOVER_CHK DOCOMMAND \"^BINDIR^/turnover_check.sh -v\"\n"
           "     STREAMLOGON varnolt\n"
           "     DESCRIPTION \"Checks that the new day's plan was built\"\n     RECOVERY STOP\n",
           "") &&
      edit("Calendars.Xtract", " 01/05/27", "") &&
      edit("Parms.Xtract", "\"/data/finance\"", "\"/data/finance2\"");
  if (!edited) return false;
  vdbq::gui::MainWindow& window = fixture.Window();
  window.RefreshCatalogue();
  if (!window.Comparing()->CompareWith(VARNOLTDBQ_SAMPLE_DB_DIR "/")) {
    return false;
  }
  QTreeWidget* tree = window.Comparing()->Page()->Tree();
  const QList<QTreeWidgetItem*> found =
      tree->findItems(QStringLiteral("HFBKP01#BACKUP_WEEKLY"), Qt::MatchRecursive);
  if (found.isEmpty()) return false;
  tree->setCurrentItem(found.front());
  return true;
}

// The progress dialog as it is part way through the sample: the first two extracts whole, the
// third half come, the rest waiting. No server is needed, only the dialog's own updates.
QDialog* PrepareTransfer(ShotWindow& fixture) {
  auto* progress = new vdbq::gui::FetchProgressDialog(&fixture.Window());
  progress->Begin(QStringLiteral("SFTP"));
  const QDir db(QString::fromStdString(fixture.DatabaseDir()));
  for (int i = 0; i < 3; ++i) {
    vdbq::fetch::FileProgress file;
    file.FileName = vdbq::kFetchOrder[i];
    file.Total = QFileInfo(db.filePath(QString::fromLatin1(file.FileName.c_str()))).size();
    file.Finished = i < 2;
    file.Bytes = file.Finished ? *file.Total : *file.Total * 11 / 20;
    progress->Show(file);
  }
  return progress;
}

// The settings dialog filled in for a master reached by the protocol named.
QDialog* PrepareSettings(ShotWindow& fixture, const QString& protocol) {
  vdbq::gui::SettingsDialog* settings = fixture.Window().SettingsForm();
  settings->show();
  const int choice = settings->Protocol()->findData(protocol);
  if (choice < 0) return nullptr;
  settings->Protocol()->setCurrentIndex(choice);
  settings->Field(vdbq::SettingsItem::FtpHost)->setText(QStringLiteral("master.example 22"));
  settings->Field(vdbq::SettingsItem::FtpUser)->setText(QStringLiteral("varnolt"));
  settings->IdentityFile()->setText(QStringLiteral("~/.ssh/id_ed25519"));
  return settings;
}

bool Prepare(ShotWindow& fixture, const QString& scenario) {
  vdbq::gui::MainWindow& window = fixture.Window();
  if (scenario == QLatin1String("title")) return true;
  if (scenario == QLatin1String("catalogue") || scenario == QLatin1String("menu")) {
    return fixture.Select({"Schedules", "HFDWH01", "DW_NIGHTLY"});
  }
  if (scenario == QLatin1String("workstation")) return fixture.Select({"Workstations", "HFFIN01"});
  if (scenario == QLatin1String("job")) return fixture.Select({"Jobs", "HFFIN01", "POST_LEDGER"});
  if (scenario == QLatin1String("calendar")) return fixture.Select({"Calendars", "HOLIDAYS"});
  if (scenario == QLatin1String("resource")) {
    return fixture.Select({"Resources", "HFBKP01#TAPES"});
  }
  if (scenario == QLatin1String("parameter")) {
    const QModelIndex heading = window.TreeModel()->FindPath({"Parameters"});
    const QModelIndex first = window.TreeModel()->index(2, 0, heading);
    window.Tree()->expand(heading);
    window.Tree()->setCurrentIndex(first);
    return first.isValid();
  }
  if (scenario == QLatin1String("prompt")) {
    const QModelIndex heading = window.TreeModel()->FindPath({"Prompts"});
    window.Tree()->expand(heading);
    window.Tree()->setCurrentIndex(window.TreeModel()->index(0, 0, heading));
    return true;
  }
  if (scenario == QLatin1String("about") || scenario == QLatin1String("transfer") ||
      scenario.startsWith(QLatin1String("settings:"))) {
    return true;
  }
  if (scenario.startsWith(QLatin1String("findings"))) {
    window.Checks()->ShowPage();
    // The first finding is current, so its whole text shows under the list.
    QTreeView* list = window.Checks()->Page()->View();
    list->setCurrentIndex(list->model()->index(0, 0, list->model()->index(0, 0)));
    return true;
  }
  if (scenario == QLatin1String("changes")) return PrepareChanges(fixture);
  if (scenario.startsWith(QLatin1String("impact:"))) {
    const std::optional<vdbq::ObjectKind> kind =
        vdbq::KindOfName(scenario.section(QLatin1Char(':'), 1, 1).toStdString());
    const std::string key = scenario.section(QLatin1Char(':'), 2).toStdString();
    if (!kind || !window.Impacts()->ShowImpact(*kind, key)) return false;
    window.Impacts()->CheckRemoval();
    // The check runs in the background; its findings join the page through the event loop.
    window.Impacts()->RemovalCheck()->Wait();
    QCoreApplication::processEvents();
    return true;
  }
  if (scenario == QLatin1String("install")) {
    window.ShowPage(vdbq::gui::PageCategory::Installation);
    return true;
  }
  if (scenario.startsWith(QLatin1String("report:"))) return RunReportScenario(fixture, scenario);
  if (scenario.startsWith(QLatin1String("rundays:")) ||
      scenario.startsWith(QLatin1String("runson:"))) {
    vdbq::gui::ForecastCommands& forecasts = *window.Forecasts();
    forecasts.SetToday(QDate(2027, 1, 4));
    const QString what = scenario.section(QLatin1Char(':'), 1);
    if (scenario.startsWith(QLatin1String("runson:"))) {
      forecasts.ShowDate(QDate::fromString(what, Qt::ISODate));
      return true;
    }
    return forecasts.ShowRunDays(what.toStdString());
  }
  if (scenario.startsWith(QLatin1String("quickfind:"))) {
    vdbq::gui::QuickFindBox* box = window.Searches()->Box();
    window.Searches()->QuickFind->trigger();
    QTest::keyClicks(box->Field(), scenario.section(QLatin1Char(':'), 1, -1));
    return QTest::qWaitFor([box] { return box->Model()->rowCount() > 0; }, 10000);
  }
  if (scenario.startsWith(QLatin1String("search:"))) {
    vdbq::gui::SearchHitsPage* page = window.Searches()->Page();
    window.Searches()->ShowPage(scenario.section(QLatin1Char(':'), 1, -1));
    page->Regex()->setChecked(true);
    page->FindButton()->click();
    return QTest::qWaitFor([page] { return page->Model()->rowCount() > 0; }, 10000);
  }
  if (scenario.startsWith(QLatin1String("graph:")) ||
      scenario.startsWith(QLatin1String("jobgraph:"))) {
    const std::string key = scenario.section(QLatin1Char(':'), 1).toStdString();
    vdbq::gui::GraphPage& page = window.Graphs()->Page();
    QSignalSpy laidOut(&page, &vdbq::gui::GraphPage::laidOut);
    if (scenario.startsWith(QLatin1String("graph:"))) {
      window.Graphs()->ShowDependencyGraph(key);
    } else {
      window.Graphs()->ShowJobGraph(key);
    }
    return laidOut.wait(10000);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QSize size;
  if (!args.isEmpty() && args.front().startsWith(QLatin1String("--size="))) {
    const QStringList wh = args.takeFirst().mid(7).split(QLatin1Char('x'));
    size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
  }
  QString database = QStringLiteral(VARNOLTDBQ_SAMPLE_DB_DIR);
  if (!args.isEmpty() && args.front().startsWith(QLatin1String("--database="))) {
    database = args.takeFirst().mid(11);
  }
  if (args.isEmpty()) {
    std::fprintf(stderr,
                 "usage: varnoltdbq-screenshots [--size=WxH] [--database=DIR] OUTPUT_DIR "
                 "[SCENARIO[=FILE] ...]\n");
    return 2;
  }
  const QString out = args.takeFirst();
  QDir().mkpath(out);
  QStringList scenarios = args;
  if (scenarios.isEmpty()) scenarios << QStringLiteral("title") << QStringLiteral("catalogue");

  int failures = 0;
  for (const QString& request : scenarios) {
    const QString scenario = request.section(QLatin1Char('='), 0, 0);
    QString file = request.section(QLatin1Char('='), 1);
    if (file.isEmpty()) {
      file = QString(scenario)
                 .replace(QLatin1Char(':'), QLatin1Char('_'))
                 .replace(QLatin1Char('#'), QLatin1Char('-')) +
             QStringLiteral(".png");
    }
    // The Findings page is shown on the example database that has every kind of fault.
    ShotWindow fixture(scenario == QLatin1String("findings")
                           ? QStringLiteral(VARNOLTDBQ_SAMPLE_DB_DIR "/../faulty-db")
                           : database);
    vdbq::gui::MainWindow& window = fixture.Window();
    window.show();
    // A window that does not start shows in the scenario's picture; the shot goes on.
    if (!window.Started()) (void)QTest::qWaitFor([&window] { return window.Started(); }, 5000);
    if (size.isValid()) window.resize(size);
    window.activateWindow();
    if (!Prepare(fixture, scenario)) {
      std::fprintf(stderr, "cannot prepare scenario %s\n", qPrintable(scenario));
      ++failures;
      continue;
    }
    QTest::qWait(300);
    if (scenario == QLatin1String("about")) {
      auto* about = window.findChild<QDialog*>(QStringLiteral("aboutBox"));
      about->show();
      QTest::qWait(200);
      about->grab().save(out + QLatin1Char('/') + file);
      about->hide();
    } else if (scenario == QLatin1String("menu")) {
      QMenu* menu = window.Tree()->PopupMenu();
      menu->popup(window.mapToGlobal(QPoint(120, 200)));
      QTest::qWait(200);
      menu->grab().save(out + QLatin1Char('/') + file);
      menu->hide();
    } else if (scenario == QLatin1String("transfer") ||
               scenario.startsWith(QLatin1String("settings:"))) {
      // A dialog over the window: the screen holds both as they are drawn.
      QDialog* dialog = scenario == QLatin1String("transfer")
                            ? PrepareTransfer(fixture)
                            : PrepareSettings(fixture, scenario.section(QLatin1Char(':'), 1));
      if (dialog == nullptr) {
        std::fprintf(stderr, "cannot prepare scenario %s\n", qPrintable(scenario));
        ++failures;
        continue;
      }
      // The screen is grabbed, so the whole window must lie on it.
      window.move(0, 0);
      dialog->show();
      dialog->raise();
      QTest::qWait(300);
      const QRect area = window.frameGeometry();
      window.screen()
          ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
          .save(out + QLatin1Char('/') + file);
      dialog->hide();
    } else if (scenario.contains(QLatin1String("graph:"))) {
      window.Graphs()->Page().grab().save(out + QLatin1Char('/') + file);
    } else if (!window.grab().save(out + QLatin1Char('/') + file)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      ++failures;
    }
    std::printf("%s\n", qPrintable(out + QLatin1Char('/') + file));
  }
  return failures == 0 ? 0 : 1;
}
