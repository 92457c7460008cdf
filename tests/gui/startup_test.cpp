#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QImage>

#include "gui/window/title_bar.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  // The totals and the tree's contents are the core's; here they must reach the window.
  void startUpFillsTheTreeAndTheTotalsAndShowsTheTitlePage_data() {
    QTest::addColumn<QByteArray>("logo");
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(red.save(&buffer, "BMP"));
    QTest::newRow("logo") << bmp;
    QTest::newRow("unreadable logo") << QByteArray("not a picture");
  }

  void startUpFillsTheTreeAndTheTotalsAndShowsTheTitlePage() {
    QFETCH(QByteArray, logo);
    WindowFixture fixture;
    QVERIFY(WriteBytes(QString::fromStdString(fixture.ProgramDir() + "logo.bmp"), logo));
    fixture.Preset("Sfx", "0");
    MainWindow& window = fixture.Start();
    // A logo that cannot be read gives way to the built-in one.
    const QSize shown = window.Title()->Logo()->pixmap().size();
    QVERIFY(logo.startsWith("BM") ? shown == QSize(40, 20) : !shown.isEmpty());
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

  void withTheExtractsMissingTheTreeIsEmptyAndNoReportRunsUntilARefreshFindsThem() {
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
