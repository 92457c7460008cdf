// "Run FTP Batch Update" from the window, against a real FTP server on the loopback interface
// with the platform's command-line FTP client.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "cli/ftp_test_server.h"
#include "core/settings/password_scramble.h"
#include "gui/report/report_panel_widget.h"
#include "gui/transfer/transfer_dialog.h"
#include "gui/transfer/transfer_runner.h"
#include "gui/window/main_menu.h"
#include "gui/window_fixture.h"
#include "support/temp_dir.h"

namespace vdbq::gui::testing {
namespace {

constexpr char kUser[] = "vuser";
constexpr char kPassword[] = "s3cret-pw";
const QString kRunning = QStringLiteral("Processing... Running FTP Batch File... Please Wait...");

QString Label(MainWindow& window, const char* name) {
  return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// The audit lines of the program's log directory, each without its date and time.
QStringList AuditTexts(const WindowFixture& fixture) {
  QStringList texts;
  QDirIterator logs(QString::fromStdString(fixture.ProgramDir() + "Logs"), QDir::Files);
  while (logs.hasNext()) {
    for (const QByteArray& line : FileBytes(logs.next()).split('\n')) {
      const qsizetype dash = line.indexOf(" - ");
      if (dash < 0) continue;
      QByteArray text = line.mid(dash);
      if (text.endsWith('\r')) text.chop(1);
      texts << QString::fromLatin1(text);
    }
  }
  return texts;
}

QStringList ScriptsLeft(const WindowFixture& fixture) {
  return QDir(QString::fromStdString(fixture.ProgramDir()))
      .entryList({QStringLiteral("Ftp1.*")}, QDir::Files | QDir::Hidden);
}

const QStringList kWrittenOk = {QStringLiteral(" - Varnolt FTP Parm File Written Ok."),
                                QStringLiteral(" - Varnolt FTP Batch File Written Ok.")};

// Answers the next opening of the confirmation dialog with a click on Yes or No.
void AnswerNext(TransferDialog* dialog, bool yes) {
  QObject::connect(
      dialog, &TransferDialog::opened, dialog,
      [dialog, yes] { Click(yes ? dialog->YesButton() : dialog->NoButton()); },
      Qt::SingleShotConnection);
}

// The window's program directory with the settings of a transfer from the host directory of
// a loopback server, which serves the sample extracts with one parameter more.
class TransferSetup {
 public:
  TransferSetup() {
    const QString remote = QString::fromStdString((host_.Path() / "extracts").string());
    CopyDirectory(SampleDatabaseDir(), remote);
    QFile parms(remote + QStringLiteral("/Parms.Xtract"));
    if (parms.open(QIODevice::Append)) parms.write("NEWPARM \"/opt/new/value\"\n");
    fixture.Preset("FtpFromDir", "/extracts/");
    fixture.Preset("UserID", kUser);
    fixture.Preset("Encrypt", StoredPasswordValue(kPassword));
  }

  // Starts the server and points the host setting at it; false when it did not come up.
  bool Serve() {
    server_ = std::make_unique<vdbq::testing::FtpTestServer>(kUser, kPassword, host_.Path());
    fixture.Preset("HostID", server_->Host());
    return server_->Port() != 0;
  }

  std::string Host() const { return server_->Host(); }
  QString RemoteFile(const char* name) const {
    return QString::fromStdString((host_.Path() / "extracts" / name).string());
  }

  WindowFixture fixture;

 private:
  vdbq::testing::TempDir host_;
  std::unique_ptr<vdbq::testing::FtpTestServer> server_;
};

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT
 private slots:
  void theDialogAsksAndNoLeavesEverythingAsItWas() {
    WindowFixture fixture;
    fixture.Preset("HostID", "master.example");
    fixture.Preset("FtpFromDir", "/scheduler/extracts/");
    MainWindow& window = fixture.Start();
    QVERIFY(window.Menu()->FtpUpdate->isEnabled());
    TransferDialog* dialog = window.Transfer()->Dialog();
    QString shown;
    QObject::connect(
        dialog, &TransferDialog::opened, dialog,
        [dialog, &shown] {
          shown = dialog->Text()->text();
          Enter(dialog->NoButton());
          Click(dialog->NoButton());
        },
        Qt::SingleShotConnection);
    fixture.Sounds.clear();
    window.Menu()->FtpUpdate->trigger();

    QCOMPARE(shown, QStringLiteral("This process will refresh the Varnolt extracts from:\n"
                                   "<master.example> /scheduler/extracts/\n"
                                   "Are you sure you want to continue with the FTP Transfer?"));
    QVERIFY(!dialog->Confirmed());
    QVERIFY(!window.Transfer()->Running());
    QCOMPARE(fixture.Sounds, (std::vector<Sound>{Sound::Error, Sound::Blip}));
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QCOMPARE(ScriptsLeft(fixture), QStringList{});
    QCOMPARE(AuditTexts(fixture), QStringList{});

    // The button it closed under shows its first picture again when the dialog reopens.
    bool stillLit = true;
    QObject::connect(
        dialog, &TransferDialog::opened, dialog,
        [dialog, &stillLit] {
          stillLit = dialog->NoButton()->ShowsHighlighted();
          // Closed otherwise than by a button, it does not confirm either.
          QTest::keyClick(dialog, Qt::Key_Escape);
        },
        Qt::SingleShotConnection);
    QVERIFY(!window.Transfer()->Request());
    QVERIFY(!stillLit);
  }

  void yesFetchesTheExtractsAndReloadsTheCatalogue() {
    const std::string missing = vdbq::testing::FtpToolsMissing();
    if (!missing.empty()) QSKIP(missing.c_str());
    TransferSetup setup;
    QVERIFY(setup.Serve());
    MainWindow& window = setup.fixture.Start();
    QCOMPARE(Label(window, "LabTotPar"), QStringLiteral("12"));
    TransferRunner* transfer = window.Transfer();
    QStringList statuses;
    bool strobeRan = false;
    connect(transfer, &TransferRunner::statusChanged, this, [&](const QString& text) {
      statuses << text;
      if (text == kRunning) strobeRan = window.Panel()->Strobe()->Running();
    });
    QSignalSpy finished(transfer, &TransferRunner::finished);
    AnswerNext(transfer->Dialog(), true);
    setup.fixture.Sounds.clear();
    window.Menu()->FtpUpdate->trigger();
    QVERIFY(transfer->Running());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);

    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(statuses, (QStringList{QStringLiteral("Processing... Please Wait..."), kRunning,
                                    QStringLiteral("Refreshing..."), QStringLiteral("Ready.")}));
    QVERIFY(strobeRan);
    QVERIFY(!window.Panel()->Strobe()->Running());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QCOMPARE(setup.fixture.Sounds, (std::vector<Sound>{Sound::Error, Sound::Blip}));
    // The new extracts are in the database and in the tree, totals and title page.
    const QString local = QString::fromStdString(setup.fixture.DatabaseDir());
    QCOMPARE(FileBytes(local + QStringLiteral("Parms.Xtract")),
             FileBytes(setup.RemoteFile("Parms.Xtract")));
    QVERIFY(window.TreeModel()->FindPath({"Parameters", "NEWPARM"}).isValid());
    QCOMPARE(Label(window, "LabTotPar"), QStringLiteral("13"));
    QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("TabTotals"));
  }

