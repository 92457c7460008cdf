#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "core/reports/row_styles.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/report/report_page.h"
#include "gui/report/report_panel_widget.h"
#include "gui/report/report_runner.h"
#include "gui/report/result_model.h"
#include "gui/window/main_menu.h"
#include "gui/window_fixture.h"
#include "support/temp_dir.h"

namespace vdbq::gui::testing {
namespace {

QString Text(MainWindow& window, const char* name) {
  return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QColor GroundOf(const QModelIndex& index) {
  return index.data(Qt::BackgroundRole).value<QBrush>().color();
}

QColor ColourOf(Ground ground) {
  const Rgb rgb = GroundColour(ground);
  return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

QAction* FindAction(QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions()) {
    if (action->text() == text) return action;
    if (action->menu() != nullptr) {
      if (QAction* found = FindAction(action->menu(), text)) return found;
    }
  }
  return nullptr;
}

}  // namespace

class ReportPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void nextAndPreviousWrapAroundTheSevenCategories() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ReportPanelWidget* panel = window.Panel();
    fixture.Sounds.clear();
    Click(panel->PreviousButton());
    QCOMPARE(Text(window, "LabRepTab"), QStringLiteral("Prompts"));
    QCOMPARE(Text(window, "LabTotty"), QStringLiteral("7"));
    QCOMPARE(panel->Total()->toolTip(), QStringLiteral("Total Prompts"));
    QVERIFY(panel->OptionBox(2)->isVisibleTo(panel));
    QVERIFY(!panel->OptionBox(3)->isVisibleTo(panel));
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Tink});
    Click(panel->NextButton());
    QCOMPARE(Text(window, "LabRepTab"), QStringLiteral("Schedules"));
    QVERIFY(panel->OptionBox(5)->isVisibleTo(panel));
    QVERIFY(!panel->OptionBox(6)->isVisibleTo(panel));
    Click(panel->NextButton());
    QCOMPARE(Text(window, "LabRepTab"), QStringLiteral("Jobs"));
    QVERIFY(panel->OptionBox(6)->isVisibleTo(panel));
    QCOMPARE(Text(window, "LabCmd6"), QStringLiteral("Find Search-String In Script/Command"));
  }

  void tickingAnOptionShowsItsDescriptionAndUnticksTheOthers() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ReportPanelWidget* panel = window.Panel();
    QCOMPARE(Text(window, "LabCmdDesc"), QStringLiteral("Select Report Options Above."));
    Click(panel->OptionLabel(2));
    QCOMPARE(Text(window, "LabCmdDesc"),
             QStringLiteral("Lists all Schedules alphabetically and highlights duplicates across "
                            "Workstations. No {Search-String} required."));
    QVERIFY(panel->OptionBox(2)->isChecked());
    Click(panel->OptionBox(3));
    QVERIFY(panel->OptionBox(3)->isChecked());
    QVERIFY(!panel->OptionBox(2)->isChecked());
    QCOMPARE(Text(window, "LabCmdDesc"),
             QStringLiteral("Lists all Schedule Names in which an entered {Search-String} is "
                            "found."));
    // A ticked box stays ticked when clicked again.
    Click(panel->OptionBox(3));
    QVERIFY(panel->OptionBox(3)->isChecked());
    // A category change unticks everything.
    Click(panel->NextButton());
    QVERIFY(!panel->OptionBox(3)->isChecked());
    QCOMPARE(Text(window, "LabCmdDesc"), QStringLiteral("Select Report Options Above."));
  }

  void lettersTypedIntoTheSearchBoxBecomeUpperCase() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QLineEdit* search = window.Panel()->SearchBox();
    QTest::keyClicks(search, QStringLiteral("hffin01#gl_posting"));
    QCOMPARE(search->text(), QStringLiteral("HFFIN01#GL_POSTING"));
  }

  void pasteReplacesTheSearchTextAndClearEmptiesIt() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QLineEdit* search = window.Panel()->SearchBox();
    search->setText(QStringLiteral("OLD"));
    QApplication::clipboard()->setText(QStringLiteral("hffin01#gl_import"));
    Click(window.Panel()->findChild<QWidget*>(QStringLiteral("LabPaste")));
    QCOMPARE(search->text(), QStringLiteral("HFFIN01#GL_IMPORT"));
    Click(window.Panel()->findChild<QWidget*>(QStringLiteral("LabClear")));
    QCOMPARE(search->text(), QString());
  }

  void goRunsTheTickedReport() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Panel()->Tick(1);
    Click(window.Panel()->GoButton());
    QCOMPARE(window.StatusText(), QStringLiteral("Found 31 Schedule(s)... Ready."));
    QCOMPARE(window.Results()->rowCount(), 31);
    QCOMPARE(window.Results()->index(0, 0).data().toString(), QStringLiteral("HFBKP01"));
    QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("TabReport"));
    QCOMPARE(window.Navigation().CurrentCode(), std::string("REP"));
    QCOMPARE(Text(window, "LabRepTit1"), QStringLiteral("Schedule Report - Option #1"));
    QCOMPARE(Text(window, "LabHint"),
             QStringLiteral("Click Row = Workstation#ScheduleName To ClipBoard"));
    QVERIFY(window.Menu()->PageAction(PageCategory::Rep)->isEnabled());
    // Hidden columns of the report stay hidden.
    QVERIFY(window.ReportView()->List()->isColumnHidden(2));
  }

  void enterInTheSearchBoxRunsTheReportAndTypesNothing() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Panel()->Tick(4);
    QLineEdit* search = window.Panel()->SearchBox();
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("hffin01#gl_posting"));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(window.State().Results.ReportNumber, 4);
    QCOMPARE(search->text(), QStringLiteral("HFFIN01#GL_POSTING"));
    QVERIFY(window.Results()->rowCount() > 10);
    QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("TabReport"));
  }

  void goWithNoOptionTickedEndsWithReadyAndKeepsTheList() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Panel()->Tick(1);
    Click(window.Panel()->GoButton());
    Click(window.Panel()->NextButton());
    Click(window.Panel()->GoButton());
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QCOMPARE(window.State().Results.ReportNumber, 1);
    QCOMPARE(window.Results()->rowCount(), 31);
  }

  void aRejectedSearchLeavesThePreviousRows() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Panel()->Tick(2);
    Click(window.Panel()->GoButton());
    const QString firstRow = window.Results()->index(0, 0).data().toString();
    const QString hint = Text(window, "LabHint");
    window.Panel()->Tick(4);
    window.Panel()->SearchBox()->setText(QStringLiteral("NOHASH"));
    Click(window.Panel()->GoButton());
    QCOMPARE(window.StatusText(),
             QStringLiteral("Format = WorkstationName#ScheduleName - Please Check!"));
    QCOMPARE(window.State().Results.ReportNumber, 2);
    QCOMPARE(window.Results()->rowCount(), 31);
    QCOMPARE(window.Results()->index(0, 0).data().toString(), firstRow);
    QCOMPARE(Text(window, "LabHint"), hint);
    // The duplicate listing keeps its colours.
    QCOMPARE(GroundOf(window.Results()->index(0, 0)), ColourOf(Ground::LightYellow));
  }

  void anInvalidCharacterMovesTheFocusToTheSearchBox() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.activateWindow();
    window.Panel()->Tick(3);
    window.Panel()->SearchBox()->setText(QStringLiteral("GL.POSTING"));
    window.Tree()->setFocus();
    Click(window.Panel()->GoButton());
    QCOMPARE(window.StatusText(),
             QStringLiteral("Invalid Character In Schedule Name - Please Check!"));
    QTRY_VERIFY(window.Panel()->SearchBox()->hasFocus());
  }

  void resultRowsCarryTheRuleColours() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Panel()->Tick(5);
    window.Panel()->SearchBox()->setText(QStringLiteral("HFFIN01#GL_POSTING"));
    Click(window.Panel()->GoButton());
    QCOMPARE(window.State().Results.ReportNumber, 5);
    ResultModel* model = window.Results();
    const ResultList& results = window.State().Results;
    bool sawOrange = false;
    bool sawHeading = false;
    for (int row = 0; row < model->rowCount(); ++row) {
      const std::string& caption = results.Rows[static_cast<size_t>(row)].Caption;
      if (results.Rows[static_cast<size_t>(row)].Column(2) == "Workstation") {
        // R6: the heading row in navy bold on pink.
        QCOMPARE(GroundOf(model->index(row, 0)), ColourOf(Ground::Pink));
        QCOMPARE(model->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 128));
        QVERIFY(model->index(row, 0).data(Qt::FontRole).value<QFont>().bold());
        sawHeading = true;
      }
      if (caption.size() == 4 && caption != "Seq.") {
        // C16: the marked schedule's name on orange.
        QCOMPARE(GroundOf(model->index(row, 2)), ColourOf(Ground::Orange));
        sawOrange = true;
      }
    }
    QVERIFY(sawHeading);
    QVERIFY(sawOrange);
  }

  void duplicateMarksAreDrawnInMaroonOnPink() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    Click(window.Panel()->NextButton());
    window.Panel()->Tick(2);
    Click(window.Panel()->GoButton());
    QCOMPARE(window.State().Results.ReportNumber, 12);
    const ResultList& results = window.State().Results;
    int marked = 0;
    for (int row = 0; row < window.Results()->rowCount(); ++row) {
      const QModelIndex caption = window.Results()->index(row, 0);
      if (results.Rows[static_cast<size_t>(row)].Column(2) == "1") {
        QCOMPARE(GroundOf(caption), ColourOf(Ground::Pink));
        QCOMPARE(caption.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(128, 0, 0));
        ++marked;
      } else {
        QCOMPARE(GroundOf(caption), ColourOf(Ground::LightBlue));
      }
      QCOMPARE(GroundOf(window.Results()->index(row, 1)), ColourOf(Ground::CellGrey));
    }
    QVERIFY(marked > 0);
  }

  void clickingARowCopiesItsKey() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Panel()->Tick(1);
    Click(window.Panel()->GoButton());
    QTableView* list = window.ReportView()->List();
    fixture.Sounds.clear();
    const QRect first = list->visualRect(window.Results()->index(0, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, first.center());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("HFBKP01#BACKUP_DAILY"));
    QCOMPARE(window.StatusText(), QStringLiteral("Copied: HFBKP01#BACKUP_DAILY To ClipBoard."));
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Plop});
  }

  void aTreePresetFillsTheSearchBoxAndRunsItsReport() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Schedules (Invalid)", "HFOLD07", "OLD_PAYROLL"}));
    QVERIFY(fixture.Select({"Schedules", "HFFIN01", "GL_POSTING"}));
    QMenu* menu = window.Tree()->PopupMenu();
    QAction* entry =
        FindAction(menu, QStringLiteral("Find Internal Dependencies For This Schedule"));
    QVERIFY(entry != nullptr);
    entry->trigger();
    QCOMPARE(window.Panel()->SearchBox()->text(), QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(Text(window, "LabRepTab"), QStringLiteral("Schedules"));
    QVERIFY(window.Panel()->OptionBox(4)->isChecked());
    QCOMPARE(window.State().Results.ReportNumber, 4);
    QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("TabReport"));
  }

  void theTreeMenuOffersTheEntriesOfTheSelectedKindOnly() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Schedules (Invalid)", "HFOLD07", "OLD_PAYROLL"}));
    QMenu* menu = window.Tree()->PopupMenu();
    QVERIFY(FindAction(menu, QStringLiteral("Schedule"))->isEnabled());
    QVERIFY(!FindAction(menu, QStringLiteral("Job"))->isEnabled());
    QVERIFY(fixture.Select({"Schedules"}));
    menu = window.Tree()->PopupMenu();
    for (const char* kind :
         {"Workstation", "Schedule", "Job", "Calendar", "Parameter", "Prompt", "Resource"}) {
      QVERIFY(!FindAction(menu, QString::fromLatin1(kind))->isEnabled());
    }
    QVERIFY(FindAction(menu, QStringLiteral("Reports"))->isEnabled());
  }

  void aWorkstationPresetListsItsJobs() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Workstations", "HFFIN01"}));
    FindAction(window.Tree()->PopupMenu(), QStringLiteral("List Jobs For This Workstation"))
        ->trigger();
    QCOMPARE(window.State().Results.ReportNumber, 22);
    QCOMPARE(Text(window, "LabRepTab"), QStringLiteral("Workstations"));
    QCOMPARE(window.Panel()->SearchBox()->text(), QStringLiteral("HFFIN01"));
  }

  void withTheExtractsMissingAPresetOnlySetsUpThePanel() {
    WindowFixture fixture(WindowFixture::Database::None);
    MainWindow& window = fixture.Start();
    const QString status = window.StatusText();
    QMenu* reports = window.menuBar()->findChild<QMenu*>(QStringLiteral("ReportOptions1"));
    FindAction(reports, QStringLiteral("List Classes"))->trigger();
    QCOMPARE(Text(window, "LabRepTab"), QStringLiteral("Workstations"));
    QVERIFY(window.Panel()->OptionBox(3)->isChecked());
    QCOMPARE(window.StatusText(), status);
    QCOMPARE(window.State().Results.ReportNumber, 0);
  }

  void standardReportsMenuEntriesRunTheirReports() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QMenu* reports = window.menuBar()->findChild<QMenu*>(QStringLiteral("ReportOptions1"));
    // The eleven presets, a separator and "Check Database".
    QCOMPARE(reports->actions().size(), 13);
    FindAction(reports, QStringLiteral("List Unused Calendars"))->trigger();
    QCOMPARE(window.State().Results.ReportNumber, 32);
    QCOMPARE(Text(window, "LabRepTab"), QStringLiteral("Calendars"));
    QVERIFY(window.Panel()->OptionBox(2)->isChecked());
    QCOMPARE(GroundOf(window.Results()->index(0, 0)), ColourOf(Ground::LightGreen));
  }

  void startsAreRefusedWhileAReportRunsAndTheWindowStaysResponsive() {
    // A database large enough for the scans to let events run several times.
    std::string schedules;
    for (int i = 0; i < 6000; ++i) {
      schedules += "SCHEDULE CPU1#S" + std::to_string(i) + "\nON EVERYDAY\n:\n CPU1#J1\nEND\n\n";
    }
    WindowFixture fixture(
        Extracts{{"Schedules.Xtract", schedules}, {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"}});
    MainWindow& window = fixture.Start();
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    window.Runner()->Progress().SetEventInterval(0);
    window.Panel()->Tick(1);

    int passes = 0;
    RunOutcome second = RunOutcome::Ran;
    bool refreshRefused = false;
    bool closeRefused = false;
    QTimer probe;
    probe.setInterval(0);
    connect(&probe, &QTimer::timeout, this, [&] {
      if (!window.Runner()->Running()) return;
      ++passes;
      second = window.Runner()->Run();
      window.RefreshCatalogue();
      refreshRefused = window.StatusText() == QStringLiteral("Processing... Please Wait...");
      QVERIFY(window.Panel()->Strobe()->Running());
      closeRefused = !window.close();
    });
    probe.start();
    QCOMPARE(window.Runner()->Run(), RunOutcome::Ran);
    probe.stop();
    QVERIFY(window.Runner()->Progress().EventPasses() > 0);
    QVERIFY(passes > 0);
    QCOMPARE(second, RunOutcome::Busy);
    QVERIFY(refreshRefused);
    QCOMPARE(window.State().Results.Rows.size(), size_t{6000});
    QCOMPARE(window.Results()->rowCount(), 6000);
    QVERIFY(!window.Panel()->Strobe()->Running());
    // The close asked for during the run happens once it is over.
    QVERIFY(closeRefused);
    QTRY_VERIFY(!window.isVisible());
  }

  void aReportStoppedByItsDataIsReportedInAMessage() {
    WindowFixture fixture(
        Extracts{{"Calendars.Xtract",
                  "$CALENDAR\nOLD\t\"a\"\n  01/01/07\nBAD\t\"b\"\n  01/01/07 1X/01/27\n"}});
    MainWindow& window = fixture.Start();
    QMenu* reports = window.menuBar()->findChild<QMenu*>(QStringLiteral("ReportOptions1"));
    FindAction(reports, QStringLiteral("List Invalid Calendars"))->trigger();
    QCOMPARE(fixture.Messages,
             std::vector<QString>{QStringLiteral("'1X' is not a valid integer value")});
    QCOMPARE(window.StatusText(), QStringLiteral("'1X' is not a valid integer value"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(!window.Panel()->Strobe()->Running());
    // The next report runs as usual.
    FindAction(reports, QStringLiteral("List Unused Calendars"))->trigger();
    QCOMPARE(window.State().Results.ReportNumber, 32);
    QVERIFY(window.StatusText().startsWith(QStringLiteral("Found ")));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::ReportPanelTest)
#include "report_panel_test.moc"
