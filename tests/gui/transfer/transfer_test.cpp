// "Run FTP Batch Update" from the window, against a real FTP server on the loopback interface
// with the platform's command-line FTP client. The transfer's steps, scripts and audit lines are
// checked in the core; here the dialog, the window while the client runs, and the reload.
#include <QMessageBox>
#include <QStandardPaths>

#include "cli/ftp_test_server.h"
#include "core/settings/password_scramble.h"
#include "gui/settings/settings_dialog.h"
#include "gui/transfer/fetch_progress_dialog.h"
#include "gui/transfer/transfer_dialog.h"
#include "gui/transfer/transfer_runner.h"
#include "gui/window_fixture.h"
#include "platform/secure_module_loader.h"
#include "support/temp_dir.h"

#ifndef VARNOLTDBQ_SSHD_SHIM
#define VARNOLTDBQ_SSHD_SHIM ""
#endif

namespace vdbq::gui::testing {
namespace {

constexpr char kUser[] = "vuser";
constexpr char kPassword[] = "s3cret-pw";
const QString kRunning = QStringLiteral("Processing... Running FTP Batch File... Please Wait...");

QStringList ScriptsLeft(const WindowFixture& fixture) {
  return QDir(QString::fromStdString(fixture.ProgramDir()))
      .entryList({QStringLiteral("Ftp1.*")}, QDir::Files | QDir::Hidden);
}

// Runs `step` when the confirmation dialog next opens.
void OnNextOpening(TransferDialog* dialog, const std::function<void()>& step) {
  QObject::connect(dialog, &TransferDialog::opened, dialog, step, Qt::SingleShotConnection);
}

// The settings of a transfer from the host's /extracts/ directory.
void PresetTransfer(WindowFixture& fixture, const std::string& host) {
  fixture.Preset("HostID", host);
  fixture.Preset("FtpFromDir", "/extracts/");
  fixture.Preset("UserID", kUser);
  fixture.Preset("Encrypt", StoredPasswordValue(kPassword));
}

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT
 private slots:
  // The test program does not lie beside the secure module, as the desktop program does.
  void initTestCase() { SetSecureModuleProgramDirectory(VARNOLTDBQ_SECURE_MODULE_DIR); }

