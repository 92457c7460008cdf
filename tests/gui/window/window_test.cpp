// The window from start-up on: the title page and tree, the pages the tree and the category
// buttons open, sounds, highlights, the tree's colours, long texts, the About keys and the
// settings dialog (completing, checking and storing the settings are the core's tests).
#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

#include "gui/pages/install_page.h"
#include "gui/pages/job_page_widget.h"
#include "gui/pages/page_header.h"
#include "gui/settings/settings_dialog.h"
#include "gui/widgets/click_label.h"
#include "gui/widgets/colour_memo.h"
#include "gui/window/category_bar.h"
#include "gui/window/title_bar.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

void SetHost(MainWindow& window, const char* host) {
  WithSettingsDialog(window, [host](SettingsDialog& dialog) {
    dialog.Field(SettingsItem::FtpHost)->setText(QString::fromLatin1(host));
    dialog.OkButton()->click();
  });
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
 private slots:
  // The totals and the tree's contents are the core's; here they must reach the window.
  void startUpFillsTheTreeAndTheTotalsAndShowsTheTitlePage_data() {
    QTest::addColumn<bool>("readable");
    QTest::newRow("logo") << true;
    QTest::newRow("unreadable logo") << false;
  }

  void startUpFillsTheTreeAndTheTotalsAndShowsTheTitlePage() {
    QFETCH(bool, readable);
    WindowFixture fixture;
    const QString logo = QString::fromStdString(fixture.ProgramDir() + "logo.bmp");
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(readable ? red.save(logo, "BMP") : WriteBytes(logo, "not a picture"));
    fixture.Preset("Sfx", "0");
    MainWindow& window = fixture.Start();
    // A logo that cannot be read gives way to the built-in one.
    const QSize shown = window.Title()->Logo()->pixmap().size();
    QVERIFY(readable ? shown == QSize(40, 20) : !shown.isEmpty());
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QCOMPARE(PageName(window), QStringLiteral("TabTotals"));
    QCOMPARE(window.TreeModel()->rowCount(), 9);
    QCOMPARE(LabelText(&window, "LabTotJob"), QStringLiteral("84"));
    // The report panel opens on the schedules with their total.
    QCOMPARE(LabelText(&window, "LabRepTab"), QStringLiteral("Schedules"));
    QCOMPARE(LabelText(&window, "LabTotty"), QStringLiteral("31"));
    QVERIFY(!LabelText(&window, "LabLastUpdate").isEmpty());
    // The settings were read, and the menu's check marks follow them.
    QVERIFY(!window.Menu()->EnableSounds->isChecked());
    QVERIFY(window.Menu()->SaveSettingsOnExit->isChecked());
    const QDir program(QString::fromStdString(fixture.ProgramDir()));
    QVERIFY(program.exists(QStringLiteral("Logs")) && program.exists(QStringLiteral("Saves")));
  }

  void withTheExtractsMissingOrUnreadableTheTreeIsEmptyAndNoReportRuns() {
    WindowFixture fixture(WindowFixture::Database::None);
    MainWindow& window = fixture.Start();
    QAbstractItemModelTester tester(window.TreeModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QString status = window.StatusText();
    QVERIFY(status.startsWith(QStringLiteral("Varnolt Database Extracts Not Found!")));
    QCOMPARE(window.TreeModel()->rowCount(), 0);
    // A preset only sets up the panel; Go does nothing.
    FindAction(ReportsMenu(window), QStringLiteral("List Classes"))->trigger();
    QCOMPARE(LabelText(&window, "LabRepTab"), QStringLiteral("Workstations"));
    QVERIFY(window.Panel()->OptionBox(3)->isChecked());
    Click(window.Panel()->GoButton());
    QCOMPARE(window.StatusText(), status);
    QCOMPARE(window.State().Results.ReportNumber, 0);

    CopyDirectory(SampleDatabaseDir(), QString::fromStdString(fixture.DatabaseDir()));
    window.Menu()->Refresh->trigger();
    QCOMPARE(window.TreeModel()->rowCount(), 9);
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    // An extract that cannot be read is reported in a message.
    const QString schedules = QString::fromStdString(fixture.DatabaseDir() + "Schedules.Xtract");
    QVERIFY(QFile::remove(schedules) && QDir().mkdir(schedules));
    window.Menu()->Refresh->trigger();
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(fixture.Messages.front().contains(QStringLiteral("Schedules.Xtract")));
    QCOMPARE(window.StatusText(), fixture.Messages.front());
    QCOMPARE(window.TreeModel()->rowCount(), 0);
  }

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
    // The schedule page shows the definition with its keywords coloured.
    QVERIFY(fixture.Select({"Schedules", "HFFIN01", "GL_POSTING"}));
    ColourMemo* memo = window.SchedulePage()->Memo();
    const QString text = memo->toPlainText();
    const int schedule = text.indexOf(QStringLiteral("SCHEDULE HFFIN01#GL_POSTING"));
    QVERIFY(schedule >= 0 && text.trimmed().endsWith(QStringLiteral("END")));
    QCOMPARE(memo->ColourAt(schedule), QColor(128, 0, 0));
    QCOMPARE(memo->ColourAt(text.indexOf(QStringLiteral("FOLLOWS"))), QColor(0, 0, 255));
  }

  // A category never shown cannot be chosen: no sound, no page, its Pages entry disabled.
  void aCategoryNotYetShownCannotBeChosen() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Jobs"}));
    QCOMPARE(PageName(window), QStringLiteral("TabTotals"));
    fixture.Sounds.clear();
    Click(window.Buttons()->Button(PageCategory::Schedules));
    QCOMPARE(PageName(window), QStringLiteral("TabTotals"));
    QVERIFY(fixture.Sounds.empty());
    QVERIFY(!window.Menu()->PageAction(PageCategory::Schedules)->isEnabled());
    QVERIFY(fixture.Select({"Schedules", "HFFIN01", "GL_POSTING"}));
    QVERIFY(window.Menu()->PageAction(PageCategory::Schedules)->isEnabled());
  }

  // After "Title" the button of the category shown before switches back to it with a sound;
  // switching to the current category plays none.
  void afterTheTitleAButtonSwitchesBackToItsCategory() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Schedules", "HFFIN01", "GL_POSTING"}));
    window.Menu()->Title->trigger();
    QCOMPARE(PageName(window), QStringLiteral("TabTotals"));
    QCOMPARE(window.Navigation().CurrentCode(), std::string("INF"));
    fixture.Sounds.clear();
    Click(window.Buttons()->Button(PageCategory::Schedules));
    QCOMPARE(PageName(window), QStringLiteral("TabSch"));
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Tink});
    QVERIFY(window.Buttons()->Button(PageCategory::Schedules)->Lit());
    fixture.Sounds.clear();
    window.Menu()->PageAction(PageCategory::Schedules)->trigger();
    QVERIFY(fixture.Sounds.empty());
  }

  void aHeadingReturnsToItsPageOnceVisited() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Jobs", "HFFIN01", "POST_LEDGER"}));
    window.ShowPage(PageCategory::Title);
    QVERIFY(fixture.Select({"Jobs (Invalid)"}));
    QCOMPARE(PageName(window), QStringLiteral("TabJob"));
  }

  // The title page's link shows the installation page, which copies its script without the
  // separators.
  void theTitleLinkShowsTheInstallationPageWhichCopiesItsScript() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    Click(window.findChild<QLabel*>(QStringLiteral("LabInstallLink")));
    QCOMPARE(PageName(window), QStringLiteral("TabInstall"));
    QCOMPARE(window.Navigation().CurrentCode(), std::string("INS"));
    ColourMemo* script = window.Installation()->ScriptMemo();
    QTest::mouseClick(script->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0).trimmed(), QStringLiteral("#!/bin/ksh"));
    QVERIFY(!QApplication::clipboard()->text().contains(QStringLiteral("-----")));
  }

  void selectingANodePlaysBlipThenTheSwitchTinkAndACopyPlop() {
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
  }

  // Leaving a button puts the highlight back on the current category; after "Title" the old
  // button keeps its picture until the mouse passes over it.
  void theHighlightFollowsTheMouseAndTheCurrentCategory() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Workstations", "HFMASTER"}));
    HoverButton* cpu = window.Buttons()->Button(PageCategory::Workstations);
    HoverButton* job = window.Buttons()->Button(PageCategory::Jobs);
    fixture.Sounds.clear();
    Enter(job);
    QVERIFY(job->ShowsHighlighted());
    QCOMPARE(fixture.Sounds, std::vector<Sound>{Sound::Blip});
    Leave(job);
    QVERIFY(!job->ShowsHighlighted());
    QVERIFY(cpu->ShowsHighlighted());
    window.ShowPage(PageCategory::Title);
    QVERIFY(cpu->ShowsHighlighted());
    Enter(cpu);
    Leave(cpu);
    QVERIFY(!cpu->ShowsHighlighted());
  }

  void withSoundsOffNothingIsPlayed() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.Menu()->EnableSounds->trigger();
    fixture.Sounds.clear();
    QVERIFY(fixture.Select({"Workstations", "HFFIN01"}));
    QVERIFY(fixture.Sounds.empty());
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
    QCOMPARE(window.State().Settings.SelectedNodeText, 65280);
    fixture.Desktop.Colour = QColor(30, 20, 10);
    window.Menu()->NodeSelectedBackground->trigger();
    QCOMPARE(window.State().Settings.SelectedNodeGround, 30 + 20 * 256 + 10 * 65536);
    QCOMPARE(ground(), QColor(30, 20, 10));
    // A cancelled dialog changes nothing.
    fixture.Desktop.Colour.reset();
    window.Menu()->NodeSelectedBackground->trigger();
    QCOMPARE(ground(), QColor(30, 20, 10));
    QCOMPARE(fixture.Desktop.ColourRequests, 3);
  }

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

  // A click on a row of the parameter and prompt pages shows it in the page's title.
  void clickedRowsTextFollowsTheTitle() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    const std::vector<std::pair<std::vector<std::string>, QString>> cases = {
        {{"Parameters", "FINDATA"}, "TMPDIR"}, {{"Prompts", "AP_RUN_OK"}, "MONTHEND_GO"}};
    for (const auto& [selected, clicked] : cases) {
      QVERIFY(fixture.Select(selected));
      auto* list = window.CurrentPage()->findChild<QTreeWidget*>();
      // The list marks the entry selected in the tree.
      QCOMPARE(list->currentItem()->text(0), QString::fromStdString(selected[1]));
      const QList<QTreeWidgetItem*> rows = list->findItems(clicked, Qt::MatchExactly, 0);
      QCOMPARE(rows.size(), 1);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                        list->visualItemRect(rows[0]).center());
      const PageHeader* header = window.CurrentPage()->findChild<PageHeader*>();
      QCOMPARE(header->Title()->text(), clicked);
      QCOMPARE(header->Subtitle()->text(), rows[0]->text(1));
    }
  }

  // Ctrl+A selects the search box's text and opens About elsewhere; Shift+F1 opens it anywhere.
  void aboutKeys() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QLineEdit* search = window.Panel()->SearchBox();
    search->setText(QStringLiteral("ABC"));
    QSignalSpy about(window.Menu()->About, &QAction::triggered);
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(20);
    const struct {
      QWidget* Target;
      QKeyCombination Key;
      int Opened;
    } keys[] = {{search, Qt::CTRL | Qt::Key_A, 0},
                {search, Qt::SHIFT | Qt::Key_F1, 1},
                {window.Tree(), Qt::CTRL | Qt::Key_A, 2},
                {window.Tree(), Qt::SHIFT | Qt::Key_F1, 3}};
    for (const auto& k : keys) {
      QVERIFY(Activate(window));
      k.Target->setFocus();
      QTest::keyClick(k.Target, k.Key.key(), k.Key.keyboardModifiers());
      QCOMPARE(about.count(), k.Opened);
      if (k.Opened == 0) QCOMPARE(search->selectedText(), QStringLiteral("ABC"));
    }
  }

  void theSettingsDialogShowsCancelsAndChecksBeforeTakingTheFields() {
    WindowFixture fixture;
    fixture.Preset("HostID", "master01");
    fixture.Preset("Strobe", "0");
    MainWindow& window = fixture.Start();
    QDir saves(QString::fromStdString(window.State().Settings.SavesDir));
    QVERIFY(saves.removeRecursively());
    const auto shown = [&window] {
      WithSettingsDialog(window, [](SettingsDialog& dialog) {
        QCOMPARE(dialog.Field(SettingsItem::FtpHost)->text(), QStringLiteral("master01"));
        QCOMPARE(dialog.Field(SettingsItem::FtpPassword)->echoMode(), QLineEdit::Password);
        QVERIFY(!dialog.Field(SettingsItem::FtpPassword)->text().isEmpty());
        QVERIFY(!dialog.Box(SettingsItem::Strobe)->isChecked());
        QVERIFY(dialog.Box(SettingsItem::SaveSettings)->isChecked());
        dialog.Field(SettingsItem::FtpHost)->setText(QStringLiteral("typed"));
        // A heading click explains its option and toggles its box.
        for (SettingsItem item : {SettingsItem::FtpUser, SettingsItem::SaveSettings}) {
          Click(dialog.Heading(item));
          QCOMPARE(dialog.Explanation()->text(), QString::fromLatin1(TextOf(item).Explanation));
        }
        QVERIFY(!dialog.Box(SettingsItem::SaveSettings)->isChecked());
        Click(dialog.Heading(SettingsItem::Strobe));
        QVERIFY(dialog.Box(SettingsItem::Strobe)->isChecked());
      });
    };
    // The next opening replaces the edits left behind.
    shown();
    shown();
    QVERIFY(saves.exists());
    QCOMPARE(window.State().Settings.FtpHost, std::string("master01"));
    QVERIFY(window.State().Settings.SaveSettingsOnExit);

    // OK keeps the dialog open on a missing directory, then takes the fields.
    const QString database = QString::fromStdString(fixture.DatabaseDir());
    const QString missing = QString::fromStdString(fixture.ProgramDir()) + QStringLiteral("nope");
    const QString logs = QString::fromStdString(window.State().Settings.LogDir);
    bool closed = false;
    const size_t told = fixture.Desktop.Informations.size();  // and the keyring's note
    WithSettingsDialog(window, [&](SettingsDialog& dialog) {
      dialog.Field(SettingsItem::FtpHost)->setText(QStringLiteral("master02"));
      dialog.Field(SettingsItem::FtpToDir)->setText(database.left(database.size() - 1));
      dialog.Field(SettingsItem::Logs)->setText(missing);
      dialog.Box(SettingsItem::SaveSettings)->setChecked(false);
      dialog.OkButton()->click();
      QVERIFY(dialog.isVisible());
      QCOMPARE(fixture.Desktop.Informations.size(), told + 1);
      QCOMPARE(dialog.focusWidget(), dialog.Field(SettingsItem::Logs));
      // The completed texts stay in the fields.
      QCOMPARE(dialog.Field(SettingsItem::FtpToDir)->text(), database);
      QCOMPARE(window.State().Settings.FtpHost, std::string("master01"));
      dialog.Field(SettingsItem::Logs)->setText(logs);
      dialog.OkButton()->click();
      closed = !dialog.isVisible();
    });
    QVERIFY(closed);
    QVERIFY(!QDir(missing).exists());
    QCOMPARE(window.State().Settings.FtpHost, std::string("master02"));
    QCOMPARE(QString::fromStdString(window.State().Settings.DatabaseDir), database);
    // The menu's check mark follows the dialog.
    QVERIFY(!window.Menu()->SaveSettingsOnExit->isChecked());
  }

  void settingsSurviveARestartOnlyWhenSaveSettingsOnExitIsOn() {
    WindowFixture fixture;
    MainWindow& first = fixture.Start();
    SetHost(first, "kept-host");
    first.Menu()->EnableSounds->trigger();
    const bool sounds = first.State().Settings.SoundsOn;

    MainWindow& second = fixture.Restart();
    QCOMPARE(second.State().Settings.FtpHost, std::string("kept-host"));
    QCOMPARE(second.Menu()->EnableSounds->isChecked(), sounds);
    QVERIFY(second.Menu()->SaveSettingsOnExit->isChecked());
    SetHost(second, "lost-host");
    second.Menu()->SaveSettingsOnExit->trigger();

    MainWindow& third = fixture.Restart();
    QCOMPARE(third.State().Settings.FtpHost, std::string("kept-host"));
    QVERIFY(!third.Menu()->SaveSettingsOnExit->isChecked());
    // Switched on again, the next exit stores everything once more.
    third.Menu()->SaveSettingsOnExit->trigger();
    SetHost(third, "third-host");
    QCOMPARE(fixture.Restart().State().Settings.FtpHost, std::string("third-host"));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::WindowTest)
#include "window_test.moc"
