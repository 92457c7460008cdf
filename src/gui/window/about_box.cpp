#include "gui/window/about_box.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/pages/title_page.h"
#include "gui/resources/pictures.h"
#include "gui/widgets/click_label.h"
#include "gui/window/system_info.h"

#ifndef VARNOLTDBQ_VERSION
#define VARNOLTDBQ_VERSION "0.0.0"
#endif

namespace vdbq::gui {
namespace {

QLabel* Light(const QString& text, QWidget* parent, bool bold = false) {
  auto* label = new QLabel(text, parent);
  QFont f = label->font();
  f.setBold(bold);
  label->setFont(f);
  label->setStyleSheet(QStringLiteral("color: white;"));
  return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutBox"));  // TForm2
  setWindowTitle(QStringLiteral("About VarnoltDBQ"));
  setModal(true);
  setFixedSize(420, 300);

  auto* logo = new QLabel(this);
  logo->setPixmap(BuiltInLogo());
  auto* name = Light(QStringLiteral("Varnolt Database Query Utility"), this, true);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.2);
  name->setFont(big);
  auto* version = Light(QStringLiteral("Version %1").arg(QLatin1String(VARNOLTDBQ_VERSION)), this);
  version->setObjectName(QStringLiteral("LabVersion"));

  os_ = Light(QString(), this, true);
  os_->setObjectName(QStringLiteral("LabOs"));
  load_ = Light(QString(), this, true);
  physical_ = Light(QString(), this, true);
  free_ = Light(QString(), this, true);
  auto* figures = new QGridLayout;
  figures->setHorizontalSpacing(12);
  figures->addWidget(Light(QStringLiteral("Operating System :"), this), 0, 0);
  figures->addWidget(os_, 0, 1);
  figures->addWidget(Light(QStringLiteral("Resources Used :"), this), 1, 0);
  figures->addWidget(load_, 1, 1);
  figures->addWidget(Light(QStringLiteral("Physical Memory :"), this), 2, 0);
  figures->addWidget(physical_, 2, 1);
  figures->addWidget(Light(QStringLiteral("Memory Free :"), this), 3, 0);
  figures->addWidget(free_, 3, 1);
  figures->setColumnStretch(2, 1);

  auto* web = new ClickLabel(QString::fromLatin1(kWebAddress), this);
  web->setStyleSheet(QStringLiteral("color: rgb(255, 200, 90); text-decoration: underline;"));
  web->setCursor(Qt::PointingHandCursor);
  connect(web, &ClickLabel::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress))); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 14);
  layout->addWidget(logo);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addSpacing(10);
  layout->addLayout(figures);
  layout->addStretch(1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(web);
  bottom->addStretch(1);
  bottom->addWidget(buttons);
  layout->addLayout(bottom);
  Refresh();
}

void AboutBox::Refresh() {
  os_->setText(OperatingSystemText());
  const auto memory = ReadMemoryFigures();
  const QString unknown = QStringLiteral("-");
  load_->setText(memory ? QStringLiteral("%1%").arg(memory->LoadPercent) : unknown);
  physical_->setText(memory ? QStringLiteral("%1 KB").arg(QLocale().toString(memory->PhysicalKb))
                            : unknown);
  free_->setText(memory ? QStringLiteral("%1 KB").arg(QLocale().toString(memory->FreeKb))
                        : unknown);
}

void AboutBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(rect(), BackgroundPicture(Background::About));
}

}  // namespace vdbq::gui
