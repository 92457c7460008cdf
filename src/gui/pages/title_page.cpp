#include "gui/pages/title_page.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/widgets/click_label.h"

namespace vdbq::gui {
namespace {

constexpr const char* kFeatures[] = {
    "Every object of the database in one catalogue",
    "Objects of undefined workstations set apart",
    "Schedule definitions with coloured keywords",
    "Twenty-four fixed reports",
    "Job sequences and dependency paths of schedules",
    "Results to CSV, HTML, printer and browser",
    "A daily audit log of every report run",
};

QLabel* Text(const QString& text, QWidget* parent, int sizePercent = 100, bool bold = false,
             const QColor& colour = QColor(40, 40, 50)) {
  auto* label = new QLabel(text, parent);
  QFont f = label->font();
  f.setPointSizeF(f.pointSizeF() * sizePercent / 100.0);
  f.setBold(bold);
  label->setFont(f);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  label->setWordWrap(true);
  return label;
}

ClickLabel* Link(const QString& text, QWidget* parent) {
  auto* link = new ClickLabel(text, parent);
  QFont f = link->font();
  f.setUnderline(true);
  f.setBold(true);
  link->setFont(f);
  QPalette pal = link->palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 200));
  link->setPalette(pal);
  link->setCursor(Qt::PointingHandCursor);
  link->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return link;
}

}  // namespace

TitlePage::TitlePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabTotals"));
  const QColor navy(0, 0, 128);
  auto* name = Text(QStringLiteral("VarnoltDBQ"), this, 260, true, navy);
  auto* subtitle =
      Text(QStringLiteral("Database Query Utility"), this, 150, true, QColor(200, 110, 20));
  auto* platforms =
      Text(QStringLiteral("UNIX   WINT   MPIX   MPEV   SAP"), this, 100, true, QColor(90, 90, 110));
  auto* addOn =
      Text(QStringLiteral("A stand-alone add-on for the Varnolt workload scheduler"), this);
  auto* compatible =
      Text(QStringLiteral("Compatible with Varnolt versions 6.x, 7.x and 8.x"), this, 100, true);

  auto* features = new QVBoxLayout;
  features->setSpacing(2);
  for (const char* feature : kFeatures) {
    features->addWidget(Text(QStringLiteral("\u2022  ") + QString::fromLatin1(feature), this));
  }

  // The totals of the loaded database.
  auto* totals = new QWidget(this);
  totals->setObjectName(QStringLiteral("PanelTotals"));
  totals->setStyleSheet(QStringLiteral(
      "#PanelTotals { background: rgba(255,255,255,170); border: 1px solid rgb(170,176,190);"
      " border-radius: 6px; }"));
  auto* grid = new QGridLayout(totals);
  grid->setContentsMargins(12, 8, 12, 8);
  grid->setVerticalSpacing(2);
  grid->addWidget(Text(QStringLiteral("Database Totals"), totals, 100, true, navy), 0, 0, 1, 2);
  int row = 1;
  const auto total = [&](const char* caption, const char* objectName) {
    QLabel* value = Text(QStringLiteral("0"), totals, 100, true, navy);
    value->setObjectName(QString::fromLatin1(objectName));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setWordWrap(false);
    grid->addWidget(Text(QString::fromLatin1(caption), totals), row, 0);
    grid->addWidget(value, row, 1);
    ++row;
    return value;
  };
  totCpu_ = total("Workstations", "LabTotCpu");
  totSch_ = total("Schedules", "LabTotSch");
  totJob_ = total("Jobs", "LabTotJob");
  totCal_ = total("Calendars", "LabTotCal");
  totPar_ = total("Parameters", "LabTotPar");
  totPro_ = total("Prompts", "LabTotPro");
  totRes_ = total("Resources", "LabTotRes");

  auto* begin =
      Text(QStringLiteral("To begin, you will need to configure your FTP connection to your "
                          "Varnolt Master Domain, as well as set up the necessary extract job - "
                          "for the necessary steps, please see:"),
           this);
  ClickLabel* installation = Link(QStringLiteral("Installation Instructions"), this);
  installation->setObjectName(QStringLiteral("LabInstallLink"));
  connect(installation, &ClickLabel::clicked, this, &TitlePage::installationRequested);
  ClickLabel* web = Link(QString::fromLatin1(kWebAddress), this);
  web->setObjectName(QStringLiteral("LabWeb"));
  connect(web, &ClickLabel::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebAddress))); });

  auto* top = new QHBoxLayout;
  auto* heading = new QVBoxLayout;
  heading->setSpacing(0);
  heading->addWidget(name);
  heading->addWidget(subtitle);
  heading->addSpacing(6);
  heading->addWidget(platforms);
  top->addLayout(heading, 1);
  top->addWidget(totals, 0, Qt::AlignTop);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->setSpacing(6);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addWidget(addOn);
  layout->addWidget(compatible);
  layout->addSpacing(8);
  layout->addLayout(features);
  layout->addSpacing(10);
  layout->addWidget(begin);
  layout->addWidget(installation);
  layout->addStretch(1);
  layout->addWidget(web, 0, Qt::AlignRight);
}

void TitlePage::SetTotals(const CatalogueTotals& totals) {
  totSch_->setText(QString::number(totals.ScheduleBlockCount));
  totJob_->setText(QString::number(totals.JobTotal));
  totCpu_->setText(QString::number(totals.CpuTotal));
  totCal_->setText(QString::number(totals.CalendarTotal));
  totRes_->setText(QString::number(totals.ResourceTotal));
  totPar_->setText(QString::number(totals.ParameterTotal));
  totPro_->setText(QString::number(totals.PromptTotal));
}

void TitlePage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(250, 251, 253));
  g.setColorAt(1, QColor(222, 228, 238));
  p.fillRect(rect(), g);
}

}  // namespace vdbq::gui
