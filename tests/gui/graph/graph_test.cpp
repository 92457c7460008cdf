// The Graph page in the window: where it opens from, what it draws of the core's graphs, its
// recentring and depths, its exports, and the schedule page it opens.
#include <QGraphicsItem>
#include <QToolButton>

#include "gui/graph/graph_commands.h"
#include "gui/graph/graph_page.h"
#include "gui/output/desktop.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

QGraphicsItem* NodeItem(GraphPage& page, const std::string& key) {
  for (QGraphicsItem* item : page.Scene()->items()) {
    const QVariant index = item->data(0);
    if (index.isValid() && page.NodeKeys()[static_cast<size_t>(index.toInt())] == key) return item;
  }
  return nullptr;
}

int DrawnNodes(GraphPage& page) {
  int count = 0;
  for (QGraphicsItem* item : page.Scene()->items()) count += item->data(0).isValid() ? 1 : 0;
  return count;
}

// A schedule that another follows, each with one job.
const QString kTwoSchedules =
    "SCHEDULE CPU1#A\n:\n CPU1#J1\nEND\nSCHEDULE CPU1#B\nFOLLOWS CPU1#A.@\n:\n CPU1#J1\nEND\n";

// The text height below which a label is a smudge rather than a name.
constexpr int kReadableLabelPixels = 10;

bool WaitForLayout(GraphPage& page) { return QSignalSpy(&page, &GraphPage::laidOut).wait(10000); }

// The dependencies of FIN_REPORTS, drawn: eight schedules.
GraphPage* ShowFinReports(MainWindow& window) {
  window.Graphs()->ShowDependencyGraph("HFFIN02#FIN_REPORTS");
  GraphPage& page = window.Graphs()->Page();
  return WaitForLayout(page) ? &page : nullptr;
}

// A way a graph opens from the window; what an export must hold.
using Opening = std::function<void(WindowFixture&)>;
using Check = std::function<bool(const QByteArray&)>;

}  // namespace

class GraphTest : public QObject {
  Q_OBJECT
 private slots:
  void aDoubleClickOnANodeRecentresTheGraphAndTheDepthsLimitIt() {
    WindowFixture fixture;
    GraphPage* page = ShowFinReports(fixture.Start());
    QVERIFY(page != nullptr);
    QCOMPARE(DrawnNodes(*page), 8);
    QGraphicsItem* posting = NodeItem(*page, "HFFIN01#GL_POSTING");
    QVERIFY(posting != nullptr);
    page->View()->centerOn(posting);
    const QPoint at = page->View()->mapFromScene(posting->sceneBoundingRect().center());
    QTest::mouseDClick(page->View()->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(WaitForLayout(*page));
    QCOMPARE(page->RootKey(), std::string("HFFIN01#GL_POSTING"));
    QVERIFY(NodeItem(*page, "HFFIN01#GL_IMPORT") != nullptr);
    page->DownDepth()->setValue(0);
    QVERIFY(WaitForLayout(*page));
    QCOMPARE(DrawnNodes(*page), 3);  // GL_POSTING, what it waits for two steps up
  }

  // The dialog offers the root's key in the saves directory with the format's filter; the
  // formats themselves are checked with the command line's graphs.
  void theDrawingExports_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<Check>("written");
    QTest::newRow("svg") << "SVG..."
                         << "HFFIN02#FIN_REPORTS.svg"
                         << "SVG files (*.svg *.SVG)" << Check([](const QByteArray& b) {
                              return b.count("class=\"node\"") == 8;
                            });
    QTest::newRow("png") << "PNG..."
                         << "HFFIN02#FIN_REPORTS.png"
                         << "PNG files (*.png *.PNG)" << Check([](const QByteArray& b) {
                              return !QImage::fromData(b).isNull();
                            });
    QTest::newRow("dot") << "DOT..."
                         << "HFFIN02#FIN_REPORTS.dot"
                         << "DOT files (*.dot *.DOT)"
                         << Check([](const QByteArray& b) { return b.startsWith("digraph"); });
  }

