// The settings dialog in the window. Completing, checking and taking over the fields, and
// storing and loading the settings, are checked in the core's tests.
#include "gui/settings/settings_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "gui/widgets/click_label.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

// Opens "Settings..." and runs `step` inside the modal dialog; a dialog still open afterwards
// is closed with Cancel.
void WithSettingsDialog(MainWindow& window, const std::function<void(SettingsDialog&)>& step) {
  bool ran = false;
  QTimer::singleShot(0, &window, [&] {
    SettingsDialog* dialog = window.SettingsForm();
    ran = dialog->isVisible();
    if (ran) step(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  window.Menu()->Settings->trigger();
  QVERIFY(ran);
}

void SetHost(MainWindow& window, const char* host) {
  WithSettingsDialog(window, [host](SettingsDialog& dialog) {
    dialog.Field(SettingsItem::FtpHost)->setText(QString::fromLatin1(host));
    dialog.OkButton()->click();
  });
}

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void theDialogShowsTheSettingsHeadingsToggleAndCancelChangesNothingButRecreatesDirectories() {
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
  }

  void okKeepsTheDialogOpenOnAMissingDirectoryThenTakesTheFields() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    const QString database = QString::fromStdString(fixture.DatabaseDir());
    const QString missing = QString::fromStdString(fixture.ProgramDir()) + QStringLiteral("nope");
    const QString logs = QString::fromStdString(window.State().Settings.LogDir);
    bool closed = false;
    WithSettingsDialog(window, [&](SettingsDialog& dialog) {
      dialog.Field(SettingsItem::FtpHost)->setText(QStringLiteral("master02"));
      dialog.Field(SettingsItem::FtpToDir)->setText(database.left(database.size() - 1));
      dialog.Field(SettingsItem::Logs)->setText(missing);
      dialog.Box(SettingsItem::SaveSettings)->setChecked(false);
      dialog.OkButton()->click();
      QVERIFY(dialog.isVisible());
      QCOMPARE(fixture.Desktop.Informations.size(), size_t{1});
      QCOMPARE(dialog.focusWidget(), dialog.Field(SettingsItem::Logs));
      // The completed texts stay in the fields.
      QCOMPARE(dialog.Field(SettingsItem::FtpToDir)->text(), database);
      QCOMPARE(window.State().Settings.FtpHost, std::string("varnolt-master"));
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

QTEST_MAIN(vdbq::gui::testing::SettingsDialogTest)
#include "settings_dialog_test.moc"