  void theDialogAsksAndNoLeavesEverythingAsItWas() {
    WindowFixture fixture;
    fixture.Preset("HostID", "master.example");
    fixture.Preset("FtpFromDir", "/scheduler/extracts/");
    MainWindow& window = fixture.Start();
    TransferDialog* dialog = window.Transfer()->Dialog();
    QString shown;
    OnNextOpening(dialog, [dialog, &shown] {
      shown = dialog->Text()->text();
      Enter(dialog->NoButton());
      Click(dialog->NoButton());
    });
    fixture.Sounds.clear();
    window.Menu()->FtpUpdate->trigger();

    // The question's text is the core's; its line breaks must reach the label.
    QVERIFY(shown.contains(QStringLiteral(":\n<master.example> /scheduler/extracts/\nAre ")));
    QVERIFY(!dialog->Confirmed());
    QVERIFY(!window.Transfer()->Running());
    QCOMPARE(fixture.Sounds, (std::vector<Sound>{Sound::Error, Sound::Blip}));
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QCOMPARE(ScriptsLeft(fixture), QStringList{});

    // The button it closed under shows its first picture again when the dialog reopens.
    bool stillLit = true;
    OnNextOpening(dialog, [dialog, &stillLit] {
      stillLit = dialog->NoButton()->ShowsHighlighted();
      // Closed otherwise than by a button, it does not confirm either.
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QVERIFY(!window.Transfer()->Request());
    QVERIFY(!stillLit);
  }

  void yesFetchesTheExtractsAndReloadsTheCatalogue() {
    QSKIP_OR_FAIL_WITHOUT_TOOL(vdbq::testing::FtpToolsMissing());
    // The server's host directory holds the sample extracts with one parameter more.
    vdbq::testing::TempDir host;
    const QString remote = QString::fromStdString((host.Path() / "extracts").string());
    CopyDirectory(SampleDatabaseDir(), remote);
    const QString parms = remote + QStringLiteral("/Parms.Xtract");
    QVERIFY(WriteBytes(parms, FileBytes(parms) + "NEWPARM \"/opt/new/value\"\n"));
    vdbq::testing::FtpTestServer server(kUser, kPassword, host.Path());
    QVERIFY(server.Port() != 0);
    WindowFixture fixture;
    PresetTransfer(fixture, server.Host());
    MainWindow& window = fixture.Start();
    QCOMPARE(LabelText(&window, "LabTotPar"), QStringLiteral("12"));
    TransferRunner* transfer = window.Transfer();
    QStringList statuses;
    bool strobeRan = false;
    connect(transfer, &TransferRunner::statusChanged, this, [&](const QString& text) {
      statuses << text;
      if (text == kRunning) strobeRan = window.Panel()->Strobe()->Running();
    });
    QSignalSpy finished(transfer, &TransferRunner::finished);
    OnNextOpening(transfer->Dialog(), [transfer] { Click(transfer->Dialog()->YesButton()); });
    window.Menu()->FtpUpdate->trigger();
    QVERIFY(transfer->Running());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);

    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(statuses, (QStringList{QStringLiteral("Processing... Please Wait..."), kRunning,
                                    QStringLiteral("Refreshing..."), QStringLiteral("Ready.")}));
    QVERIFY(strobeRan);
    QVERIFY(!window.Panel()->Strobe()->Running());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // The new extracts are in the database and in the tree, totals and title page.
    QCOMPARE(FileBytes(QString::fromStdString(fixture.DatabaseDir() + "Parms.Xtract")),
             FileBytes(parms));
    QVERIFY(window.TreeModel()->FindPath({"Parameters", "NEWPARM"}).isValid());
    QCOMPARE(LabelText(&window, "LabTotPar"), QStringLiteral("13"));
    QCOMPARE(PageName(window), QStringLiteral("TabTotals"));
  }

  void whileTheClientRunsTheWindowRefusesWhatWouldReloadAndClosingStopsIt() {
    QSKIP_OR_FAIL_WITHOUT_TOOL(vdbq::testing::FtpToolsMissing());
    // A server that takes the connection and never answers keeps the client waiting.
    vdbq::testing::HeldPort silent(true);
    QVERIFY(silent.Port() != 0);
    WindowFixture fixture;
    PresetTransfer(fixture, silent.Host());
    MainWindow& window = fixture.Start();
    // With an option ticked, Go would run a report.
    window.Panel()->Tick(1);
    TransferRunner* transfer = window.Transfer();
    OnNextOpening(transfer->Dialog(), [transfer] { Click(transfer->Dialog()->YesButton()); });
    window.Menu()->FtpUpdate->trigger();
    // The window goes on handling events meanwhile.
    QTest::qWait(300);
    QVERIFY(transfer->Running());
    QVERIFY(window.Panel()->Strobe()->Running());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QVERIFY(window.Busy());

    QSignalSpy opened(transfer->Dialog(), &TransferDialog::opened);
    window.Menu()->FtpUpdate->trigger();
    window.Menu()->Refresh->trigger();
    Click(window.Panel()->GoButton());
    ReportsMenu(window)->actions().first()->trigger();
    QTest::qWait(50);
    QCOMPARE(opened.count(), 0);
    QCOMPARE(window.StatusText(), kRunning);
    QCOMPARE(window.State().Results.ReportNumber, 0);
    QVERIFY(transfer->Running());

    QVERIFY(window.close());
    QVERIFY(!transfer->Running());
    QCOMPARE(window.StatusText(), QStringLiteral("FTP Transfer Failed: Transfer Stopped"));
    QCOMPARE(ScriptsLeft(fixture), QStringList{});
    QVERIFY(!window.Panel()->Strobe()->Running());
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  // SFTP chosen in the settings dialog runs on a worker thread: the window shows the progress
  // dialog while the host keeps silent, and its Cancel ends the transfer with the old extracts.
  void sftpChosenInTheSettingsShowsProgressAndCancelStopsIt() {
    vdbq::testing::HeldPort silent(true);
    QVERIFY(silent.Port() != 0);
    WindowFixture fixture;
    PresetTransfer(fixture, silent.Host());
    MainWindow& window = fixture.Start();
    bool noteForFtp = false;
    bool noteForSftp = true;
    WithSettingsDialog(window, [&](SettingsDialog& dialog) {
      noteForFtp = dialog.ClearTextNote()->isVisible();
      dialog.Protocol()->setCurrentIndex(dialog.Protocol()->findData(QStringLiteral("sftp")));
      noteForSftp = dialog.ClearTextNote()->isVisible();
      dialog.KnownHostsFile()->setText(QString::fromStdString(fixture.ProgramDir() + "hosts"));
      dialog.OkButton()->click();
    });
    QVERIFY(noteForFtp);
    QVERIFY(!noteForSftp);
    QCOMPARE(window.State().Settings.TransferProtocol, std::string("sftp"));

    const QString parms = QString::fromStdString(fixture.DatabaseDir() + "Parms.Xtract");
    const QByteArray before = FileBytes(parms);
    TransferRunner* transfer = window.Transfer();
    QSignalSpy finished(transfer, &TransferRunner::finished);
    OnNextOpening(transfer->Dialog(), [transfer] { Click(transfer->Dialog()->YesButton()); });
    window.Menu()->FtpUpdate->trigger();
    QTest::qWait(300);
    QVERIFY(transfer->Running());
    QVERIFY(transfer->Progress()->isVisible());
    QVERIFY(window.Panel()->Strobe()->Running());
    Click(transfer->Progress()->CancelButton());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(window.StatusText(), QStringLiteral("SFTP Transfer Failed: Transfer Cancelled"));
    QVERIFY(!transfer->Progress()->isVisible());
    QVERIFY(!window.Panel()->Strobe()->Running());
    QCOMPARE(FileBytes(parms), before);
  }

  void anUnknownHostKeyIsShownAndOnlyWhatTheUserAcceptsGetsIn_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("fetched");
    QTest::addColumn<bool>("remembered");
    QTest::newRow("once") << "Accept Once" << true << false;
    QTest::newRow("for good") << "Accept And Remember" << true << true;
    QTest::newRow("refused") << "Cancel" << false << false;
  }

  void anUnknownHostKeyIsShownAndOnlyWhatTheUserAcceptsGetsIn() {
    QFETCH(QString, answer);
    QFETCH(bool, fetched);
    QFETCH(bool, remembered);
    QSKIP_OR_FAIL_WITHOUT_TOOL(QStandardPaths::findExecutable("sshd", {"/usr/sbin"}).isEmpty()
                                   ? "sshd is not installed (see PACKAGES in scripts/common.sh)"
                                   : "");
    vdbq::testing::TempDir root;
    const QString remote = QString::fromStdString((root.Path() / "extracts").string());
    CopyDirectory(SampleDatabaseDir(), remote);
    const QString parms = remote + QStringLiteral("/Parms.Xtract");
    QVERIFY(WriteBytes(parms, FileBytes(parms) + "NEWPARM \"/opt/new/value\"\n"));
    const std::string keys = (root.Path() / "server").string();
    QVERIFY(QDir().mkpath(QString::fromStdString(keys)));
    vdbq::testing::SecureTestServer server(
        {"sftp", QString::fromStdString(keys), kPassword, VARNOLTDBQ_SSHD_SHIM});
    QVERIFY(server.Port() != 0);
    const std::string knownHosts = (root.Path() / "known_hosts").string();
    WindowFixture fixture;
    fixture.Preset("HostID", server.Host());
    fixture.Preset("FtpFromDir", remote.toStdString() + "/");
    fixture.Preset("UserID", vdbq::testing::LoginName());
    fixture.Preset("TransferProtocol", "sftp");
    fixture.Preset("IdentityFile", keys + "/client_key");
    fixture.Preset("KnownHostsFile", knownHosts);
    MainWindow& window = fixture.Start();
    TransferRunner* transfer = window.Transfer();
    QString question;
    QTimer answering;
    connect(&answering, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || box->objectName() != QStringLiteral("hostKeyQuestion")) return;
      question = box->text();
      for (QAbstractButton* button : box->buttons()) {
        if (button->text() == answer) button->click();
      }
    });
    answering.start(50);
    QSignalSpy finished(transfer, &TransferRunner::finished);
    OnNextOpening(transfer->Dialog(), [transfer] { Click(transfer->Dialog()->YesButton()); });
    window.Menu()->FtpUpdate->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);

