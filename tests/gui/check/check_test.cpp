// The database check in the window: the totals after a load, the Findings page and its model,
// the menus that run the check, the object a finding opens, and the export.
#include <QAbstractItemModelTester>
#include <QScrollBar>

#include "gui/check/check_commands.h"
#include "gui/check/findings_page.h"
#include "gui/widgets/click_label.h"
#include "gui/widgets/colour_memo.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

// Two errors (job lines naming undefined jobs) and one warning (an unscheduled job).
const Extracts kFaulty{
    {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
    {"Schedules.Xtract",
     "SCHEDULE CPU1#DAILY\nON REQUEST\n:\n CPU1#J1\n CPU1#GONE\n CPU1#LOST\nEND\n"},
    {"Jobs.Xtract", "CPU1#J1 DOCOMMAND \"a\"\nCPU1#SPARE DOCOMMAND \"b\"\n"}};

// The rows of the rule that found something; invalid when it found nothing.
QModelIndex Group(const FindingsModel* model, const char* rule) {
  const QModelIndexList found = model->match(model->index(0, 1), Qt::DisplayRole,
                                             QString::fromLatin1(rule), 1, Qt::MatchExactly);
  return found.isEmpty() ? QModelIndex() : found.front().siblingAtColumn(0);
}

using Trigger = std::function<void(WindowFixture&)>;

}  // namespace

class CheckTest : public QObject {
  Q_OBJECT
 private slots:
  void theTotalsFollowTheLoadAndOpenTheFindingsPage() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    ClickLabel* totals = window.Checks()->Totals();
    QCOMPARE(totals->text(), QStringLiteral("2 errors, 1 warning"));
    QVERIFY(totals->isVisible());
    Click(totals);
    QCOMPARE(window.CurrentPage(), window.Checks()->Page());
    QCOMPARE(PageName(window), QStringLiteral("findingsPage"));
    QCOMPARE(window.Navigation().Current(), PageCategory::Findings);
  }

  void theFindingsAreGroupedByRuleInTheModel() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    FindingsModel* model = window.Checks()->Page()->Model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    window.Checks()->CheckDatabase->trigger();
    QCOMPARE(model->rowCount(), 2);
    QVERIFY(Group(model, "unscheduled-job").isValid());
    const QModelIndex undefined = Group(model, "undefined-job");
    QCOMPARE(undefined.data().toString(), QStringLiteral("Undefined job (2)"));
    QCOMPARE(model->index(0, 1, undefined).data().toString(), QStringLiteral("Schedules.Xtract:5"));
    QVERIFY(model->FindingAt(undefined) == nullptr);
    QCOMPARE(model->FindingAt(model->index(0, 2, undefined))->Key, std::string("CPU1#DAILY"));
  }

  // The schedule page shows the definition from its SCHEDULE line, with the finding's line
  // selected, also when the schedule is already shown.
  void aFindingOpensItsScheduleAtItsLine_data() {
    QTest::addColumn<QList<int>>("opened");
    QTest::addColumn<QString>("selected");
    QTest::newRow("one") << QList<int>{0} << QStringLiteral(" CPU1#GONE");
    QTest::newRow("then another of the same schedule")
        << QList<int>{0, 1} << QStringLiteral(" CPU1#LOST");
    QTest::newRow("then the first again") << QList<int>{0, 1, 0} << QStringLiteral(" CPU1#GONE");
  }

  void aFindingOpensItsScheduleAtItsLine() {
    QFETCH(QList<int>, opened);
    QFETCH(QString, selected);
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    FindingsPage* page = window.Checks()->Page();
    const QModelIndex undefined = Group(page->Model(), "undefined-job");
    for (int row : opened) {
      window.Checks()->ShowPage();
      Settle();
      const QRect place = page->View()->visualRect(page->Model()->index(row, 0, undefined));
      QTest::mouseClick(page->View()->viewport(), Qt::LeftButton, {}, place.center());
      QTest::mouseDClick(page->View()->viewport(), Qt::LeftButton, {}, place.center());
      Settle();
    }
    QCOMPARE(window.CurrentPage(), window.SchedulePage());
    QCOMPARE(window.SchedulePage()->Memo()->textCursor().selectedText(), selected);
  }

  // However long the totals, the catalogue tree keeps its width on the Findings page and after.
  void theTreeKeepsItsWidthOnAndAfterTheFindingsPage() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    Settle();
    const int width = window.Tree()->width();
    FindingsPage* page = window.Checks()->Page();
    std::vector<Finding> many;
    for (const Finding& finding : page->Findings()) many.insert(many.end(), 20000, finding);
    page->SetFindings(std::move(many));
    window.Checks()->ShowPage();
    Settle();
    QCOMPARE(window.Tree()->width(), width);
    window.ShowPage(PageCategory::Title);
    Settle();
    QCOMPARE(window.Tree()->width(), width);
  }

  // At the window's first size the list needs no sideways scroll, and the current finding's
  // message stands whole under it.
  void theCurrentFindingIsReadableWhole() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    FindingsPage* page = window.Checks()->Page();
    window.Checks()->ShowPage();
    Settle();
    QCOMPARE(page->View()->horizontalScrollBar()->maximum(), 0);
    const QModelIndex finding = page->Model()->index(0, 2, Group(page->Model(), "undefined-job"));
    page->View()->setCurrentIndex(finding);
    QVERIFY(page->Detail()->text().endsWith(finding.data().toString()));
    QVERIFY(page->Detail()->text().contains(QStringLiteral("Schedules.Xtract:5")));
  }

  void theMenusRunTheCheck_data() {
    QTest::addColumn<Trigger>("trigger");
    QTest::newRow("Standard Reports") << Trigger([](WindowFixture& fixture) {
      FindAction(ReportsMenu(fixture.Window()), QStringLiteral("Check Database"))->trigger();
    });
    QTest::newRow("tree heading") << Trigger([](WindowFixture& fixture) {
      QVERIFY(fixture.Select({"Jobs"}));
      QAction* entry =
          FindAction(fixture.Window().Tree()->PopupMenu(), QStringLiteral("Check Database"));
      QVERIFY(entry->isVisible());
      entry->trigger();
    });
  }

  void theMenusRunTheCheck() {
    QFETCH(Trigger, trigger);
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    QSignalSpy reset(window.Checks()->Page()->Model(), &QAbstractItemModel::modelReset);
    trigger(fixture);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(window.CurrentPage(), window.Checks()->Page());
  }

  // The check concerns the whole database: the tree offers it on headings only.
  void theTreeOffersTheCheckOnHeadingsOnly() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Jobs", "CPU1", "J1"}));
    QVERIFY(!FindAction(window.Tree()->PopupMenu(), QStringLiteral("Check Database"))->isVisible());
  }

  void theExportWritesEveryFindingAsCsv() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    const QString csv = QString::fromStdString(fixture.ProgramDir()) + "findings.csv";
    fixture.Desktop.SaveNames.push_back(csv);
    window.Checks()->Page()->ExportButton()->click();
    const QByteArray text = FileBytes(csv);
    QVERIFY(text.startsWith("Severity,Rule,Kind,Key,File,Line,Message\r\n"));
    QVERIFY(text.contains("\r\nerror,undefined-job,schedule,CPU1#DAILY,Schedules.Xtract,5,"));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::CheckTest)
#include "check_test.moc"
