// Layout and keyboard behaviour of the desktop window: long texts, the parameter and prompt
// pages, the report panel's focus order and positions, scroll positions, counters and keys.
#include <QLineEdit>
#include <QScrollBar>
#include <QToolTip>

#include "gui/pages/page_header.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

class DesktopPolishTest : public QObject {
  Q_OBJECT
 private slots:
  void longTitlesLeaveTheWindowAndTheTreeAlone() {
    const QString longName(300, QLatin1Char('N'));
    WindowFixture fixture(Extracts{
        {"Schedules.Xtract", "SCHEDULE CPU1#" + longName.toStdString() + "\n:\nCPU1#J1\nEND\n"},
        {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"}});
    MainWindow& window = fixture.Start();
    Settle();
    QWidget* left = window.findChild<QWidget*>(QStringLiteral("PanelLeftImage"));
    const auto sizes = [&] { return std::pair(window.size(), left->width()); };
    const auto first = sizes();
    QVERIFY(first.second >= 260);
    QVERIFY(fixture.Select({"Schedules", "CPU1", longName.toStdString()}));
    Settle();
    QCOMPARE(sizes(), first);
    const QString search(5000, QLatin1Char('A'));
    RunReport(window, 1, 6, search);
    Settle();
    QCOMPARE(sizes(), first);
    auto* subtitle = window.findChild<QLabel*>(QStringLiteral("LabRepTit2"));
    QCOMPARE(subtitle->text(), QStringLiteral("Find: ") + search);
    const QPoint middle = subtitle->rect().center();
    QHelpEvent help(QEvent::ToolTip, middle, subtitle->mapToGlobal(middle));
    QApplication::sendEvent(subtitle, &help);
    QCOMPARE(QToolTip::text(), subtitle->text());
  }

  void clickedRowsTextFollowsTheTitle_data() {
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("clicked");
    QTest::newRow("parameter") << QStringList{"Parameters", "FINDATA"} << "TMPDIR";
    QTest::newRow("prompt") << QStringList{"Prompts", "AP_RUN_OK"} << "MONTHEND_GO";
  }

  void clickedRowsTextFollowsTheTitle() {
    QFETCH(QStringList, selected);
    QFETCH(QString, clicked);
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({selected[0].toStdString(), selected[1].toStdString()}));
    auto* list = window.CurrentPage()->findChild<QTreeWidget*>();
    // The list marks the entry selected in the tree.
    QCOMPARE(list->currentItem()->text(0), selected[1]);
    const QList<QTreeWidgetItem*> rows = list->findItems(clicked, Qt::MatchExactly, 0);
    QCOMPARE(rows.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(rows[0]).center());
    const PageHeader* header = window.CurrentPage()->findChild<PageHeader*>();
    QCOMPARE(header->Title()->text(), clicked);
    QCOMPARE(header->Subtitle()->text(), rows[0]->text(1));
  }

  void tabWalksThroughEveryControlOfTheReportPanel() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(Activate(window));
    window.Panel()->PreviousButton()->setFocus();
    QStringList seen;
    for (int i = 0; i < 11; ++i) {
      seen << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(seen, (QStringList{"ImageButPrevious", "ImageButNext", "PanelCmdCB1", "PanelCmdCB2",
                                "PanelCmdCB3", "PanelCmdCB4", "PanelCmdCB5", "EditSearch", "GoBut",
                                "LabPaste", "LabClear"}));

    // Space ticks the option in focus; Space on Next steps the category.
    QTest::keyClick(window.Panel()->OptionBox(3), Qt::Key_Space);
    QCOMPARE(window.State().Panel.TickedOption(), 3);
    QTest::keyClick(window.Panel()->NextButton(), Qt::Key_Space);
    QCOMPARE(window.State().Panel.ReportCategory(), 1);
  }

  void arrowsMoveInTheResultListTabLeavesItAndANewReportStartsAtTheLeftAndTop() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(Activate(window));
    RunReport(window, 0, 4, QStringLiteral("HFDWH01#DW_NIGHTLY"));
    Settle();
    QTableView* list = window.ReportView()->List();
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex().row(), 1);
    QTest::keyClick(list, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != list);

    QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    RunReport(window, 0, 5, QStringLiteral("HFDWH01#DW_NIGHTLY"));
    Settle();
    QCOMPARE(list->horizontalScrollBar()->value(), 0);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
  }

  // Go and the search box keep their places in every category, and a seven-digit total is shown
  // whole, inside the panel, with the category controls beside it untouched.
  void thePanelKeepsItsLayoutForEveryCategoryAndSevenDigitTotals() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ReportPanelWidget* panel = window.Panel();
    Settle();
    const auto places = [panel] {
      return QList<QPoint>{panel->GoButton()->mapTo(panel, QPoint()),
                           panel->SearchBox()->mapTo(panel, QPoint()),
                           panel->NextButton()->mapTo(panel, QPoint())};
    };
    const QList<QPoint> first = places();
    const QRect next = panel->NextButton()->geometry();
    for (int step = 0; step < 14; ++step) {
      panel->StepCategory(step < 7);
      Settle();
      QCOMPARE(places(), first);
    }
    QLabel* counter = panel->Total();
    counter->setText(QStringLiteral("4000000"));
    Settle();
    QCOMPARE(places(), first);
    QCOMPARE(panel->NextButton()->geometry(), next);
    QVERIFY(counter->width() >= counter->sizeHint().width());
    QVERIFY(counter->mapTo(panel, QPoint(counter->width(), 0)).x() <= panel->width() - 8);
  }

  void aboutKeys_data() {
    QTest::addColumn<bool>("inSearchBox");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<bool>("opensAbout");
    QTest::newRow("Ctrl+A in the search box selects") << true << (Qt::CTRL | Qt::Key_A) << false;
    QTest::newRow("Shift+F1 in the search box") << true << (Qt::SHIFT | Qt::Key_F1) << true;
    QTest::newRow("Ctrl+A in the tree") << false << (Qt::CTRL | Qt::Key_A) << true;
    QTest::newRow("Shift+F1 in the tree") << false << (Qt::SHIFT | Qt::Key_F1) << true;
  }

  void aboutKeys() {
    QFETCH(bool, inSearchBox);
    QFETCH(QKeyCombination, key);
    QFETCH(bool, opensAbout);
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(Activate(window));
    QLineEdit* search = window.Panel()->SearchBox();
    search->setText(QStringLiteral("ABC"));
    QWidget* target = inSearchBox ? static_cast<QWidget*>(search) : window.Tree();
    target->setFocus();
    QSignalSpy about(window.Menu()->About, &QAction::triggered);
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(20);
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    QCOMPARE(about.count(), opensAbout ? 1 : 0);
    if (inSearchBox && !opensAbout) QCOMPARE(search->selectedText(), QStringLiteral("ABC"));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::DesktopPolishTest)
#include "desktop_polish_test.moc"
