
#include "gui/category_navigation.h"
#include "gui/pages/install_page.h"
#include "gui/pages/job_page_widget.h"
#include "gui/widgets/colour_memo.h"
#include "gui/window/category_bar.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {

class NavigationTest : public QObject {
  Q_OBJECT
 private slots:
  void selectingEachKindOfNodeShowsItsPage() {
    const struct {
      std::vector<std::string> Path;
      const char* Page;
      const char* TitleLabel;
      const char* Title;
    } cases[] = {
        // A workstation under Jobs or Schedules only opens its branch.
        {{"Jobs", "HFFIN01"}, "TabTotals", "LabTotJob", "84"},
        {{"Workstations", "HFFIN01"}, "TabCpu", "LabCpuName", "HFFIN01"},
        {{"Schedules", "HFFIN01", "GL_POSTING"}, "TabSch", "LabTabSchName", "GL_POSTING"},
        {{"Schedules (Invalid)", "HFOLD07", "OLD_PAYROLL"}, "TabSch", "LabTabSchCpu", "HFOLD07"},
        {{"Jobs", "HFFIN01", "POST_LEDGER"}, "TabJob", "LabJobJob", "POST_LEDGER"},
        {{"Calendars", "HOLIDAYS"}, "TabCal", "LabCal1", "HOLIDAYS"},
        {{"Resources", "HFBKP01#TAPES"}, "TabRes", "LabResName", "TAPES"},
    };
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    for (const auto& c : cases) {
      QVERIFY(fixture.Select(c.Path));
      QCOMPARE(PageName(window), QString::fromLatin1(c.Page));
      QCOMPARE(LabelText(window.CurrentPage(), c.TitleLabel), QString::fromLatin1(c.Title));
    }
  }

