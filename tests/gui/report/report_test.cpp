// What the report panel and the result list add to the core's panel, report runs and output
// texts (ticking, categories, searches, presets, report frames, CSV, HTML and print pages are
// checked in the core's tests): clicks, keys, focus order, layout, the list's keys and scroll
// positions, the list's menu, exports, copies and prints.
#include <QAbstractItemModelTester>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>

#include "core/output/clipboard_csv.h"
#include "core/output/csv_text.h"
#include "core/output/html_report.h"
#include "core/output/schedule_print.h"
#include "gui/output/result_list_menu.h"
#include "gui/report/report_runner.h"
#include "gui/window_fixture.h"
#include "support/required_tool.h"

namespace vdbq::gui::testing {
namespace {

QString SavesDir(WindowFixture& fixture) {
  return QString::fromStdString(fixture.Window().State().Settings.SavesDir);
}

// What a poppler tool prints about a PDF; nothing when the tool is missing.
std::optional<QString> Poppler(const char* tool, const QStringList& arguments) {
  const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
  if (path.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(path, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines that are not blank, their white space simplified.
QStringList Lines(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split('\n')) {
    if (!line.simplified().isEmpty()) lines << line.simplified();
  }
  return lines;
}

}  // namespace

class ReportTest : public QObject {
  Q_OBJECT
 private slots:
  // Clicks tick one box and describe its option; the arrows step the category and show its
  // options.
  void clicksTickOneBoxAndTheArrowsShowTheCategorysOptions() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ReportPanelWidget* panel = window.Panel();
    const QString idle = LabelText(&window, "LabCmdDesc");
    Click(panel->OptionLabel(2));
    QVERIFY(panel->OptionBox(2)->isChecked());
    QVERIFY(LabelText(&window, "LabCmdDesc") != idle);
    Click(panel->OptionBox(3));
    QVERIFY(panel->OptionBox(3)->isChecked());
    QVERIFY(!panel->OptionBox(2)->isChecked());
    fixture.Sounds.clear();
    Click(panel->NextButton());
    QVERIFY(!panel->OptionBox(3)->isChecked());
    QCOMPARE(LabelText(&window, "LabCmdDesc"), idle);
    QCOMPARE(LabelText(&window, "LabRepTab"), QStringLiteral("Jobs"));
    QVERIFY(panel->OptionBox(6)->isVisibleTo(panel));
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Tink});
    Click(panel->PreviousButton());
    QVERIFY(!panel->OptionBox(6)->isVisibleTo(panel));
    Click(panel->PreviousButton());
    QCOMPARE(LabelText(&window, "LabRepTab"), QStringLiteral("Prompts"));
    QCOMPARE(panel->Total()->toolTip(), QStringLiteral("Total Prompts"));
    QVERIFY(panel->OptionBox(2)->isVisibleTo(panel));
    QVERIFY(!panel->OptionBox(3)->isVisibleTo(panel));
  }

  // Tab walks through every control of the schedules; Space ticks the option in focus and
  // steps the category on Next.
  void keysWalkTheControlsTickAndStep() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ReportPanelWidget* panel = window.Panel();
    QVERIFY(Activate(window));
    panel->PreviousButton()->setFocus();
    QStringList seen;
    for (int i = 0; i < 11; ++i) {
      seen << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(seen, (QStringList{"ImageButPrevious", "ImageButNext", "PanelCmdCB1", "PanelCmdCB2",
                                "PanelCmdCB3", "PanelCmdCB4", "PanelCmdCB5", "EditSearch", "GoBut",
                                "LabPaste", "LabClear"}));
    QTest::keyClick(panel->OptionBox(3), Qt::Key_Space);
    QCOMPARE(window.State().Panel.TickedOption(), 3);
    QTest::keyClick(panel->NextButton(), Qt::Key_Space);
    QCOMPARE(window.State().Panel.ReportCategory(), 1);
  }

