// The models and views without the window: the catalogue tree's and the result list's roles
// and painting, and the tree's menu on the largest sites. How fast the large views show and
// scroll is measured in bench_desktop.
#include <QAbstractItemModelTester>
#include <QTreeView>

#include "core/reports/row_styles.h"
#include "gui/report/result_delegate.h"
#include "gui/window/system_info.h"
#include "gui/window_fixture.h"
#include "support/report_fixture.h"

namespace vdbq::gui::testing {
namespace {

constexpr int kWorkstations = 200;
constexpr int kJobsEach = 2000;

// Each workstation's jobs follow one another, as in a generated database.
std::map<std::string, std::string> LargeJobSet() {
  std::string cpus;
  std::string jobs = "$JOBS\n";
  jobs.reserve(size_t{kWorkstations} * kJobsEach * 60);
  char line[96];
  for (int w = 0; w < kWorkstations; ++w) {
    std::snprintf(line, sizeof line, "CPUNAME WS%04d\nOS UNIX\nEND\n", w);
    cpus += line;
    for (int j = 0; j < kJobsEach; ++j) {
      std::snprintf(line, sizeof line, "WS%04d#JOB_%06d DOCOMMAND \"run %d\"\n     RECOVERY STOP\n",
                    w, j, j);
      jobs += line;
    }
  }
  return {{"Cpus.Xtract", cpus}, {"Jobs.Xtract", jobs}};
}

}  // namespace

class ViewsTest : public QObject {
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
    const auto colour = [](Rgb rgb) { return QColor(rgb.Red, rgb.Green, rgb.Blue); };
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
      QTableView view;
      view.setModel(&model);
      view.setItemDelegate(new ResultDelegate(&view));
      view.resize(500, 100);
      view.show();
      QVERIFY(QTest::qWaitForWindowExposed(&view));
      const QImage shot = view.viewport()->grab().toImage();
      for (int column = 0; column < row.size(); ++column) {
        const CellStyle style = CellStyleAt(results, 0, column + 1);
        const QModelIndex cell = model.index(0, column);
        QCOMPARE(cell.data().toString(), row[column]);
        const QRect rect = view.visualRect(cell);
        QCOMPARE(shot.pixelColor(rect.right() - 2, rect.center().y()),
                 colour(GroundColour(style.Fill)));
        const QVariant text = cell.data(Qt::ForegroundRole);
        QCOMPARE(text.isValid(), style.Text != TextColour::Normal);
        if (text.isValid()) QCOMPARE(text.value<QBrush>().color(), colour(TextRgb(style.Text)));
        QCOMPARE(cell.data(Qt::FontRole).value<QFont>().bold(), style.Bold);
      }
    }
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

  // The menu's Expand All Nodes and Collapse All Nodes reach every node with children of a
  // tree of 400,000 jobs in 200 workstation nodes (once they took minutes on such a tree).
  void expandAllAndCollapseAllReachEveryNodeOfALargeTree() {
    vdbq::testing::ReportFixture fixture(LargeJobSet());
    CatalogueModel model(fixture.Catalogue);
    CatalogueTree tree(model);
    tree.resize(300, 700);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    const QModelIndex lastJob = model.FindPath({"Jobs", "WS0199", "JOB_001999"});
    QVERIFY(lastJob.isValid());
    for (const bool expand : {true, false}) {
      FindAction(tree.PopupMenu(), expand ? "Expand All Nodes" : "Collapse All Nodes")->trigger();
      tree.viewport()->repaint();
      int parents = 0, wrong = 0;
      for (int h = 0; h < model.rowCount(); ++h) {
        const QModelIndex heading = model.index(h, 0);
        for (int n = -1; n < model.rowCount(heading); ++n) {
          const QModelIndex node = n < 0 ? heading : model.index(n, 0, heading);
          if (model.rowCount(node) == 0) continue;
          ++parents;
          wrong += tree.isExpanded(node) != expand;
        }
      }
      QCOMPARE(wrong, 0);
      QCOMPARE(parents, 2 + kWorkstations);  // Workstations, Jobs and its workstations
      QCOMPARE(tree.visualRect(lastJob).isValid(), expand);
    }
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::ViewsTest)
#include "views_test.moc"