    QVERIFY2(question.contains(QStringLiteral("SHA256:")), qPrintable(question));
    QCOMPARE(finished.at(0).at(0).toBool(), fetched);
    QCOMPARE(FileBytes(QString::fromStdString(fixture.DatabaseDir() + "Parms.Xtract")) ==
                 FileBytes(parms),
             fetched);
    if (fetched) {
      for (int i = 0; i < 7; ++i) {
        QProgressBar* bar = transfer->Progress()->Bar(i);
        QCOMPARE(bar->value(), bar->maximum());
      }
    } else {
      QVERIFY(window.StatusText().startsWith(
          QStringLiteral("SFTP Transfer Failed: Unknown Host Key Of 127.0.0.1 port")));
    }
    QCOMPARE(QFile::exists(QString::fromStdString(knownHosts)), remembered);
  }
  // The settings file's scrambled password moves into the keyring at start and a new one typed
  // in the settings dialog goes there too, so the file never holds it again; without a keyring
  // the user is told once, ever, and the file keeps it. The keyring run is its own ctest entry,
  // inside a D-Bus session with a keyring daemon.
  void thePasswordMovesIntoTheKeyringOrTheUserIsToldOnce() {
    const bool keyring = qEnvironmentVariableIsSet("VARNOLTDBQ_TEST_KEYRING");
    WindowFixture fixture;
    fixture.Preset("Encrypt", StoredPasswordValue(kPassword));
    MainWindow& first = fixture.Start();
    QCOMPARE(first.State().Settings.FtpPassword, std::string(kPassword));
    QCOMPARE(fixture.Desktop.Informations.size(), size_t{keyring ? 0u : 1u});
    WithSettingsDialog(first, [](SettingsDialog& dialog) {
      dialog.Field(SettingsItem::FtpPassword)->setText(QStringLiteral("n3w-pw"));
      dialog.OkButton()->click();
    });

    MainWindow& next = fixture.Restart();
    const QByteArray ini = FileBytes(fixture.IniPath());
    QCOMPARE(ini.contains("n3w-pw") || ini.contains(kPassword), false);
    QCOMPARE(ini.contains("Encrypt=\n") || !ini.contains("Encrypt"), keyring);
    QString shown;
    WithSettingsDialog(next, [&](SettingsDialog& dialog) {
      shown = dialog.Field(SettingsItem::FtpPassword)->text();
    });
    QCOMPARE(shown, QStringLiteral("n3w-pw"));
    QCOMPARE(fixture.Desktop.Informations.size(), size_t{keyring ? 0u : 1u});
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::TransferTest)
#include "transfer_test.moc"
