// The Impact page in the window: the tree menu and page buttons that open it, its model, the
// removal check in the background, the objects and graphs its rows open, and a reload that
// drops what it showed.
#include <QAbstractItemModelTester>
#include <QToolButton>

#include "gui/graph/graph_commands.h"
#include "gui/impact/background_removal_check.h"
#include "gui/impact/impact_commands.h"
#include "gui/impact/impact_page.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

ImpactPage* ShowImpactFromTree(WindowFixture& fixture, ObjectKind kind,
                               const std::vector<std::string>& path) {
  if (!fixture.Select(path)) return nullptr;
  QAction* entry =
      FindAction(fixture.Window().Tree()->KindMenu(kind), QStringLiteral("Show Impact"));
  if (entry == nullptr) return nullptr;
  entry->trigger();
  return fixture.Window().Impacts()->Page();
}

int SectionSize(const ImpactModel* model, ImpactModel::Section section) {
  return model->rowCount(model->index(section, 0));
}

}  // namespace

class ImpactTest : public QObject {
  Q_OBJECT
 private slots:
  // The counts are the command line's on the sample database.
  void theTreeEntryOfEachKindShowsItsImpact_data() {
    QTest::addColumn<ObjectKind>("kind");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<int>("direct");
    QTest::addColumn<int>("downstream");
    QTest::newRow("calendar") << ObjectKind::Calendar << QStringList{"Calendars", "HOLIDAYS"} << 12
                              << 15;
    QTest::newRow("job") << ObjectKind::Job << QStringList{"Jobs", "HFDWH01", "DW_START"} << 4 << 4;
    QTest::newRow("schedule") << ObjectKind::Schedule
                              << QStringList{"Schedules", "HFDWH01", "DW_NIGHTLY"} << 2 << 3;
    QTest::newRow("parameter") << ObjectKind::Parameter << QStringList{"Parameters", "BINDIR"} << 4
                               << 3;
    QTest::newRow("prompt") << ObjectKind::Prompt << QStringList{"Prompts", "AP_RUN_OK"} << 1 << 2;
    QTest::newRow("resource") << ObjectKind::Resource << QStringList{"Resources", "HFFIN01#GLDB"}
                              << 4 << 12;
  }

  void theTreeEntryOfEachKindShowsItsImpact() {
    QFETCH(ObjectKind, kind);
    QFETCH(QStringList, path);
    QFETCH(int, direct);
    QFETCH(int, downstream);
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    std::vector<std::string> nodes;
    for (const QString& caption : path) nodes.push_back(caption.toStdString());
    ImpactPage* page = ShowImpactFromTree(fixture, kind, nodes);
    QVERIFY(page != nullptr);
    QCOMPARE(window.CurrentPage(), page);
    QCOMPARE(SectionSize(page->Model(), ImpactModel::kDirect), direct);
    QCOMPARE(SectionSize(page->Model(), ImpactModel::kDownstream), downstream);
    // The page's own button asks for the same object, shown anew from another node.
    QVERIFY(fixture.Select({"Workstations"}));
    QVERIFY(fixture.Select(nodes));
    auto* button = window.CurrentPage()->findChild<QToolButton*>(QStringLiteral("showImpact"));
    QVERIFY(button != nullptr);
    page->Clear();
    button->click();
    QCOMPARE(window.CurrentPage(), page);
    QCOMPARE(SectionSize(page->Model(), ImpactModel::kDirect), direct);
  }

  // The removal check runs on request only, off the interface thread, and its findings join
  // the impact unless another object or a reload comes first.
  void theRemovalFindingsArriveUnlessSomethingCameFirst_data() {
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<int>("direct");
    QTest::addColumn<int>("findings");
    QTest::newRow("nothing") << QString() << 4 << 1;
    QTest::newRow("another object") << QStringLiteral("HOLIDAYS") << 12 << 0;
    QTest::newRow("a reload") << QStringLiteral("reload") << 0 << 0;
  }

