#include <QAbstractItemModelTester>

#include "core/reports/row_styles.h"
#include "gui/report/result_delegate.h"
#include "gui/window/system_info.h"
#include "gui/window_fixture.h"
#include "support/report_fixture.h"

namespace vdbq::gui::testing {
namespace {

QColor ColourOf(Ground ground) {
  const Rgb rgb = GroundColour(ground);
  return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

}  // namespace

class ModelsTest : public QObject {
  Q_OBJECT
 private slots:
  // The model's tree is the core's, checked there and through the window's navigation.
  void nodesBelowTheHeadingsAreColouredByLevelAndCarryTheirPictures() {
    vdbq::testing::ReportFixture fixture(
        {{"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
         {"Jobs.Xtract", "$JOBS\nCPU1#J1 SCRIPTNAME \"/a\"\n RECOVERY STOP\n"}});
    CatalogueModel model(fixture.Catalogue);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QVariant cpu = model.FindPath({"Workstations", "CPU1"}).data(Qt::ForegroundRole);
    const QModelIndex job = model.FindPath({"Jobs", "CPU1", "J1"});
    QVERIFY(!model.FindPath({"Workstations"}).data(Qt::ForegroundRole).isValid());
    QVERIFY(cpu.isValid() && job.data(Qt::ForegroundRole).isValid());
    QVERIFY(cpu.value<QBrush>().color() != job.data(Qt::ForegroundRole).value<QBrush>().color());
    const QIcon icon = job.data(Qt::DecorationRole).value<QIcon>();
    // The selected picture differs from the normal one.
    QVERIFY(icon.pixmap(16, QIcon::Normal).toImage() != icon.pixmap(16, QIcon::Selected).toImage());
  }

  // The one check of how the core's cell styles reach the screen: grounds, text colours and
  // bold through the model's roles, and the grounds through the delegate's painting.
  void cellsAreDrawnInTheCoreStyles() {
    const std::vector<std::pair<int, QStringList>> rows = {
        {1, {"CPU1", "DAILY"}},         {13, {"CPU1", "J1"}},
        {2, {"DAILY", "1", "CPU1"}},    {5, {"Seq.", "Workstation", "Schedule"}},
        {5, {"003>", "CPU1", "DAILY"}}, {42, {"TAPES", "Not Used."}}};
    for (const auto& [report, row] : rows) {
      ResultList results;
      results.ReportNumber = report;
      std::vector<std::string> subItems;
      for (int i = 1; i < row.size(); ++i) subItems.push_back(row[i].toStdString());
      results.AddRow(row[0].toStdString(), subItems);
      ResultModel model(results);
      for (int column = 0; column < row.size(); ++column) {
        const CellStyle style = CellStyleAt(results, 0, column + 1);
        const QModelIndex cell = model.index(0, column);
        QCOMPARE(cell.data().toString(), row[column]);
        QCOMPARE(cell.data(Qt::BackgroundRole).value<QBrush>().color(), ColourOf(style.Fill));
        const QVariant foreground = cell.data(Qt::ForegroundRole);
        const Rgb text = TextRgb(style.Text);
        QCOMPARE(
            foreground.isValid() ? foreground.value<QBrush>().color() : QColor(),
            style.Text == TextColour::Normal ? QColor() : QColor(text.Red, text.Green, text.Blue));
        QCOMPARE(cell.data(Qt::FontRole).isValid() && cell.data(Qt::FontRole).value<QFont>().bold(),
                 style.Bold);
      }
    }

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
    for (int column = 0; column < 2; ++column) {
      const QRect rect = view.visualRect(model.index(0, column));
      QCOMPARE(shot.pixelColor(rect.right() - 2, rect.center().y()),
               ColourOf(CellStyleAt(results, 0, column + 1).Fill));
    }
    // The two cells differ, so a delegate painting one ground everywhere fails above.
    QVERIFY(CellStyleAt(results, 0, 1).Fill != CellStyleAt(results, 0, 2).Fill);
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
