#include "gui/pages/workstation_page_widget.h"

#include <QGridLayout>

#include "gui/pages/page_header.h"
#include "gui/resources/pictures.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

WorkstationPageWidget::WorkstationPageWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabCpu"));
  auto* header = new PageHeader(PageCategory::Workstations, this);
  name_ = header->Title();
  name_->setObjectName(QStringLiteral("LabCpuName"));
  header->Subtitle()->setText(QStringLiteral("Workstation"));
  osPicture_ = new QLabel(this);
  osPicture_->setObjectName(QStringLiteral("ImageCpu"));
  header->AddRight(osPicture_);

  auto* form = new QGridLayout;
  form->setContentsMargins(16, 12, 16, 12);
  form->setHorizontalSpacing(12);
  form->setVerticalSpacing(6);
  int row = 0;
  const auto addText = [&](const char* caption, const char* objectName) {
    QLabel* value = FieldValue(this, QString::fromLatin1(objectName));
    form->addWidget(FieldCaption(QString::fromLatin1(caption), this), row, 0);
    form->addWidget(value, row, 1);
    ++row;
    return value;
  };
  const auto addFlag = [&](const char* caption, const char* objectName) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QString::fromLatin1(objectName));
    form->addWidget(FieldCaption(QString::fromLatin1(caption), this), row, 0);
    form->addWidget(picture, row, 1);
    ++row;
    return picture;
  };
  desc_ = addText("Description ", "LabCpuDesc");
  node_ = addText("As Node ", "LabCpuAsNode");
  tcp_ = addText("TCP Comms Port ", "LabCpuTcp");
  timezone_ = addText("Timezone ", "LabCpuTz");
  domain_ = addText("Domain ", "LabCpuDomain");
  forUser_ = addText("For User ", "LabCpuForUser");
  type_ = addText("Type ", "LabCpuType");
  host_ = addText("Host ", "LabCpuHost");
  access_ = addText("Access ", "LabCpuAccess");
  autoLink_ = addFlag("Auto Link ", "ImageCpuAutoLink");
  fullStatus_ = addFlag("Full Status ", "ImageCpuFullStatus");
  resolveDep_ = addFlag("Resolve Dependencies ", "ImageCpuResDep");
  ignore_ = addFlag("Ignore ", "ImageCpuIgnore");
  behindFirewall_ = addFlag("Behind Firewall ", "ImageCpuBFire");
  server_ = addText("Server ", "LabCpuServer");
  form->setColumnStretch(1, 1);
  form->setRowStretch(row, 1);

  StackUnderHeader(this, header, form);
  Render();
}

void WorkstationPageWidget::Show(const ExtractStore& store, const Catalogue& catalogue,
                                 const std::string& name) {
  ShowWorkstation(store, catalogue, name, page_);
  Render();
}

void WorkstationPageWidget::Render() {
  name_->setText(ToQString(page_.Name));
  osPicture_->setPixmap(PagePicture(page_.OperatingSystem));
  desc_->setText(ToQString(page_.Description));
  node_->setText(ToQString(page_.Node));
  tcp_->setText(ToQString(page_.TcpPort));
  timezone_->setText(ToQString(page_.TimeZone));
  domain_->setText(ToQString(page_.Domain));
  forUser_->setText(ToQString(page_.ForUser));
  type_->setText(ToQString(page_.Type));
  host_->setText(ToQString(page_.Host));
  access_->setText(ToQString(page_.Access));
  server_->setText(ToQString(page_.Server));
  autoLink_->setPixmap(PagePicture(page_.AutoLink));
  fullStatus_->setPixmap(PagePicture(page_.FullStatus));
  resolveDep_->setPixmap(PagePicture(page_.ResolveDependencies));
  ignore_->setPixmap(PagePicture(page_.Ignore));
  behindFirewall_->setPixmap(PagePicture(page_.BehindFirewall));
}

}  // namespace vdbq::gui
