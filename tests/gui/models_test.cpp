#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTableView>
#include <QTest>

#include "core/reports/row_styles.h"
#include "gui/catalogue/catalogue_model.h"
#include "gui/catalogue/node_route.h"
#include "gui/report/result_delegate.h"
#include "gui/report/result_model.h"
#include "gui/window/system_info.h"
#include "support/temp_dir.h"

namespace vdbq::gui::testing {
namespace {

QColor ColourOf(Ground ground) {
  const Rgb rgb = GroundColour(ground);
  return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

Catalogue SmallCatalogue() {
  vdbq::testing::TempDir dir;
  vdbq::testing::WriteExtractSet(
      dir, {{"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
            {"Schedules.Xtract",
             "SCHEDULE CPU1#DAILY\n:\n CPU1#J1\nEND\n\nSCHEDULE OLD#GONE\n:\n OLD#J2\nEND\n"},
            {"Jobs.Xtract",
             "$JOBS\nCPU1#J1 SCRIPTNAME \"/a\"\n RECOVERY STOP\n"
             "OLD#J2 SCRIPTNAME \"/b\"\n RECOVERY STOP\n"}});
  ExtractStore store;
  Catalogue catalogue;
  RefreshCatalogue(dir.DirText(), store, catalogue);
  return catalogue;
}

}  // namespace

class ModelsTest : public QObject {
  Q_OBJECT
 private slots:
  void theCatalogueModelFollowsTheCoreTree() {
    Catalogue catalogue = SmallCatalogue();
    CatalogueModel model(catalogue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 9);
    const QModelIndex daily = model.FindPath({"Schedules", "CPU1", "DAILY"});
    QVERIFY(daily.isValid());
    const NodeInfo info = model.Info(daily);
    QCOMPARE(info.Level, 2);
    QCOMPARE(info.ParentCaption, std::string("CPU1"));
    QCOMPARE(info.GrandparentCaption, std::string("Schedules"));
    QVERIFY(model.FindPath({"Schedules (Invalid)", "OLD", "GONE"}).isValid());
    QVERIFY(!model.FindPath({"Schedules", "OLD"}).isValid());
  }

  void nodesAreColouredByLevelAndCarryTheirPictures() {
    Catalogue catalogue = SmallCatalogue();
    CatalogueModel model(catalogue);
    const QModelIndex heading = model.FindPath({"Workstations"});
    const QModelIndex cpu = model.FindPath({"Workstations", "CPU1"});
    const QModelIndex job = model.FindPath({"Jobs", "CPU1", "J1"});
    QVERIFY(!heading.data(Qt::ForegroundRole).isValid());
    QCOMPARE(cpu.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 128));
    QCOMPARE(job.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 128, 0));
    const QIcon icon = job.data(Qt::DecorationRole).value<QIcon>();
    QVERIFY(!icon.isNull());
    // The selected picture differs from the normal one.
    QVERIFY(icon.pixmap(16, QIcon::Normal).toImage() != icon.pixmap(16, QIcon::Selected).toImage());
  }

  void aRebuildReplacesTheTree() {
    Catalogue catalogue = SmallCatalogue();
    CatalogueModel model(catalogue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.BeginRebuild();
    catalogue.Tree.clear();
    model.EndRebuild();
    QCOMPARE(model.rowCount(), 0);
    model.BeginRebuild();
    catalogue = SmallCatalogue();
    model.EndRebuild();
    QCOMPARE(model.rowCount(), 9);
  }

  void nodeRoutesFollowTheLevelsAndHeadings_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("grandparent");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("category");
    using A = NodeRoute::Action;
    QTest::newRow("heading") << 0 << "Jobs (Invalid)"
                             << ""
                             << "" << int(A::Heading) << int(PageCategory::Job);
    QTest::newRow("workstation") << 1 << "CPU1"
                                 << "Workstations"
                                 << "" << int(A::ShowObject) << int(PageCategory::Cpu);
    QTest::newRow("cpu under jobs") << 1 << "CPU1"
                                    << "Jobs"
                                    << "" << int(A::Nothing) << int(PageCategory::Inf);
    QTest::newRow("invalid job") << 2 << "J1"
                                 << "OLD"
                                 << "Jobs (Invalid)" << int(A::ShowObject)
                                 << int(PageCategory::Job);
    QTest::newRow("schedule") << 2 << "S"
                              << "CPU1"
                              << "Schedules" << int(A::ShowObject) << int(PageCategory::Sch);
    QTest::newRow("prompt") << 1 << "P"
                            << "Prompts"
                            << "" << int(A::ShowObject) << int(PageCategory::Pro);
  }