  // Go and the search box keep their places in every category, and a seven-digit total is
  // shown whole, inside the panel, with the category controls beside it untouched.
  void theLayoutStaysInEveryCategoryAndWithALargeTotal() {
    WindowFixture fixture;
    ReportPanelWidget* panel = fixture.Start().Panel();
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

  // Every category's options stand evenly spaced: the room a taller category needs more is left
  // below the last option, not between two of them.
  void theOptionsStandEvenlyInEveryCategory_data() {
    QTest::addColumn<int>("steps");
    for (int steps = 0; steps < kReportCategories; ++steps) {
      QTest::newRow(QByteArray::number(steps).constData()) << steps;
    }
  }

  void theOptionsStandEvenlyInEveryCategory() {
    QFETCH(int, steps);
    WindowFixture fixture;
    ReportPanelWidget* panel = fixture.Start().Panel();
    // Wider than the window makes it, so that the categories' texts wrap to different heights.
    panel->setFixedWidth(300);
    for (int step = 0; step < steps; ++step) panel->StepCategory(true);
    Settle();
    // From the end of an option's text (or box) to the top of the next option.
    const auto gapBelow = [panel](int n) {
      const ClickLabel* text = panel->OptionLabel(n);
      const int end = std::max(text->y() + text->heightForWidth(text->width()),
                               panel->OptionBox(n)->geometry().bottom() + 1);
      return panel->OptionLabel(n + 1)->y() - end;
    };
    const int count = ReportPanel::OptionCountOf(steps);
    for (int n = 2; n < count; ++n) QCOMPARE(gapBelow(n), gapBelow(1));
  }

  // The search box upper-cases, pastes, clears and runs on Enter, typing nothing.
  void theSearchBoxUpperCasesPastesClearsAndRunsOnEnter() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(Activate(window));
    QLineEdit* search = window.Panel()->SearchBox();
    search->setText(QStringLiteral("OLD"));
    QApplication::clipboard()->setText(QStringLiteral("hffin01#gl_import"));
    Click(window.Panel()->findChild<QWidget*>(QStringLiteral("LabPaste")));
    QCOMPARE(search->text(), QStringLiteral("HFFIN01#GL_IMPORT"));
    Click(window.Panel()->findChild<QWidget*>(QStringLiteral("LabClear")));
    QCOMPARE(search->text(), QString());
    window.Panel()->Tick(4);
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("hffin01#gl_posting"));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(search->text(), QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(window.State().Results.ReportNumber, 4);
    QVERIFY(window.Results()->rowCount() > 10);
    QCOMPARE(PageName(window), QStringLiteral("TabReport"));
  }

