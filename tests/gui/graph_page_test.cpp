// The Graph page on the sample database: what it draws, re-centring, depths, exports, and where
// it opens from.
#include "gui/graph/graph_page.h"

#include <QGraphicsItem>
#include <QImage>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QXmlStreamReader>

#include "core/reports/run_report.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/graph/graph_commands.h"
#include "gui/report/report_page.h"
#include "gui/report/report_runner.h"
#include "gui/window_fixture.h"
#include "support/test_helpers.h"

namespace vdbq::gui::testing {
namespace {

QGraphicsItem* NodeItem(GraphPage& page, const std::string& key) {
  const auto& keys = page.NodeKeys();
  for (QGraphicsItem* item : page.Scene()->items()) {
    const QVariant index = item->data(0);
    if (index.isValid() && keys[static_cast<size_t>(index.toInt())] == key) return item;
  }
  return nullptr;
}

int DrawnNodes(GraphPage& page) {
  int count = 0;
  for (QGraphicsItem* item : page.Scene()->items()) count += item->data(0).isValid() ? 1 : 0;
  return count;
}

bool WaitForLayout(GraphPage& page) {
  QSignalSpy spy(&page, &GraphPage::laidOut);
  return spy.wait(10000);
}

}  // namespace

class GraphPageTest : public QObject {
  Q_OBJECT
 private slots:
  void drawsThePathAndRecentresOnDoubleClick() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Graphs()->ShowDependencyGraph("HFFIN02#FIN_REPORTS");
    GraphPage& page = window.Graphs()->Page();
    QVERIFY(WaitForLayout(page));
    QCOMPARE(DrawnNodes(page), 8);
    QGraphicsItem* posting = NodeItem(page, "HFFIN01#GL_POSTING");
    QVERIFY(posting != nullptr);

    page.View()->centerOn(posting);
    const QPoint at = page.View()->mapFromScene(posting->sceneBoundingRect().center());
    QTest::mouseDClick(page.View()->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(WaitForLayout(page));
    QCOMPARE(page.RootKey(), std::string("HFFIN01#GL_POSTING"));
    QVERIFY(NodeItem(page, "HFFIN01#GL_IMPORT") != nullptr);

    page.DownDepth()->setValue(0);
    QVERIFY(WaitForLayout(page));
    QCOMPARE(DrawnNodes(page), 3);  // GL_POSTING, what it waits for two steps up
  }

  void exportWritesValidSvgPngAndDot() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Graphs()->ShowDependencyGraph("HFDWH01#DW_NIGHTLY");
    GraphPage& page = window.Graphs()->Page();
    QVERIFY(WaitForLayout(page));
    const QString dir = QString::fromStdString(fixture.ProgramDir());
    QVERIFY(page.ExportTo(dir + "graph.svg", GraphPage::Format::kSvg));
    QVERIFY(page.ExportTo(dir + "graph.png", GraphPage::Format::kPng));
    QVERIFY(page.ExportTo(dir + "graph.dot", GraphPage::Format::kDot));

    QXmlStreamReader svg(
        QByteArray::fromStdString(vdbq::testing::ReadFile((dir + "graph.svg").toStdString())));
    int nodes = 0;
    while (!svg.atEnd()) {
      if (svg.readNext() == QXmlStreamReader::StartElement &&
          svg.attributes().value("class") == QLatin1String("node")) {
        ++nodes;
      }
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QCOMPARE(nodes, static_cast<int>(page.NodeKeys().size()));
    QVERIFY(!QImage(dir + "graph.png").isNull());
    QVERIFY(vdbq::testing::ReadFile((dir + "graph.dot").toStdString()).starts_with("digraph"));
  }

  void jobGraphFromTheTreeMenu() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Schedules", "HFDWH01", "DW_NIGHTLY"}));
    QAction* entry = nullptr;
    for (QAction* action : window.Tree()->PopupMenu()->findChildren<QAction*>()) {
      if (action->text() == "Show Job Graph" && action->isEnabled()) entry = action;
    }
    QVERIFY(entry != nullptr);
    entry->trigger();
    GraphPage& page = window.Graphs()->Page();
    QVERIFY(WaitForLayout(page));
    QCOMPARE(page.RootKey(), std::string("HFDWH01#DW_NIGHTLY"));
    QCOMPARE(DrawnNodes(page), 15);
  }

  void dependencyGraphFromAPathRow() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    const vdbq::ReportEntry* s5 = vdbq::FindReportByCode("S#5");
    window.Runner()->RunPreset(
        {s5->Code, s5->Category, s5->Option, vdbq::PresetSearch::None, vdbq::NodeKind::None},
        std::string("HFFIN02#FIN_REPORTS"));
    const auto& rows = window.State().Results.Rows;
    int row = 0;
    while (row < static_cast<int>(rows.size()) && rows[row].Column(3) != "GL_IMPORT") ++row;
    QVERIFY(row < static_cast<int>(rows.size()));
    QTableView* list = window.ReportView()->List();
    const QModelIndex index = list->model()->index(row, 1);
    list->setCurrentIndex(index);
    emit list->doubleClicked(index);
    GraphPage& page = window.Graphs()->Page();
    QVERIFY(WaitForLayout(page));
    QCOMPARE(page.RootKey(), std::string("HFFIN01#GL_IMPORT"));
  }

  // A chain of 2,100 schedules: the whole of it is not drawn, a smaller depth is.
  void tooManySchedulesAskForASmallerDepth() {
    std::string schedules;
    for (int s = 0; s < 2100; ++s) {
      schedules += "SCHEDULE CPU1#S" + std::to_string(s) + "\n";
      if (s > 0) schedules += "FOLLOWS S" + std::to_string(s - 1) + ".@\n";
      schedules += ":\nEND\n";
    }
    WindowFixture fixture(Extracts{{"Schedules.Xtract", schedules}});
    MainWindow& window = fixture.Start();
    window.Graphs()->ShowDependencyGraph("CPU1#S1000");
    GraphPage& page = window.Graphs()->Page();
    QVERIFY(page.Message().contains("smaller depth"));
    QCOMPARE(DrawnNodes(page), 0);
    page.UpDepth()->blockSignals(true);
    page.UpDepth()->setValue(3);
    page.UpDepth()->blockSignals(false);
    page.DownDepth()->setValue(3);
    QVERIFY(WaitForLayout(page));
    QCOMPARE(DrawnNodes(page), 7);
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::GraphPageTest)
#include "graph_page_test.moc"