  void nodeRoutesFollowTheLevelsAndHeadings() {
    QFETCH(int, level);
    QFETCH(QString, caption);
    QFETCH(QString, parent);
    QFETCH(QString, grandparent);
    QFETCH(int, action);
    QFETCH(int, category);
    const NodeRoute route = RouteOf(
        NodeInfo{level, caption.toStdString(), parent.toStdString(), grandparent.toStdString()});
    QCOMPARE(int(route.What), action);
    if (route.What != NodeRoute::Action::Nothing) QCOMPARE(int(route.Category), category);
  }

  void resultCellsCarryTheRuleStyles_data() {
    QTest::addColumn<int>("report");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<bool>("bold");
    const QColor none;
    QTest::newRow("S#1 name light yellow")
        << 1 << QStringList{"CPU1", "DAILY"} << 1 << ColourOf(Ground::LightYellow) << none << false;
    QTest::newRow("J#3 name light blue over yellow")
        << 13 << QStringList{"CPU1", "J1"} << 1 << ColourOf(Ground::LightBlue) << none << false;
    QTest::newRow("S#2 duplicate caption") << 2 << QStringList{"DAILY", "1", "CPU1"} << 0
                                           << ColourOf(Ground::Pink) << QColor(128, 0, 0) << false;
    QTest::newRow("S#5 heading") << 5 << QStringList{"Seq.", "Workstation", "Schedule"} << 0
                                 << ColourOf(Ground::Pink) << QColor(0, 0, 128) << true;
    QTest::newRow("S#5 four-character caption") << 5 << QStringList{"003>", "CPU1", "DAILY"} << 2
                                                << ColourOf(Ground::Orange) << none << false;
    QTest::newRow("R#2 unused") << 42 << QStringList{"TAPES", "Not Used."} << 0
                                << ColourOf(Ground::Pink) << QColor(128, 0, 0) << false;
    QTest::newRow("plain list ground")
        << 3 << QStringList{"CPU1", "DAILY"} << 0 << ColourOf(Ground::List) << none << false;
  }

  void resultCellsCarryTheRuleStyles() {
    QFETCH(int, report);
    QFETCH(QStringList, row);
    QFETCH(int, column);
    QFETCH(QColor, ground);
    QFETCH(QColor, text);
    QFETCH(bool, bold);
    ResultList results;
    results.ReportNumber = report;
    std::vector<std::string> subItems;
    for (int i = 1; i < row.size(); ++i) subItems.push_back(row[i].toStdString());
    results.AddRow(row[0].toStdString(), subItems);
    ResultModel model(results);
    const QModelIndex cell = model.index(0, column);
    QCOMPARE(cell.data(Qt::BackgroundRole).value<QBrush>().color(), ground);
    const QVariant foreground = cell.data(Qt::ForegroundRole);
    QCOMPARE(foreground.isValid() ? foreground.value<QBrush>().color() : QColor(), text);
    QCOMPARE(cell.data(Qt::FontRole).isValid() && cell.data(Qt::FontRole).value<QFont>().bold(),
             bold);
    QCOMPARE(cell.data().toString(), row.value(column));
  }

  void aRunningReportShowsNoRowsUntilItEnds() {
    ResultList results;
    results.ReportNumber = 1;
    results.AddRow("CPU1", {"DAILY"});
    ResultModel model(results);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.BeginRun();
    results.Clear();
    results.AddRow("CPU2", {"NIGHTLY"});
    results.AddRow("CPU3", {"WEEKLY"});
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.index(0, 0).isValid());
    model.EndRun();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("WEEKLY"));
  }

  void theDelegatePaintsTheRuleGrounds() {
    ResultList results;
    results.ReportNumber = 13;
    results.SetWidths({80, 80, 0, 0, 0, 0, 0, 0, 0});
    results.AddRow("CPU1", {"J1"});
    ResultModel model(results);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new ResultDelegate(&view));
    view.resize(300, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage shot = view.viewport()->grab().toImage();
    const QRect name = view.visualRect(model.index(0, 1));
    QCOMPARE(shot.pixelColor(name.right() - 2, name.center().y()), ColourOf(Ground::LightBlue));
    const QRect caption = view.visualRect(model.index(0, 0));
    QCOMPARE(shot.pixelColor(caption.right() - 2, caption.center().y()), ColourOf(Ground::List));
  }

  void memoryFiguresAreReadFromMeminfo() {
    const auto figures = ParseMeminfo(QStringLiteral(
        "MemTotal:       16000000 kB\nMemFree:         1000000 kB\nMemAvailable:    4000000 kB\n"));
    QVERIFY(figures.has_value());
    QCOMPARE(figures->PhysicalKb, 16000000LL);
    QCOMPARE(figures->FreeKb, 4000000LL);
    QCOMPARE(figures->LoadPercent, 75);
    QVERIFY(!ParseMeminfo(QStringLiteral("garbage")).has_value());
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::ModelsTest)
#include "models_test.moc"