  void theSchedulePageShowsTheDefinitionWithColouredKeywords() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Schedules", "HFFIN01", "GL_POSTING"}));
    ColourMemo* memo = window.SchedulePage()->Memo();
    const QString text = memo->toPlainText();
    const int schedule = text.indexOf(QStringLiteral("SCHEDULE HFFIN01#GL_POSTING"));
    QVERIFY(schedule >= 0);
    QVERIFY(text.trimmed().endsWith(QStringLiteral("END")));
    QCOMPARE(memo->ColourAt(schedule), QColor(128, 0, 0));
    const int follows = text.indexOf(QStringLiteral("FOLLOWS"));
    QCOMPARE(memo->ColourAt(follows), QColor(0, 0, 255));
  }

  void parameterAndPromptPagesMarkTheSelectedEntry() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    const QModelIndex heading = window.TreeModel()->FindPath({"Parameters"});
    const QModelIndex third = window.TreeModel()->index(2, 0, heading);
    window.Tree()->expand(heading);
    window.Tree()->setCurrentIndex(third);
    QCOMPARE(PageName(window), QStringLiteral("TabPar"));
    auto* list = window.CurrentPage()->findChild<QTreeWidget*>(QStringLiteral("ListView2"));
    QCOMPARE(list->currentItem()->text(0), third.data().toString());
  }

  void aCategoryComesBackFromTheTitlePageOnlyOnceVisited() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Jobs"}));
    QCOMPARE(PageName(window), QStringLiteral("TabTotals"));
    fixture.Sounds.clear();
    Click(window.Buttons()->Button(PageCategory::Sch));
    QCOMPARE(PageName(window), QStringLiteral("TabTotals"));
    QVERIFY(fixture.Sounds.empty());
    QVERIFY(!window.Menu()->PageAction(PageCategory::Sch)->isEnabled());
    QVERIFY(fixture.Select({"Schedules", "HFFIN01", "GL_POSTING"}));
    QVERIFY(window.Menu()->PageAction(PageCategory::Sch)->isEnabled());
    window.Menu()->Title->trigger();
    QCOMPARE(PageName(window), QStringLiteral("TabTotals"));
    QCOMPARE(window.Navigation().CurrentCode(), std::string("INF"));
    fixture.Sounds.clear();
    Click(window.Buttons()->Button(PageCategory::Sch));
    QCOMPARE(PageName(window), QStringLiteral("TabSch"));
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Tink});
    QVERIFY(window.Buttons()->Button(PageCategory::Sch)->Lit());
    // Switching to the current category plays no sound.
    fixture.Sounds.clear();
    window.Menu()->PageAction(PageCategory::Sch)->trigger();
    QVERIFY(fixture.Sounds.empty());
    // A heading returns to its page once the category was visited.
    QVERIFY(fixture.Select({"Jobs", "HFFIN01", "POST_LEDGER"}));
    window.ShowTitlePage();
    QVERIFY(fixture.Select({"Jobs (Invalid)"}));
    QCOMPARE(PageName(window), QStringLiteral("TabJob"));
  }

  void selectingANodeOrClickingAValuePlaysItsSoundsUnlessSoundsAreOff() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    fixture.Sounds.clear();
    QVERIFY(fixture.Select({"Workstations", "HFMASTER"}));
    QCOMPARE(fixture.Sounds, (std::vector<Sound>{Sound::Blip, Sound::Tink}));
    QCOMPARE(window.Navigation().CurrentCode(), std::string("CPU"));
    // A click on a job value copies it.
    QVERIFY(fixture.Select({"Jobs", "HFFIN01", "POST_LEDGER"}));
    fixture.Sounds.clear();
    Click(window.JobPage()->findChild<QLabel*>(QStringLiteral("LabJobName2")));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("POST_LEDGER"));
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Plop});
    // With sounds off nothing is played.
    window.Menu()->EnableSounds->trigger();
    fixture.Sounds.clear();
    QVERIFY(fixture.Select({"Workstations", "HFFIN01"}));
    QVERIFY(fixture.Sounds.empty());
  }

  void leavingAButtonPutsTheHighlightBackOnTheCurrentCategory() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Workstations", "HFMASTER"}));
    HoverButton* cpu = window.Buttons()->Button(PageCategory::Cpu);
    HoverButton* job = window.Buttons()->Button(PageCategory::Job);
    fixture.Sounds.clear();
    Enter(job);
    QVERIFY(job->ShowsHighlighted());
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Blip});
    Leave(job);
    QVERIFY(!job->ShowsHighlighted());
    QVERIFY(cpu->ShowsHighlighted());
    // After "Title" the old button keeps its picture until the mouse passes over it.
    window.ShowTitlePage();
    QVERIFY(cpu->ShowsHighlighted());
    Enter(cpu);
    Leave(cpu);
    QVERIFY(!cpu->ShowsHighlighted());
  }

  void theInstallationPageCopiesTheScriptWithoutItsSeparators() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    // The title page's link shows the page.
    Click(window.findChild<QLabel*>(QStringLiteral("LabInstallLink")));
    QCOMPARE(PageName(window), QStringLiteral("TabInstall"));
    QCOMPARE(window.Navigation().CurrentCode(), std::string("INS"));
    ColourMemo* script = window.Installation()->ScriptMemo();
    QTest::mouseClick(script->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0).trimmed(), QStringLiteral("#!/bin/ksh"));
    QVERIFY(!QApplication::clipboard()->text().contains(QStringLiteral("-----")));
  }

  // The colours are read from the settings, chosen in the colour dialogs and stored back, blue
  // in the highest byte.
  void theSelectedNodeIsDrawnInTheColoursOfTheSettingsAndTheColourDialogs() {
    WindowFixture fixture;
    fixture.Preset("Col2", std::to_string(1 + 2 * 256 + 3 * 65536));
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Workstations", "HFFIN01"}));
    CatalogueTree* tree = window.Tree();
    const auto ground = [tree] {
      const QRect row = tree->visualRect(tree->currentIndex());
      // The text area ends where the caption's ground ends; sample just inside it.
      return tree->viewport()->grab().toImage().pixelColor(row.right() - 1, row.top() + 1);
    };
    QCOMPARE(ground(), QColor(1, 2, 3));
    fixture.Desktop.Colour = QColor(0, 255, 0);
    window.Menu()->NodeSelectedText->trigger();
    QCOMPARE(window.State().Settings.Col1, 65280);
    fixture.Desktop.Colour = QColor(30, 20, 10);
    window.Menu()->NodeSelectedBackground->trigger();
    QCOMPARE(window.State().Settings.Col2, 30 + 20 * 256 + 10 * 65536);
    QCOMPARE(ground(), QColor(30, 20, 10));
    // A cancelled dialog changes nothing.
    fixture.Desktop.Colour.reset();
    window.Menu()->NodeSelectedBackground->trigger();
    QCOMPARE(ground(), QColor(30, 20, 10));
    QCOMPARE(fixture.Desktop.ColourRequests, 3);
  }

  void navigationKeepsTheVisitedFlagsAndRefusesUnvisitedCategories() {
    CategoryNavigation navigation;
    QVERIFY(!navigation.Request(PageCategory::Cal));
    QCOMPARE(navigation.CurrentCode(), std::string("INF"));
    navigation.MarkVisited(PageCategory::Cal);
    const auto change = navigation.Request(PageCategory::Cal);
    QVERIFY(change.has_value());
    QCOMPARE(change->Previous, PageCategory::Inf);
    QVERIFY(!navigation.SwitchTo(PageCategory::Cal));
    navigation.MarkVisited(PageCategory::Ins);
    QVERIFY(!navigation.Visited(PageCategory::Ins));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::NavigationTest)
#include "navigation_test.moc"