  void theRemovalFindingsArriveUnlessSomethingCameFirst() {
    QFETCH(QString, meanwhile);
    QFETCH(int, direct);
    QFETCH(int, findings);
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ImpactPage* page =
        ShowImpactFromTree(fixture, ObjectKind::Job, {"Jobs", "HFDWH01", "DW_START"});
    QVERIFY(page != nullptr);
    QAbstractItemModelTester tester(page->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    ImpactModel* model = page->Model();
    QCOMPARE(SectionSize(model, ImpactModel::kFindings), 0);
    page->RemovalButton()->click();
    // The check is over, its result not yet handed on: that waits for the event loop.
    window.Impacts()->RemovalCheck()->Wait();
    QCOMPARE(page->RemovalButton()->text(), QStringLiteral("Checking Removal..."));
    QVERIFY(!page->RemovalButton()->isEnabled());
    if (meanwhile == QStringLiteral("reload")) window.Menu()->Refresh->trigger();
    if (meanwhile == QStringLiteral("HOLIDAYS")) {
      QVERIFY(window.Impacts()->ShowImpact(ObjectKind::Calendar, "HOLIDAYS"));
    }
    QCoreApplication::processEvents();
    QCOMPARE(SectionSize(model, ImpactModel::kDirect), direct);
    QCOMPARE(SectionSize(model, ImpactModel::kFindings), findings);
    QCOMPARE(page->RemovalButton()->text(), QStringLiteral("Check Removal"));
    QCOMPARE(page->RemovalButton()->isEnabled(), direct > 0 && findings == 0);
    if (findings == 0) return;
    QCOMPARE(model->index(ImpactModel::kFindings, 0).data().toString(),
             QStringLiteral("Findings if removed (1)"));
    const QModelIndex finding = model->index(0, 2, model->index(ImpactModel::kFindings, 0));
    QCOMPARE(finding.data().toString(), QStringLiteral("Schedules.Xtract:44"));
    const QModelIndex use = model->index(0, 1, model->index(ImpactModel::kDirect, 0));
    QCOMPARE(use.data().toString(), QStringLiteral("job line"));
    QVERIFY(!model->ObjectAt(model->index(ImpactModel::kDirect, 0)).has_value());
  }

  // A direct user opens its page; a schedule row also opens its graph.
  void aRowOpensItsObjectAndItsGraph() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ImpactPage* page = ShowImpactFromTree(fixture, ObjectKind::Calendar, {"Calendars", "HOLIDAYS"});
    QVERIFY(page != nullptr);
    const QModelIndex last =
        page->Model()->index(14, 0, page->Model()->index(ImpactModel::kDownstream, 0));
    QCOMPARE(last.data().toString(), QStringLiteral("HFWEB02#MI_DASHBOARD"));
    page->View()->setCurrentIndex(last);
    QVERIFY(page->GraphButton()->isEnabled());
    page->GraphButton()->click();
    QCOMPARE(window.Graphs()->Page().RootKey(), std::string("HFWEB02#MI_DASHBOARD"));
    QVERIFY(window.Graphs()->Page().isVisible());
    page->View()->setCurrentIndex(page->Model()->index(ImpactModel::kDirect, 0));
    QVERIFY(!page->GraphButton()->isEnabled());
    emit page->View()->doubleClicked(last);
    QCOMPARE(window.CurrentPage(), window.SchedulePage());
    QCOMPARE(LabelText(window.CurrentPage(), "LabTabSchName"), QStringLiteral("MI_DASHBOARD"));
  }

  void aReloadDropsTheImpactShown() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ImpactPage* page = ShowImpactFromTree(fixture, ObjectKind::Calendar, {"Calendars", "HOLIDAYS"});
    QVERIFY(page != nullptr);
    window.Menu()->Refresh->trigger();
    QCOMPARE(page->Model()->rowCount(), 0);
    QVERIFY(!page->RemovalButton()->isEnabled());
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::ImpactTest)
#include "impact_test.moc"