  void theDrawingExports() {
    QFETCH(QString, button);
    QFETCH(QString, proposed);
    QFETCH(QString, filter);
    QFETCH(Check, written);
    WindowFixture fixture;
    GraphPage* page = ShowFinReports(fixture.Start());
    QVERIFY(page != nullptr);
    const QString path = QString::fromStdString(fixture.ProgramDir()) + "graph";
    fixture.Desktop.SaveNames = {path};
    for (QToolButton* b : page->findChildren<QToolButton*>()) {
      if (b->text() == button) b->click();
    }
    QCOMPARE(fixture.Desktop.SaveDirectories.size(), size_t{1});
    QCOMPARE(fixture.Desktop.SaveDirectories[0],
             QDir(QString::fromStdString(fixture.ProgramDir()) + "Saves").filePath(proposed));
    QCOMPARE(QtFileFilter(fixture.Desktop.SaveFilters.at(0)), filter);
    QVERIFY(written(FileBytes(path)));
  }

  // A Refresh draws the open graph from the new extracts, or closes it when its schedule is gone.
  void aReloadRedrawsTheOpenGraph_data() {
    QTest::addColumn<bool>("jobs");
    QTest::addColumn<QString>("schedules");
    QTest::addColumn<QStringList>("drawn");  // none: the window closed
    QTest::newRow("a new follower")
        << false << kTwoSchedules + "SCHEDULE CPU1#C\nFOLLOWS CPU1#A.@\n:\n CPU1#J1\nEND\n"
        << QStringList{"CPU1#A", "CPU1#B", "CPU1#C"};
    QTest::newRow("a new job")
        << true
        << QString(kTwoSchedules).replace(" CPU1#J1\n", " CPU1#J1\n CPU1#J2\n   FOLLOWS J1\n")
        << QStringList{"CPU1#J1", "CPU1#J2"};
    QTest::newRow("its schedule gone")
        << false << QString(kTwoSchedules).replace("CPU1#A\n", "CPU1#Z\n") << QStringList{};
  }

  void aReloadRedrawsTheOpenGraph() {
    QFETCH(bool, jobs);
    QFETCH(QString, schedules);
    QFETCH(QStringList, drawn);
    WindowFixture fixture(Extracts{{"Schedules.Xtract", kTwoSchedules.toStdString()}});
    MainWindow& window = fixture.Start();
    GraphPage& page = window.Graphs()->Page();
    QSignalSpy laidOut(&page, &GraphPage::laidOut);
    jobs ? window.Graphs()->ShowJobGraph("CPU1#A") : window.Graphs()->ShowDependencyGraph("CPU1#A");
    QVERIFY(laidOut.wait(10000));
    QVERIFY(WriteBytes(QString::fromStdString(fixture.DatabaseDir()) + "Schedules.Xtract",
                       schedules.toLatin1()));
    window.Menu()->Refresh->trigger();
    if (drawn.isEmpty()) {
      QVERIFY(!page.isVisible());
      QVERIFY(window.StatusText().contains("CPU1#A"));
      return;
    }
    QVERIFY(laidOut.wait(10000));
    QStringList keys;
    for (const std::string& key : page.NodeKeys()) keys << QString::fromStdString(key);
    keys.sort();
    QCOMPARE(keys, drawn);
  }

