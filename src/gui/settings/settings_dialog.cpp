#include "gui/settings/settings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "gui/output/desktop.h"
#include "gui/text_convert.h"
#include "gui/widgets/click_label.h"

namespace vdbq::gui {
namespace {

struct ItemWidgetNames {
  const char* Heading;
  const char* Control;
};

constexpr std::array<ItemWidgetNames, kSettingsItemCount> kNames{{
    {"LabFtpHost", "EdFtpHost"},
    {"LabFtpUser", "EdFtpUser"},
    {"LabFtpPwd", "EdFtpPwd"},
    {"LabFtpFromDir", "EdFtpFromDir"},
    {"LabFtpToDir", "EdFtpToDir"},
    {"LabLogs", "EdLogs"},
    {"LabSaves", "EdSaves"},
    {"LabStrobe", "CBStrobe"},
    {"LabSaveSettings", "CBSaveSettings"},
    {"LabKeepExtracts", "EdKeepExtracts"},
}};

size_t IndexOf(SettingsItem item) { return static_cast<size_t>(item); }

// The protocol choice: the setting's value beside the text shown.
constexpr std::array<std::pair<const char*, const char*>, 3> kProtocols{
    {{"ftp", "FTP"}, {"ftps", "FTPS (FTP with TLS)"}, {"sftp", "SFTP (SSH)"}}};

QLineEdit* FileField(const char* name, const char* placeholder, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setPlaceholderText(QString::fromLatin1(placeholder));
  field->setMaxLength(static_cast<int>(kMaxDirectoryLength));
  return field;
}

bool IsSwitch(SettingsItem item) {
  return item == SettingsItem::Strobe || item == SettingsItem::SaveSettings;
}

}  // namespace

SettingsDialog::SettingsDialog(Settings& settings, Desktop& desktop, QWidget* parent)
    : QDialog(parent), settings_(settings), desktop_(desktop) {
  setObjectName(QStringLiteral("settingsDialog"));  // TForm3
  setWindowTitle(QString::fromLatin1(kSettingsCaption));
  setModal(true);
  setMinimumWidth(520);

  auto* intro = new QLabel(QString::fromLatin1(kSettingsIntro), this);
  intro->setWordWrap(true);
  QFont introFont = intro->font();
  introFont.setBold(true);
  intro->setFont(introFont);

  // Each text field under its heading, at the dialog's full width so whole paths show; the
  // two switches below them with their headings beside the boxes.
  auto* fieldsLayout = new QVBoxLayout;
  fieldsLayout->setSpacing(2);
  auto* switches = new QGridLayout;
  switches->setHorizontalSpacing(6);
  switches->setColumnStretch(1, 1);
  for (int i = 0; i < kSettingsItemCount; ++i) {
    const auto item = static_cast<SettingsItem>(i);
    const SettingsItemText& text = TextOf(item);
    auto* heading = new ClickLabel(QString::fromLatin1(text.Heading), this);
    heading->setObjectName(QString::fromLatin1(kNames[IndexOf(item)].Heading));
    heading->setCursor(Qt::PointingHandCursor);
    heading->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
    headings_[IndexOf(item)] = heading;
    connect(heading, &ClickLabel::clicked, this, [this, item] {
      explanation_->setText(QString::fromLatin1(TextOf(item).Explanation));
      if (QCheckBox* box = Box(item)) box->toggle();
    });
    if (item == SettingsItem::KeepPreviousExtracts) {
      keep_ = new QSpinBox(this);
      keep_->setObjectName(QString::fromLatin1(kNames[IndexOf(item)].Control));
      keep_->setRange(0, 999);
      const int row = switches->rowCount();
      switches->addWidget(keep_, row, 0);
      switches->addWidget(heading, row, 1);
    } else if (IsSwitch(item)) {
      auto* box = new QCheckBox(this);
      box->setObjectName(QString::fromLatin1(kNames[IndexOf(item)].Control));
      boxes_[IndexOf(item)] = box;
      const int row = switches->rowCount();
      switches->addWidget(box, row, 0);
      switches->addWidget(heading, row, 1);
    } else {
      auto* field = new QLineEdit(this);
      field->setObjectName(QString::fromLatin1(kNames[IndexOf(item)].Control));
      if (text.MaxLength > 0) field->setMaxLength(text.MaxLength);
      if (item == SettingsItem::FtpPassword) field->setEchoMode(QLineEdit::Password);
      fields_[IndexOf(item)] = field;
      fieldsLayout->addWidget(heading);
      fieldsLayout->addWidget(field);
      fieldsLayout->addSpacing(6);
    }
  }

  explanation_ = new QLabel(QString::fromLatin1(kSettingsFirstExplanation), this);
  explanation_->setObjectName(QStringLiteral("ShadSett"));
  explanation_->setWordWrap(true);
  explanation_->setMinimumHeight(explanation_->fontMetrics().lineSpacing() * 3 + 12);
  explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  explanation_->setStyleSheet(
      QStringLiteral("background: rgb(255, 255, 225); color: rgb(0, 0, 128); "
                     "border: 1px solid rgb(160, 160, 160); padding: 4px;"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setCursor(Qt::PointingHandCursor);
  // OK checks before it closes; the button box would accept at once.
  connect(ok_, &QPushButton::clicked, this, &SettingsDialog::Confirm);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 12);
  layout->setSpacing(10);
  layout->addWidget(intro);
  layout->addLayout(fieldsLayout);
  layout->addLayout(SecureTransferChoices());
  layout->addLayout(switches);
  layout->addWidget(explanation_);
  layout->addWidget(buttons);
}

QLayout* SettingsDialog::SecureTransferChoices() {
  protocol_ = new QComboBox(this);
  protocol_->setObjectName(QStringLiteral("CBProtocol"));
  for (const auto& [value, text] : kProtocols) {
    protocol_->addItem(QString::fromLatin1(text), QString::fromLatin1(value));
  }
  clearTextNote_ =
      new QLabel(QStringLiteral("Plain FTP sends the user and the password in clear."), this);
  clearTextNote_->setObjectName(QStringLiteral("LabClearText"));
  clearTextNote_->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
  connect(protocol_, &QComboBox::currentIndexChanged, this,
          [this](int index) { clearTextNote_->setVisible(index == 0); });
  identityFile_ = FileField("EdIdentityFile", "the SSH agent's keys", this);
  knownHostsFile_ = FileField("EdKnownHostsFile", "~/.ssh/known_hosts", this);
  caFile_ = FileField("EdCaFile", "the system's trusted issuers", this);
  auto* choices = new QFormLayout;
  choices->addRow(QStringLiteral("Transfer Protocol:"), protocol_);
  choices->addRow(QString(), clearTextNote_);
  choices->addRow(QStringLiteral("SFTP Identity File:"), identityFile_);
  choices->addRow(QStringLiteral("SFTP Known Hosts File:"), knownHostsFile_);
  choices->addRow(QStringLiteral("FTPS CA File:"), caFile_);
  return choices;
}

QLineEdit* SettingsDialog::Field(SettingsItem item) const { return fields_[IndexOf(item)]; }

QCheckBox* SettingsDialog::Box(SettingsItem item) const { return boxes_[IndexOf(item)]; }

ClickLabel* SettingsDialog::Heading(SettingsItem item) const { return headings_[IndexOf(item)]; }

void SettingsDialog::showEvent(QShowEvent* event) {
  Fill();
  QDialog::showEvent(event);
}

void SettingsDialog::Fill() {
  const SettingsForm form = FormOf(settings_);
  Field(SettingsItem::FtpHost)->setText(ToQString(form.FtpHost));
  Field(SettingsItem::FtpUser)->setText(ToQString(form.FtpUser));
  Field(SettingsItem::FtpPassword)->setText(ToQString(form.FtpPassword));
  ShowDirectories(form);
  Box(SettingsItem::Strobe)->setChecked(form.Strobe);
  Box(SettingsItem::SaveSettings)->setChecked(form.SaveSettings);
  keep_->setValue(form.KeepPreviousExtracts);
  const int protocol = protocol_->findData(ToQString(settings_.TransferProtocol));
  protocol_->setCurrentIndex(protocol < 0 ? 0 : protocol);
  clearTextNote_->setVisible(protocol_->currentIndex() == 0);
  identityFile_->setText(ToQString(settings_.IdentityFile));
  knownHostsFile_->setText(ToQString(settings_.KnownHostsFile));
  caFile_->setText(ToQString(settings_.CaFile));
}

void SettingsDialog::ShowDirectories(const SettingsForm& form) {
  Field(SettingsItem::FtpFromDir)->setText(ToQString(form.FtpFromDir));
  Field(SettingsItem::FtpToDir)->setText(ToQString(form.FtpToDir));
  Field(SettingsItem::Logs)->setText(ToQString(form.Logs));
  Field(SettingsItem::Saves)->setText(ToQString(form.Saves));
}

SettingsForm SettingsDialog::Read() const {
  SettingsForm form;
  form.FtpHost = ToBytes(Field(SettingsItem::FtpHost)->text());
  form.FtpUser = ToBytes(Field(SettingsItem::FtpUser)->text());
  form.FtpPassword = ToBytes(Field(SettingsItem::FtpPassword)->text());
  form.FtpFromDir = ToBytes(Field(SettingsItem::FtpFromDir)->text());
  form.FtpToDir = ToBytes(Field(SettingsItem::FtpToDir)->text());
  form.Logs = ToBytes(Field(SettingsItem::Logs)->text());
  form.Saves = ToBytes(Field(SettingsItem::Saves)->text());
  form.Strobe = Box(SettingsItem::Strobe)->isChecked();
  form.SaveSettings = Box(SettingsItem::SaveSettings)->isChecked();
  form.KeepPreviousExtracts = keep_->value();
  return form;
}

void SettingsDialog::Confirm() {
  SettingsForm form = Read();
  CompleteDirectoryTexts(form);
  ShowDirectories(form);
  if (const auto missing = FirstMissingDirectory(form)) {
    desktop_.Inform(this, QString::fromLatin1(missing->Message));
    Field(missing->Field)->setFocus();
    return;
  }
  ApplyForm(form, settings_);
  settings_.TransferProtocol = ToBytes(protocol_->currentData().toString());
  settings_.IdentityFile = ToBytes(identityFile_->text());
  settings_.KnownHostsFile = ToBytes(knownHostsFile_->text());
  settings_.CaFile = ToBytes(caFile_->text());
  accept();
}

}  // namespace vdbq::gui