  void whileTheClientRunsTheWindowRefusesWhatWouldReloadAndClosingStopsIt() {
    const std::string missing = vdbq::testing::FtpToolsMissing();
    if (!missing.empty()) QSKIP(missing.c_str());
    // A server that takes the connection and never answers keeps the client waiting.
    vdbq::testing::HeldPort silent(true);
    QVERIFY(silent.Port() != 0);
    TransferSetup setup;
    setup.fixture.Preset("HostID", silent.Host());
    MainWindow& window = setup.fixture.Start();
    // With an option ticked, Go would run a report.
    window.Panel()->Tick(1);
    TransferRunner* transfer = window.Transfer();
    AnswerNext(transfer->Dialog(), true);
    window.Menu()->FtpUpdate->trigger();
    QCOMPARE(window.StatusText(), kRunning);
    // The window goes on handling events meanwhile.
    QTest::qWait(300);
    QVERIFY(transfer->Running());
    QVERIFY(window.Panel()->Strobe()->Running());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QVERIFY(window.Busy());

    QSignalSpy opened(transfer->Dialog(), &TransferDialog::opened);
    setup.fixture.Sounds.clear();
    window.Menu()->FtpUpdate->trigger();
    window.Menu()->Refresh->trigger();
    Click(window.Panel()->GoButton());
    QMenu* reports = window.menuBar()->findChild<QMenu*>(QStringLiteral("ReportOptions1"));
    reports->actions().first()->trigger();
    QTest::qWait(50);
    QCOMPARE(opened.count(), 0);
    QCOMPARE(window.StatusText(), kRunning);
    QCOMPARE(window.State().Results.ReportNumber, 0);
    QVERIFY(transfer->Running());

    QVERIFY(window.close());
    QVERIFY(!transfer->Running());
    QCOMPARE(window.StatusText(), QStringLiteral("FTP Transfer Failed: Transfer Stopped"));
    QCOMPARE(AuditTexts(setup.fixture),
             kWrittenOk +
                 QStringList{QStringLiteral(" - Varnolt FTP Transfer Failed: Transfer Stopped")});
    QCOMPARE(ScriptsLeft(setup.fixture), QStringList{});
    QVERIFY(!window.Panel()->Strobe()->Running());
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::TransferTest)
#include "transfer_test.moc"
