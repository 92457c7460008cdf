#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <array>

#include "core/settings/settings.h"
#include "core/settings/settings_form.h"

class QPushButton;

namespace vdbq::gui {

class ClickLabel;
class Desktop;

// The settings dialog: the FTP connection, the four directories and two switches. OK completes the
// directory texts, checks that the local directories exist and only then takes the fields
// into the settings; any other way out changes nothing.
class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  SettingsDialog(Settings& settings, Desktop& desktop, QWidget* parent = nullptr);

  // The text field of an item; nullptr for the two check boxes.
  QLineEdit* Field(SettingsItem item) const;
  // The check box of Strobe or SaveSettings; nullptr for the others.
  QCheckBox* Box(SettingsItem item) const;
  ClickLabel* Heading(SettingsItem item) const;
  QSpinBox* KeepPreviousExtracts() const { return keep_; }
  QLabel* Explanation() const { return explanation_; }
  // The secure transfer's choices: FTP, FTPS or SFTP, and the files SFTP and FTPS check with.
  QComboBox* Protocol() const { return protocol_; }
  QLabel* ClearTextNote() const { return clearTextNote_; }
  QLineEdit* IdentityFile() const { return identityFile_; }
  QLineEdit* KnownHostsFile() const { return knownHostsFile_; }
  QLineEdit* CaFile() const { return caFile_; }
  QPushButton* OkButton() const { return ok_; }

  // The OK button.
  void Confirm();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Fill();
  SettingsForm Read() const;
  void ShowDirectories(const SettingsForm& form);
  QLayout* SecureTransferChoices();

  Settings& settings_;
  Desktop& desktop_;
  std::array<QLineEdit*, kSettingsItemCount> fields_{};
  std::array<QCheckBox*, kSettingsItemCount> boxes_{};
  std::array<ClickLabel*, kSettingsItemCount> headings_{};
  QLabel* explanation_;
  QSpinBox* keep_ = nullptr;
  QComboBox* protocol_ = nullptr;
  QLabel* clearTextNote_ = nullptr;
  QLineEdit* identityFile_ = nullptr;
  QLineEdit* knownHostsFile_ = nullptr;
  QLineEdit* caFile_ = nullptr;
  QPushButton* ok_;
};

}  // namespace vdbq::gui