  // A rejected search keeps the rows; an invalid character moves the focus to the search box.
  void aRejectedSearchKeepsTheRowsAndTakesTheFocus() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(Activate(window));
    RunReport(window, 0, 2);
    RunReport(window, 0, 4, QStringLiteral("NOHASH"));
    QCOMPARE(window.Results()->rowCount(), 31);
    window.Tree()->setFocus();
    RunReport(window, 0, 3, QStringLiteral("GL.POSTING"));
    QTRY_VERIFY(window.Panel()->SearchBox()->hasFocus());
  }

  // A tree preset fills the search box and runs its report; the tree's menu offers the entries
  // of the selected kind only.
  void treePresetsFillTheSearchBoxAndFitTheSelectedKind() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    const auto enabled = [&](const char* text) {
      return FindAction(window.Tree()->PopupMenu(), QString::fromLatin1(text))->isEnabled();
    };
    QVERIFY(fixture.Select({"Schedules"}));
    QVERIFY(!enabled("Schedule") && enabled("Reports"));
    QVERIFY(fixture.Select({"Schedules (Invalid)", "HFOLD07", "OLD_PAYROLL"}));
    QVERIFY(enabled("Schedule") && !enabled("Job"));
    QVERIFY(fixture.Select({"Schedules", "HFFIN01", "GL_POSTING"}));
    FindAction(window.Tree()->PopupMenu(),
               QStringLiteral("Find Internal Dependencies For This Schedule"))
        ->trigger();
    QCOMPARE(window.Panel()->SearchBox()->text(), QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(LabelText(&window, "LabRepTab"), QStringLiteral("Schedules"));
    QVERIFY(window.Panel()->OptionBox(4)->isChecked());
    QCOMPARE(window.State().Results.ReportNumber, 4);
    QCOMPARE(PageName(window), QStringLiteral("TabReport"));
  }

  // Go shows the rows, hidden columns stay hidden, and a row click copies its key.
  void goShowsTheRowsAndARowClickCopiesItsKey() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 0, 1);
    QCOMPARE(window.Results()->rowCount(), 31);
    QVERIFY(window.Menu()->PageAction(PageCategory::Report)->isEnabled());
    QTableView* list = window.ReportView()->List();
    QVERIFY(list->isColumnHidden(2));
    fixture.Sounds.clear();
    const QRect first = list->visualRect(window.Results()->index(0, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, first.center());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("HFBKP01#BACKUP_DAILY"));
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Plop});
  }

  void theArrowsMoveInTheListAndTabLeavesIt() {
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
  }

  void aNewReportStartsAtTheLeftAndTop() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 0, 4, QStringLiteral("HFDWH01#DW_NIGHTLY"));
    Settle();
    QTableView* list = window.ReportView()->List();
    QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    RunReport(window, 0, 5, QStringLiteral("HFDWH01#DW_NIGHTLY"));
    Settle();
    QCOMPARE(list->horizontalScrollBar()->value(), 0);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
  }

  // Exactly the name chosen, without an extension added; an existing file is replaced only
  // after a Yes; a cancelled save dialog writes nothing.
  void theCsvExportAsksBeforeOverwriting() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 0, 1);
    const QString name = SavesDir(fixture) + QStringLiteral("schedules");
    fixture.Desktop.SaveNames = {name, name, name};
    fixture.Desktop.YesNoAnswers = {false, true};
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.SaveDirectories.front(), SavesDir(fixture));
    QVERIFY(fixture.Desktop.Questions.empty());
    QCOMPARE(FileBytes(name).toStdString(), CsvFileText(window.State().Results));
    QVERIFY(WriteBytes(name, "keep me"));
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.Questions.size(), size_t{1});
    QVERIFY(fixture.Desktop.Questions.front().contains(name));
    QCOMPARE(FileBytes(name), QByteArray("keep me"));
    window.ResultMenu()->ExportToCsvFile->trigger();
    QVERIFY(FileBytes(name).startsWith("HFBKP01,"));
    const QStringList before = QDir(SavesDir(fixture)).entryList(QDir::Files);
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.SaveDirectories.size(), size_t{4});
    QCOMPARE(QDir(SavesDir(fixture)).entryList(QDir::Files), before);
    QVERIFY(fixture.Messages.empty());
  }

  // The copies are the CSV text and the picture of the list; the picture leaves the status.
  void theRowsCopyAsCsvTextAndAsThePictureOfTheList() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 0, 1);
    QApplication::clipboard()->clear();
    window.ResultMenu()->CopyCsvToClipboard->trigger();
    QCOMPARE(QApplication::clipboard()->text().toStdString(),
             ClipboardCsvText(window.State().Results));
    const QString status = window.StatusText();
    QTableView* list = window.ReportView()->List();
    window.ResultMenu()->CopyAsBitmap->trigger();
    const QImage image = QApplication::clipboard()->image();
    QCOMPARE(image.size(), list->size() * list->devicePixelRatio());
    QCOMPARE(image, list->grab().toImage().convertToFormat(image.format()));
    QCOMPARE(window.StatusText(), status);
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
    window.Runner()->Progress().SetEventInterval(0);
    window.Panel()->Tick(1);
    QAbstractItemModelTester tester(window.Results(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);

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
      // The list shows no rows until the run ends.
      QCOMPARE(window.Results()->rowCount(), 0);
      closeRefused = !window.close();
    });
    probe.start();
    QCOMPARE(window.Runner()->Run(), RunOutcome::Ran);
    probe.stop();
    QVERIFY(passes > 0);
    QCOMPARE(second, RunOutcome::Busy);
    QVERIFY(refreshRefused);
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
    FindAction(ReportsMenu(window), QStringLiteral("List Invalid Calendars"))->trigger();
    QCOMPARE(fixture.Messages,
             std::vector<QString>{QStringLiteral("'1X' is not a valid integer value")});
    QCOMPARE(window.StatusText(), fixture.Messages.front());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(!window.Panel()->Strobe()->Running());
    // The next report runs as usual.
    FindAction(ReportsMenu(window), QStringLiteral("List Unused Calendars"))->trigger();
    QCOMPARE(window.State().Results.ReportNumber, 32);
  }

  // The HTML entries are enabled only for the schedule detail report. The overwrite question
  // is the CSV export's, through the same dialog step.
  void theMenuEntriesAndTheHtmlExportAndBrowserView() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QMenu* menu = window.ResultMenu()->Menu();
    // The enabled state of every entry after the menu opened, "1" or "0" each.
    const auto openAndRead = [&] {
      menu->popup(window.mapToGlobal(QPoint(300, 300)));
      QString states;
      for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) states += action->isEnabled() ? u'1' : u'0';
      }
      menu->hide();
      return states;
    };
    QCOMPARE(openAndRead(), QStringLiteral("110011"));
    RunReport(window, 0, 4, QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(openAndRead(), QStringLiteral("111111"));
    // A right click on the list opens the menu.
    emit window.ReportView()->List()->customContextMenuRequested(QPoint(10, 10));
    QTRY_VERIFY(menu->isVisible());
    menu->hide();

    const std::string document = ScheduleHtmlDocument(window.State().Results);
    // The export creates a missing saves directory.
    QDir saves(SavesDir(fixture));
    QVERIFY(saves.removeRecursively());
    const QString name = SavesDir(fixture) + QStringLiteral("gl_posting.htm");
    fixture.Desktop.SaveNames = {name};
    window.ResultMenu()->ExportToHtmlFile->trigger();
    QCOMPARE(FileBytes(name).toStdString(), document);
    QCOMPARE(window.StatusText(), QStringLiteral("Report Saved As: ") + name);
    // The browser view overwrites its temporary file without asking, and keeps the status.
    const QString temp = SavesDir(fixture) + QStringLiteral("&&VarnoltDBQ_Temp.htm");
    QVERIFY(WriteBytes(temp, "an earlier view"));
    window.ResultMenu()->ViewInBrowser->trigger();
    QCOMPARE(fixture.Desktop.Opened, std::vector<QString>{temp});
    QVERIFY(fixture.Desktop.Questions.empty());
    QCOMPARE(fixture.Desktop.SaveDirectories.size(), size_t{1});
    QCOMPARE(FileBytes(temp).toStdString(), document);
    QCOMPARE(window.StatusText(), QStringLiteral("Report Saved As: ") + name);
    // It does not create the saves directory.
    QVERIFY(saves.removeRecursively());
    window.ResultMenu()->ViewInBrowser->trigger();
    QVERIFY(!saves.exists());
    QCOMPARE(fixture.Desktop.Opened.size(), size_t{1});
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(fixture.Messages.front().startsWith(QStringLiteral("Cannot create file ")));
    RunReport(window, 0, 5, QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(openAndRead(), QStringLiteral("110011"));
  }

  // The pages themselves are planned in the core; here they must reach the printer whole.
  void theSchedulePrintHeadsEveryPageAndNumbersThePages() {
    std::string schedule = "SCHEDULE CPU1#LONG_RUN\nON EVERYDAY\nAT 0100\n:\n";
    for (int i = 1; i <= 150; ++i) schedule += " CPU1#JOB_" + std::to_string(i) + "\n";
    WindowFixture fixture(Extracts{{"Schedules.Xtract", schedule + "END\n"},
                                   {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"}});
    MainWindow& window = fixture.Start();
    // With no schedule on show nothing is printed and no printer is asked for.
    window.Menu()->PrintSchedule->trigger();
    QVERIFY(fixture.Messages.empty());
    QVERIFY(fixture.Select({"Schedules", "CPU1", "LONG_RUN"}));
    window.Menu()->PrintSchedule->trigger();
    QCOMPARE(fixture.Messages, std::vector<QString>{"no printer"});
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("schedule.pdf"));
    window.SchedulePage()->PrintButton()->click();
    QVERIFY(QFile::remove(fixture.Desktop.PrintFile));
    window.Menu()->PrintSchedule->trigger();
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(QApplication::overrideCursor() == nullptr);

    const auto text = Poppler("pdftotext", {"-layout", fixture.Desktop.PrintFile, "-"});
    if (!text) QSKIP_OR_FAIL_WITHOUT_TOOL("pdftotext (poppler-utils) is not installed");
    const QString stamp = QString::fromStdString(PrintStampText(window.State().Audit.Stamp()));
    QStringList printed;
    int page = 1;
    for (const QString& pageText : text->split('\f', Qt::SkipEmptyParts)) {
      const QStringList lines = Lines(pageText);
      if (lines.isEmpty()) continue;
      QCOMPARE(lines.mid(0, 3),
               (QStringList{"CPU1", "LONG_RUN",
                            (stamp + " Page: " + QString::number(page++)).simplified()}));
      printed << lines.mid(3);
    }
    QVERIFY(page > 2);
    QString shown;
    for (const std::string& line : window.SchedulePage()->Page().Lines) {
      shown += QString::fromStdString(line) + '\n';
    }
    QCOMPARE(printed, Lines(shown));
  }

  void theResultListPrintIsThePictureOfTheVisibleRowsAtScreenSize() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.resize(916, 660);
    RunReport(window, 0, 1);
    QTableView* list = window.ReportView()->List();
    const int last = window.Results()->rowCount() - 1;
    QVERIFY(
        !list->viewport()->rect().intersects(list->visualRect(window.Results()->index(last, 0))));
    window.ResultMenu()->PrintReport->trigger();
    QCOMPARE(fixture.Messages, std::vector<QString>{"no printer"});
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("list.pdf"));
    window.ResultMenu()->PrintReport->trigger();
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // Two heading lines, then one for each picture: page, number, type, width, height, ...
    const auto images = Poppler("pdfimages", {"-list", fixture.Desktop.PrintFile});
    if (!images) QSKIP_OR_FAIL_WITHOUT_TOOL("pdfimages (poppler-utils) is not installed");
    // One page holding the list as painted on the screen, each screen pixel at its size there:
    // the PDF printer has 1200 pixels to the inch.
    const QStringList rows = Lines(*images);
    QCOMPARE(rows.size(), 3);
    const QStringList fields = rows[2].split(' ');
    QCOMPARE(fields[0], QStringLiteral("1"));
    QVERIFY(qAbs(fields[3].toInt() - list->width() * 1200.0 / window.logicalDpiX()) <= 2);
    QVERIFY(qAbs(fields[4].toInt() - list->height() * 1200.0 / window.logicalDpiY()) <= 2);
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::ReportTest)
#include "report_test.moc"
