// The Graph, Changes and Findings pages in the window: where they open from, what they show of
// the core's graphs, comparisons and checks, and their exports.
#include <QGraphicsItem>
#include <QTextBlock>

#include "gui/changes/changes_commands.h"
#include "gui/changes/changes_page.h"
#include "gui/check/findings_page.h"
#include "gui/graph/graph_commands.h"
#include "gui/graph/graph_page.h"
#include "gui/widgets/click_label.h"
#include "gui/widgets/colour_memo.h"
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

bool WaitForLayout(GraphPage& page) { return QSignalSpy(&page, &GraphPage::laidOut).wait(10000); }

void ReplaceInFile(const QString& path, const QByteArray& from, const QByteArray& to) {
  QByteArray bytes = FileBytes(path);
  QVERIFY(bytes.contains(from));
  QVERIFY(WriteBytes(path, bytes.replace(from, to)));
}

// One error (a job line naming an undefined job) and one warning (an unscheduled job).
const Extracts kFaulty{
    {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
    // The page shows the comment and the blank line before the schedule too.
    {"Schedules.Xtract",
     "* daily\n\nSCHEDULE CPU1#DAILY\nON REQUEST\n:\n CPU1#J1\n CPU1#GONE\nEND\n"},
    {"Jobs.Xtract", "CPU1#J1 DOCOMMAND \"a\"\nCPU1#SPARE DOCOMMAND \"b\"\n"}};

QTreeWidgetItem* Group(FindingsPage* page, const QString& rule) {
  return page->Tree()->findItems(rule, Qt::MatchExactly, 1).value(0);
}

}  // namespace

