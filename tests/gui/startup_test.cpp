#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTest>
#include <QTreeView>

#include "gui/catalogue/catalogue_tree.h"
#include "gui/report/report_panel_widget.h"
#include "gui/window/main_menu.h"
#include "gui/window/title_bar.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void startUpFillsTheTreeAndTheTotalsAndShowsTheTitlePage() {
    WindowFixture fixture;
    // A logo file in the program directory is shown.
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    QVERIFY(logo.save(QString::fromStdString(fixture.ProgramDir() + "logo.bmp"), "BMP"));
    MainWindow& window = fixture.Start();
    QCOMPARE(window.Title()->Logo()->pixmap().size(), QSize(40, 20));
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("TabTotals"));
    QCOMPARE(window.Navigation().CurrentCode(), std::string("INF"));

    QCOMPARE(window.TreeModel()->rowCount(), 9);

    const auto label = [&window](const char* name) {
      return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    // The totals themselves are the core's; one label shows they reach the page.
    QCOMPARE(label("LabTotJob"), QStringLiteral("84"));
    // The report panel opens on the schedules with their total.
    QCOMPARE(label("LabRepTab"), QStringLiteral("Schedules"));
    QCOMPARE(label("LabTotty"), QStringLiteral("31"));
    QVERIFY(!label("LabLastUpdate").isEmpty());
    // Start-up creates the working directories.
    const QDir program(QString::fromStdString(fixture.ProgramDir()));
    QVERIFY(program.exists(QStringLiteral("Logs")));
    QVERIFY(program.exists(QStringLiteral("Saves")));
  }

  void anUnreadableLogoFileDoesNotStopStartUp() {
    WindowFixture fixture;
    QFile garbage(QString::fromStdString(fixture.ProgramDir() + "logo.bmp"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");
    garbage.close();
    fixture.Preset("Sfx", "0");
    fixture.Preset("SaveSettings", "1");
    MainWindow& window = fixture.Start();
    QVERIFY(!window.Title()->Logo()->pixmap().isNull());
    QCOMPARE(window.TreeModel()->rowCount(), 9);
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    // The settings were read, and the menu's check marks follow them.
    QVERIFY(!window.Menu()->EnableSounds->isChecked());
    QVERIFY(window.Menu()->SaveSettingsOnExit->isChecked());
  }

  void refreshWithTheExtractsMissingShowsTheNotFoundMessageAndAnEmptyTree() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(QFile::remove(QString::fromStdString(fixture.DatabaseDir() + "Cpus.Xtract")));
    window.Menu()->Refresh->trigger();
    QCOMPARE(window.StatusText(),
             QStringLiteral("Varnolt Database Extracts Not Found! Please Check Import Directory "
                            "And Perform Transfer If Necessary."));
    QCOMPARE(window.TreeModel()->rowCount(), 0);
    QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("TabTotals"));
    // No report runs without the extracts; the status stays.
    window.Panel()->Tick(1);
    Click(window.Panel()->GoButton());
    QCOMPARE(window.StatusText().left(20), QStringLiteral("Varnolt Database Ext"));
    QCOMPARE(window.State().Results.ReportNumber, 0);
    // Once the files are back, a refresh rebuilds the tree.
    QVERIFY(QFile::copy(SampleDatabaseDir() + QStringLiteral("/Cpus.Xtract"),
                        QString::fromStdString(fixture.DatabaseDir() + "Cpus.Xtract")));
    window.RefreshCatalogue();
    QCOMPARE(window.TreeModel()->rowCount(), 9);
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
  }

  void anExtractThatCannotBeReadIsReportedInAMessage() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    const QString schedules = QString::fromStdString(fixture.DatabaseDir() + "Schedules.Xtract");
    QVERIFY(QFile::remove(schedules));
    QVERIFY(QDir().mkdir(schedules));
    window.Menu()->Refresh->trigger();
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(fixture.Messages.front().contains(QStringLiteral("Schedules.Xtract")));
    QCOMPARE(window.StatusText(), fixture.Messages.front());
    QCOMPARE(window.TreeModel()->rowCount(), 0);
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::StartupTest)
#include "startup_test.moc"
