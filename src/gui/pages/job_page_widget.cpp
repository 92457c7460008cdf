#include "gui/pages/job_page_widget.h"

#include <QGridLayout>

#include "gui/pages/page_header.h"
#include "gui/resources/pictures.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

ClickLabel* CopyableValue(QWidget* parent, const QString& objectName) {
  auto* label = new ClickLabel(QString(), parent);
  label->setObjectName(objectName);
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
  label->setCursor(Qt::PointingHandCursor);
  label->setToolTip(QStringLiteral("Click To Copy To ClipBoard"));
  label->setWordWrap(true);
  LeaveWidthFree(label);
  return label;
}

}  // namespace

JobPageWidget::JobPageWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabJob"));
  auto* header = new PageHeader(PageCategory::Jobs, this);
  job_ = header->Title();
  job_->setObjectName(QStringLiteral("LabJobJob"));
  cpu_ = header->Subtitle();
  cpu_->setObjectName(QStringLiteral("LabJobCpu"));
  osPicture_ = new QLabel(this);
  osPicture_->setObjectName(QStringLiteral("ImageJobType"));
  header->AddRight(osPicture_);
  impact_ = header->AddImpactButton();

  name2_ = CopyableValue(this, QStringLiteral("LabJobName2"));
  cmdType_ = FieldValue(this, QStringLiteral("LabJobCmdType"));
  cmd_ = CopyableValue(this, QStringLiteral("LabJobCmd"));
  platform_ = FieldValue(this, QStringLiteral("LabJobPlatform"));
  logon_ = FieldValue(this, QStringLiteral("LabJobLogon"));
  desc_ = CopyableValue(this, QStringLiteral("LabJobDesc"));
  recovery_ = FieldValue(this, QStringLiteral("LabJobRecovery"));
  interactive_ = new QLabel(this);
  interactive_->setObjectName(QStringLiteral("ImageJobInteractive"));

  auto* form = new QGridLayout;
  form->setContentsMargins(16, 12, 16, 12);
  form->setHorizontalSpacing(12);
  form->setVerticalSpacing(8);
  const std::pair<const char*, QWidget*> rows[] = {
      {"Job Name", name2_},        {"Command Type", cmdType_},    {"Command", cmd_},
      {"Run Platform", platform_}, {"Logon ID", logon_},          {"Description", desc_},
      {"Recovery", recovery_},     {"Interactive", interactive_},
  };
  int row = 0;
  for (const auto& [caption, value] : rows) {
    form->addWidget(FieldCaption(QString::fromLatin1(caption), this), row, 0);
    form->addWidget(value, row, 1);
    ++row;
  }
  form->setColumnStretch(1, 1);
  form->setRowStretch(row, 1);

  StackUnderHeader(this, header, form);

  connect(name2_, &ClickLabel::clicked, this, [this] { emit copyRequested(page_.JobName); });
  connect(cmd_, &ClickLabel::clicked, this, [this] { emit copyRequested(page_.Command); });
  connect(desc_, &ClickLabel::clicked, this, [this] { emit copyRequested(page_.Description); });
  Render();
}

void JobPageWidget::Show(const ExtractStore& store, const Catalogue& catalogue,
                         const std::string& cpu, const std::string& name) {
  ShowJob(store, catalogue, cpu, name, page_);
  Render();
}

void JobPageWidget::Render() {
  job_->setText(ToQString(page_.Job));
  cpu_->setText(ToQString(page_.Workstation));
  osPicture_->setPixmap(PagePicture(page_.OperatingSystem));
  name2_->setText(ToQString(page_.JobName));
  cmdType_->setText(ToQString(page_.CommandType));
  cmd_->setText(ToQString(page_.Command));
  platform_->setText(ToQString(page_.RunPlatform));
  logon_->setText(ToQString(page_.Logon));
  desc_->setText(ToQString(page_.Description));
  recovery_->setText(ToQString(page_.Recovery));
  interactive_->setPixmap(PagePicture(page_.Interactive));
}

}  // namespace vdbq::gui