class PagesTest : public QObject {
  Q_OBJECT
 private slots:
  void theGraphDrawsThePathRecentresExportsAndOpensFromTheTreeAndThePathReport() {
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

    // The formats themselves are checked with the command line's graphs.
    const QString dir = QString::fromStdString(fixture.ProgramDir());
    QVERIFY(page.ExportTo(dir + "graph.svg", GraphPage::Format::kSvg));
    QVERIFY(page.ExportTo(dir + "graph.png", GraphPage::Format::kPng));
    QVERIFY(page.ExportTo(dir + "graph.dot", GraphPage::Format::kDot));
    QCOMPARE(FileBytes(dir + "graph.svg").count("class=\"node\""), 3);
    QVERIFY(!QImage(dir + "graph.png").isNull());
    QVERIFY(FileBytes(dir + "graph.dot").startsWith("digraph"));

    // The tree's menu and a double click on a path row open their graphs.
    QVERIFY(fixture.Select({"Schedules", "HFDWH01", "DW_NIGHTLY"}));
    FindAction(window.Tree()->PopupMenu(), QStringLiteral("Show Job Graph"))->trigger();
    QVERIFY(WaitForLayout(page));
    QCOMPARE(page.RootKey(), std::string("HFDWH01#DW_NIGHTLY"));
    QCOMPARE(DrawnNodes(page), 15);

    RunReport(window, 0, 5, QStringLiteral("HFFIN02#FIN_REPORTS"));
    const auto& rows = window.State().Results.Rows;
    int row = 0;
    while (row < static_cast<int>(rows.size()) && rows[row].Column(3) != "GL_IMPORT") ++row;
    QVERIFY(row < static_cast<int>(rows.size()));
    QTableView* list = window.ReportView()->List();
    list->setCurrentIndex(list->model()->index(row, 1));
    emit list->doubleClicked(list->currentIndex());
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

  // The sample database kept as the previous set, and in use with a parameter's value changed
  // and a resource added.
  void theChangesPageComparesWithThePreviousSetOpensAndExports() {
    WindowFixture fixture;
    const QString db = QString::fromStdString(fixture.DatabaseDir());
    ReplaceInFile(db + "Parms.Xtract", "\"/data/finance\"", "\"/data/finance2\"");
    ReplaceInFile(db + "Resources.Xtract", "$RESOURCE\n",
                  "$RESOURCE\nHFMASTER#NEWRES\t   2\t\"New\"\n");
    MainWindow& window = fixture.Start();
    // Without a previous set, or with a folder that holds none, a message says so.
    QVERIFY(!window.Comparing()->ComparePrevious());
    QVERIFY(!window.Comparing()->CompareWith(fixture.ProgramDir() + "nowhere/"));
    QCOMPARE(fixture.Messages.size(), size_t{2});
    QVERIFY(window.Comparing()->CompareWith(fixture.DatabaseDir()));
    QCOMPARE(window.StatusText(), QStringLiteral("No Objects Changed."));
    CopyDirectory(SampleDatabaseDir(), db + "History/20260101-000000");
    window.Comparing()->CompareWithPrevious->trigger();
    ChangesPage* page = window.Changes();
    QCOMPARE(window.CurrentPage(), page);
    QCOMPARE(window.StatusText(), QStringLiteral("2 Objects Changed."));
    QTreeWidget* tree = page->Tree();
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Workstations (0)"));
    const auto item = [tree](const char* key) {
      return tree->findItems(key, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    };
    QTreeWidgetItem* changed = item("FINDATA");
    QTreeWidgetItem* added = item("HFMASTER#NEWRES");
    QVERIFY(changed && added);
    QVERIFY(changed->parent()->text(0).startsWith("Parameters ("));
    QCOMPARE(changed->text(1), QStringLiteral("changed"));
    QCOMPARE(added->text(1), QStringLiteral("added"));
    QVERIFY(changed->foreground(0).color() != added->foreground(0).color());

    tree->setCurrentItem(changed);
    ColourMemo* view = page->DiffView();
    QCOMPARE(view->toPlainText(),
             QStringLiteral("- FINDATA \"/data/finance\"\n+ FINDATA \"/data/finance2\""));
    const int secondLine = view->document()->findBlockByNumber(1).position();
    QVERIFY(view->ColourAt(2) != view->ColourAt(secondLine + 2));

    // The export lists every change; the added object opens on its page.
    const QString csv = db + "changes.csv";
    fixture.Desktop.SaveNames.push_back(csv);
    QTest::mouseClick(page->ExportButton(), Qt::LeftButton);
    QCOMPARE(FileBytes(csv), QByteArray("Kind,Key,Change\r\nParameters,FINDATA,changed\r\n"
                                        "Resources,HFMASTER#NEWRES,added\r\n"));
    emit tree->itemDoubleClicked(added, 0);
    QCOMPARE(PageName(window), QStringLiteral("TabRes"));
    QCOMPARE(LabelText(window.CurrentPage(), "LabResName"), QStringLiteral("NEWRES"));
  }

  void theFindingsPageOpensFromTheCountAndTheMenusOpensSchedulesAndExports() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    QCOMPARE(window.CheckTotals()->text(), QStringLiteral("1 error, 1 warning"));
    QVERIFY(window.CheckTotals()->isVisible());
    Click(window.CheckTotals());
    FindingsPage* page = window.Findings();
    QCOMPARE(window.CurrentPage(), page);
    QCOMPARE(page->Tree()->topLevelItemCount(), 2);
    QVERIFY(Group(page, QStringLiteral("unscheduled-job")) != nullptr);
    QTreeWidgetItem* undefined = Group(page, QStringLiteral("undefined-job"));
    QCOMPARE(undefined->text(0), QStringLiteral("Undefined job (1)"));
    QCOMPARE(undefined->child(0)->text(1), QStringLiteral("Schedules.Xtract:7"));
    emit page->Tree()->itemDoubleClicked(undefined->child(0), 0);
    QCOMPARE(window.CurrentPage(), window.SchedulePage());
    QCOMPARE(window.SchedulePage()->Memo()->textCursor().selectedText(),
             QStringLiteral(" CPU1#GONE"));

    // The menus run the check, and the export writes CSV.
    window.Menu()->CheckDatabase->trigger();
    QCOMPARE(window.CurrentPage(), window.Findings());
    // The tree's menu offers the check on a heading, not on an object.
    const auto offered = [&](const std::vector<std::string>& path) {
      return fixture.Select(path) &&
             FindAction(window.Tree()->PopupMenu(), QStringLiteral("Check Database"))->isVisible();
    };
    QVERIFY(!offered({"Jobs", "CPU1", "J1"}));
    QVERIFY(offered({"Jobs"}));

    const QString csv = QString::fromStdString(fixture.ProgramDir()) + "findings.csv";
    fixture.Desktop.SaveNames.push_back(csv);
    window.Findings()->ExportButton()->click();
    const QByteArray text = FileBytes(csv);
    QVERIFY(text.startsWith("Severity,Rule,Kind,Key,File,Line,Message\r\n"));
    QVERIFY(text.contains("\r\nerror,undefined-job,schedule,CPU1#DAILY,Schedules.Xtract,7,"));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::PagesTest)
#include "pages_test.moc"