  void escAndCtrlWCloseTheWindow_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
  }

  void escAndCtrlWCloseTheWindow() {
    QFETCH(QKeySequence, keys);
    WindowFixture fixture;
    GraphPage* page = ShowFinReports(fixture.Start());
    QVERIFY(page != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(page));
    QTest::keySequence(page, keys);
    QVERIFY(!page->isVisible());
  }

  // Fit keeps a large job graph's labels readable in the window's first size; the rest scrolls.
  void labelsStayReadableAtFit_data() {
    QTest::addColumn<int>("jobs");
    QTest::addColumn<bool>("chained");
    QTest::newRow("200 jobs side by side") << 200 << false;
    QTest::newRow("200 jobs in a chain") << 200 << true;
  }

  void labelsStayReadableAtFit() {
    QFETCH(int, jobs);
    QFETCH(bool, chained);
    std::string schedule = "SCHEDULE CPU1#BIG\n:\n";
    for (int j = 0; j < jobs; ++j) {
      schedule += " CPU1#JOB_NUMBER_" + std::to_string(j) + "\n";
      if (chained && j > 0) schedule += "   FOLLOWS JOB_NUMBER_" + std::to_string(j - 1) + "\n";
    }
    WindowFixture fixture(Extracts{{"Schedules.Xtract", schedule + "END\n"}});
    MainWindow& window = fixture.Start();
    GraphPage& page = window.Graphs()->Page();
    QSignalSpy laidOut(&page, &GraphPage::laidOut);
    window.Graphs()->ShowJobGraph("CPU1#BIG");
    QVERIFY(laidOut.wait(20000));
    QCOMPARE(static_cast<int>(page.NodeKeys().size()), jobs);
    for (QGraphicsItem* item : page.Scene()->items()) {
      if (item->type() != QGraphicsSimpleTextItem::Type) continue;
      const QRect onScreen = page.View()->mapFromScene(item->sceneBoundingRect()).boundingRect();
      QVERIFY2(onScreen.height() >= kReadableLabelPixels,
               qPrintable(QString::number(onScreen.height())));
    }
  }

  void opensFromTheTreeMenuAndThePathReport_data() {
    QTest::addColumn<Opening>("open");
    QTest::addColumn<QString>("root");
    QTest::addColumn<int>("nodes");
    QTest::newRow("tree's job graph") << Opening([](WindowFixture& fixture) {
      QVERIFY(fixture.Select({"Schedules", "HFDWH01", "DW_NIGHTLY"}));
      FindAction(fixture.Window().Tree()->PopupMenu(), QStringLiteral("Show Job Graph"))->trigger();
    }) << "HFDWH01#DW_NIGHTLY" << 15;
    QTest::newRow("path row") << Opening([](WindowFixture& fixture) {
      MainWindow& window = fixture.Window();
      RunReport(window, 0, 5, QStringLiteral("HFFIN02#FIN_REPORTS"));
      const auto& rows = window.State().Results.Rows;
      int row = 0;
      while (row < static_cast<int>(rows.size()) && rows[row].Column(3) != "GL_IMPORT") ++row;
      QVERIFY(row < static_cast<int>(rows.size()));
      QTableView* list = window.ReportView()->List();
      list->setCurrentIndex(list->model()->index(row, 1));
      emit list->doubleClicked(list->currentIndex());
    }) << "HFFIN01#GL_IMPORT" << 8;
  }

  void opensFromTheTreeMenuAndThePathReport() {
    QFETCH(Opening, open);
    QFETCH(QString, root);
    QFETCH(int, nodes);
    WindowFixture fixture;
    GraphPage& page = fixture.Start().Graphs()->Page();
    QSignalSpy laidOut(&page, &GraphPage::laidOut);
    open(fixture);
    QVERIFY(laidOut.wait(10000));
    QCOMPARE(page.RootKey(), root.toStdString());
    QCOMPARE(DrawnNodes(page), nodes);
  }

  // A node's "Open Schedule Page" selects the schedule in the tree; one the database does not
  // define is named in the status line.
  void aNodeOpensItsSchedulePage() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    GraphPage& page = window.Graphs()->Page();
    emit page.scheduleOpenRequested("HFFIN01#GL_POSTING");
    QCOMPARE(window.CurrentPage(), window.SchedulePage());
    QCOMPARE(LabelText(window.CurrentPage(), "LabTabSchName"), QStringLiteral("GL_POSTING"));
    emit page.scheduleOpenRequested("HFFIN01#NOWHERE");
    QCOMPARE(window.StatusText(), QStringLiteral("Schedule not found: HFFIN01#NOWHERE"));
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

QTEST_MAIN(vdbq::gui::testing::GraphTest)
#include "graph_test.moc"
