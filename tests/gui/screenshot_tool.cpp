// Takes screenshots of the desktop program on the bundled sample database, one scenario per
// picture, for the README and for looking the program over:
//   varnoltdbq-screenshots [--size=WIDTHxHEIGHT] OUTPUT_DIR [SCENARIO[=FILE] ...]
// Scenarios: title, catalogue (a schedule page), workstation, job, calendar, resource,
// parameter, prompt, install, about, menu (the tree's pop-up menu), report:CODE[:SEARCH], and
// findings (the database check on examples/faulty-db).

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QStyleFactory>
#include <QTest>
#include <cstdio>

#include "core/reports/run_report.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/report/report_runner.h"
#include "gui/window_fixture.h"

using vdbq::gui::testing::WindowFixture;

namespace {

bool RunReportScenario(WindowFixture& fixture, const QString& request) {
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
                                 vdbq::PresetSearch::None, vdbq::NodeKind::None};
  std::optional<std::string> search;
  if (parts.size() > 2) search = parts.value(2).toStdString();
  window.Runner()->RunPreset(preset, search);
  return true;
}

bool Prepare(WindowFixture& fixture, const QString& scenario) {
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
  if (scenario == QLatin1String("about")) return true;
  if (scenario == QLatin1String("findings")) {
    window.ShowFindingsPage();
    return true;
  }
  if (scenario == QLatin1String("install")) {
    window.ShowInstallPage();
    return true;
  }
  if (scenario.startsWith(QLatin1String("report:"))) return RunReportScenario(fixture, scenario);
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
  if (args.isEmpty()) {
    std::fprintf(stderr,
                 "usage: varnoltdbq-screenshots [--size=WxH] OUTPUT_DIR [SCENARIO[=FILE] ...]\n");
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
    WindowFixture fixture;
    fixture.Preset("Sfx", "0");
    // The Findings page is shown on the example database that has every kind of fault.
    if (scenario == QLatin1String("findings")) {
      const QString faulty = vdbq::gui::testing::SampleDatabaseDir() + "/../faulty-db/";
      fixture.Preset("FtpToDir", faulty.toStdString());
    }
    vdbq::gui::MainWindow& window = fixture.Start();
    if (size.isValid()) window.resize(size);
    window.activateWindow();
    if (!Prepare(fixture, scenario)) {
      std::fprintf(stderr, "cannot prepare scenario %s\n", qPrintable(scenario));
      ++failures;
      continue;
    }
    QTest::qWait(300);
    if (scenario == QLatin1String("about")) {
      auto* about = window.findChild<QDialog*>(QStringLiteral("TForm2"));
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
    } else if (!window.grab().save(out + QLatin1Char('/') + file)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      ++failures;
    }
    std::printf("%s\n", qPrintable(out + QLatin1Char('/') + file));
  }
  return failures == 0 ? 0 : 1;
}
