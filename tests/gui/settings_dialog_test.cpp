#include "gui/settings/settings_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/widgets/click_label.h"
#include "gui/window/main_menu.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

const QString kSep = QString(QLatin1Char(kPathSeparator));

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

QString FieldText(SettingsDialog& dialog, SettingsItem item) { return dialog.Field(item)->text(); }

void SetField(SettingsDialog& dialog, SettingsItem item, const QString& text) {
  dialog.Field(item)->setText(text);
}

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void theDialogShowsTheCurrentSettings() {
    WindowFixture fixture;
    fixture.Preset("HostID", "master01");
    fixture.Preset("Strobe", "0");
    MainWindow& window = fixture.Start();
    QVERIFY(window.Menu()->Settings->isEnabled());
    WithSettingsDialog(window, [&](SettingsDialog& dialog) {
      QCOMPARE(FieldText(dialog, SettingsItem::FtpHost), QStringLiteral("master01"));
      QCOMPARE(dialog.Field(SettingsItem::FtpPassword)->echoMode(), QLineEdit::Password);
      QVERIFY(!FieldText(dialog, SettingsItem::FtpPassword).isEmpty());
      QCOMPARE(dialog.Field(SettingsItem::FtpHost)->maxLength(), 50);
      QCOMPARE(dialog.Field(SettingsItem::FtpUser)->maxLength(), 26);
      QCOMPARE(dialog.Field(SettingsItem::FtpPassword)->maxLength(), 26);
      QVERIFY(!dialog.Box(SettingsItem::Strobe)->isChecked());
      QVERIFY(dialog.Box(SettingsItem::SaveSettings)->isChecked());
    });
  }

  void aCancelledDialogChangesNothingButRecreatesMissingDirectories() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QDir saves(QString::fromStdString(window.State().Settings.SavesDir));
    QVERIFY(saves.removeRecursively());
    WithSettingsDialog(window, [](SettingsDialog& dialog) {
      SetField(dialog, SettingsItem::FtpHost, QStringLiteral("typed"));
      dialog.Box(SettingsItem::SaveSettings)->setChecked(false);
    });
    QVERIFY(saves.exists());
    QCOMPARE(window.State().Settings.FtpHost, std::string("varnolt-master"));
    QVERIFY(window.State().Settings.SaveSettingsOnExit);
    // The next opening replaces the edits left behind.
    WithSettingsDialog(window, [](SettingsDialog& dialog) {
      QCOMPARE(FieldText(dialog, SettingsItem::FtpHost), QStringLiteral("varnolt-master"));
      QVERIFY(dialog.Box(SettingsItem::SaveSettings)->isChecked());
    });
  }

  void aHeadingClickExplainsItsOptionAndTogglesItsBox() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    WithSettingsDialog(window, [](SettingsDialog& dialog) {
      Click(dialog.Heading(SettingsItem::FtpUser));
      QCOMPARE(dialog.Explanation()->text(),
               QString::fromLatin1(TextOf(SettingsItem::FtpUser).Explanation));
      const bool before = dialog.Box(SettingsItem::SaveSettings)->isChecked();
      Click(dialog.Heading(SettingsItem::SaveSettings));
      QCOMPARE(dialog.Box(SettingsItem::SaveSettings)->isChecked(), !before);
      QCOMPARE(dialog.Explanation()->text(),
               QString::fromLatin1(TextOf(SettingsItem::SaveSettings).Explanation));
      QVERIFY(dialog.Box(SettingsItem::Strobe)->isChecked());
      Click(dialog.Heading(SettingsItem::Strobe));
      QVERIFY(!dialog.Box(SettingsItem::Strobe)->isChecked());
    });
  }

  void okChecksTheDirectoriesThenTakesTheFields() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    const QString database = QString::fromStdString(fixture.DatabaseDir());
    const QString missing = QString::fromStdString(fixture.ProgramDir()) + QStringLiteral("nope");
    const QString logs = QString::fromStdString(window.State().Settings.LogDir);
    bool closed = false;
    WithSettingsDialog(window, [&](SettingsDialog& dialog) {
      SetField(dialog, SettingsItem::FtpHost, QStringLiteral("master02"));
      SetField(dialog, SettingsItem::FtpFromDir, QStringLiteral("/data/extracts"));
      SetField(dialog, SettingsItem::FtpToDir, database.left(database.size() - 1));
      SetField(dialog, SettingsItem::Logs, missing);
      dialog.Box(SettingsItem::SaveSettings)->setChecked(false);
      // A missing directory keeps the dialog open with the focus on its field.
      dialog.OkButton()->click();
      QVERIFY(dialog.isVisible());
      QCOMPARE(fixture.Desktop.Informations,
               std::vector<QString>{QStringLiteral("Directory (Logs Location) Does Not Exist!")});
      QCOMPARE(dialog.focusWidget(), dialog.Field(SettingsItem::Logs));
      // The completed texts stay in the fields.
      QCOMPARE(FieldText(dialog, SettingsItem::FtpToDir), database);
      QCOMPARE(FieldText(dialog, SettingsItem::Logs), missing + kSep);
      QCOMPARE(window.State().Settings.FtpHost, std::string("varnolt-master"));
      SetField(dialog, SettingsItem::Logs, logs);
      dialog.OkButton()->click();
      closed = !dialog.isVisible();
    });
    QVERIFY(closed);
    QVERIFY(!QDir(missing).exists());
    const Settings& settings = window.State().Settings;
    QCOMPARE(settings.FtpHost, std::string("master02"));
    QCOMPARE(settings.RemoteExtractDir, std::string("/data/extracts/"));
    QCOMPARE(QString::fromStdString(settings.DatabaseDir), database);
    QVERIFY(!settings.SaveSettingsOnExit);
    // The menu's check mark follows the dialog.
    QVERIFY(!window.Menu()->SaveSettingsOnExit->isChecked());
  }

  void settingsSurviveARestartOnlyWhenSaveSettingsOnExitIsOn() {
    WindowFixture fixture;
    MainWindow& first = fixture.Start();
    QVERIFY(first.Menu()->SaveSettingsOnExit->isChecked());
    const auto setHost = [](MainWindow& window, const char* host) {
      WithSettingsDialog(window, [host](SettingsDialog& dialog) {
        SetField(dialog, SettingsItem::FtpHost, QString::fromLatin1(host));
        dialog.OkButton()->click();
      });
    };
    setHost(first, "kept-host");
    first.Menu()->EnableSounds->trigger();
    const bool sounds = first.State().Settings.SoundsOn;

    MainWindow& second = fixture.Restart();
    QCOMPARE(second.State().Settings.FtpHost, std::string("kept-host"));
    QCOMPARE(second.State().Settings.SoundsOn, sounds);
    QCOMPARE(second.Menu()->EnableSounds->isChecked(), sounds);
    QVERIFY(second.Menu()->SaveSettingsOnExit->isChecked());
    setHost(second, "lost-host");
    second.Menu()->SaveSettingsOnExit->trigger();

    MainWindow& third = fixture.Restart();
    QCOMPARE(third.State().Settings.FtpHost, std::string("kept-host"));
    QVERIFY(!third.State().Settings.SaveSettingsOnExit);
    QVERIFY(!third.Menu()->SaveSettingsOnExit->isChecked());
    // Switched on again, the next exit stores everything once more.
    third.Menu()->SaveSettingsOnExit->trigger();
    setHost(third, "third-host");
    QCOMPARE(fixture.Restart().State().Settings.FtpHost, std::string("third-host"));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::SettingsDialogTest)
#include "settings_dialog_test.moc"
