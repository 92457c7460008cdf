#include "gui/pages/install_page.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/colouring/rule_sets.h"
#include "gui/pages/install_script.h"

namespace vdbq::gui {
namespace {

// Texts of the memos CM2 to CM10, in page order; CM4 is the script.
const std::vector<std::string> kIntro{
    "The program needs no installation: copy it to a directory of its own, for example "
    "C:\\Program Files\\VarnoltDBQ, and start it. On its first run it creates its "
    "sub-directories beside itself: DBase for the extracts, Logs for the daily audit log and "
    "Saves for exported reports.",
};
const std::vector<std::string> kScriptStep{
    "Step #1 - on the Master Domain Manager, as the scheduler user varnolt, save the script "
    "below as /scheduler/varnolt/scripts/Varnolt_DBXtract.sh and make it executable "
    "(chmod 750). It has composer write the seven extract files into "
    "/scheduler/varnolt/DBXtract.",
    "Click the script to copy it to the clipboard.",
};
const std::vector<std::string> kTestScript{
    "Step #1 - run Varnolt_DBXtract.sh by hand as varnolt and list "
    "/scheduler/varnolt/DBXtract: the seven .Xtract files must be there.",
};
const std::vector<std::string> kJob{
    "$JOBS",
    "MASTER#VARNOLT_DBXTRACT",
    " SCRIPTNAME \"/scheduler/varnolt/scripts/Varnolt_DBXtract.sh\"",
    " STREAMLOGON varnolt",
    " DESCRIPTION \"Database extract for the query utility\"",
    " RECOVERY STOP",
};
const std::vector<std::string> kTestJob{
    "Step #1 - add the job VARNOLT_DBXTRACT with composer, submit it once and check that it "
    "ends SUCC and that the files in /scheduler/varnolt/DBXtract carry the time of the run.",
};
const std::vector<std::string> kSchedule{
    "Step #1 - schedule the job every evening on the workstation of the master domain:",
    "",
    "SCHEDULE MASTER#DBQ_EXTRACT",
    "ON REQUEST",
    "ON EVERYDAY",
    "AT 1800",
    ":",
    "MASTER#VARNOLT_DBXTRACT",
    "END",
};
const std::vector<std::string> kTestSchedule{
    "Step #1 - add DBQ_EXTRACT with composer. The next day, check that it ran at 1800 and that "
    "the extract files are fresh.",
};
const std::vector<std::string> kFtp{
    "* Open View - Settings... and enter the host name of the master, the user varnolt, its "
    "password and the extract directory /scheduler/varnolt/DBXtract.",
    "* Then choose File - Run FTP Batch Update.",
    "",
    "After the transfer the database directory holds the seven files:",
    "",
    // Three names a line, so the listing keeps its columns at the page's default width.
    "  Calendars.Xtract   Cpus.Xtract        Jobs.Xtract",
    "  Parms.Xtract       Prompts.Xtract     Resources.Xtract",
    "  Schedules.Xtract",
    "",
    "< Install.Doc >",
};

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont f = label->font();
  f.setPointSizeF(f.pointSizeF() * 1.3);
  f.setBold(true);
  label->setFont(f);
  label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128); padding-top: 10px;"));
  label->setWordWrap(true);
  return label;
}

ColourMemo* Memo(const char* name, const std::vector<std::string>& lines,
                 const std::vector<ColourRule>& rules, bool fixedPitch, bool boldKeywords,
                 QWidget* parent) {
  auto* memo = new ColourMemo(parent);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setFrameShape(QFrame::NoFrame);
  if (fixedPitch) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    memo->setFont(font);
    memo->setFrameShape(QFrame::StyledPanel);
  } else {
    memo->setLineWrapMode(QTextEdit::WidgetWidth);
  }
  memo->SetFitHeight(true);
  memo->SetBoldKeywords(boldKeywords);
  memo->SetRules(rules);
  memo->SetLines(lines);
  return memo;
}

}  // namespace

InstallPage::InstallPage(QWidget* parent) : QScrollArea(parent) {
  setObjectName(QStringLiteral("TabInstall"));
  setWidgetResizable(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* content = new QWidget(this);
  content->setAutoFillBackground(true);
  QPalette pal = content->palette();
  pal.setColor(QPalette::Window, Qt::white);
  content->setPalette(pal);

  const std::vector<ColourRule> rules = InstallationPageRules();
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(18, 8, 18, 18);
  layout->setSpacing(4);
  const auto add = [&](const char* name, const std::vector<std::string>& lines,
                       const std::vector<ColourRule>& memoRules, bool fixedPitch, bool bold) {
    ColourMemo* memo = Memo(name, lines, memoRules, fixedPitch, bold, content);
    layout->addWidget(memo);
    return memo;
  };
  layout->addWidget(Heading(QStringLiteral("Installation Instructions"), content));
  add("CM2", kIntro, rules, false, true);
  layout->addWidget(Heading(QStringLiteral("Create Varnolt Extract Script"), content));
  add("CM3", kScriptStep, rules, false, true);
  script_ = add("CM4", ExtractScriptLines(), rules, true, false);
  script_->setToolTip(QStringLiteral("Copy Script To Clipboard"));
  script_->viewport()->setCursor(Qt::PointingHandCursor);
  connect(script_, &ColourMemo::clicked, this, &InstallPage::scriptCopyRequested);
  layout->addWidget(Heading(QStringLiteral("Test It !"), content));
  add("CM5", kTestScript, rules, false, true);
  layout->addWidget(Heading(QStringLiteral("Create A Varnolt Job To Run Your Script"), content));
  add("CM6", kJob, rules, true, false);
  layout->addWidget(Heading(QStringLiteral("Test It !"), content));
  add("CM7", kTestJob, rules, false, true);
  layout->addWidget(
      Heading(QStringLiteral("Create A Schedule To Automate The Above Job"), content));
  add("CM8", kSchedule, rules, false, true);
  layout->addWidget(Heading(QStringLiteral("Test It !"), content));
  add("CM9", kTestSchedule, rules, false, true);
  layout->addWidget(Heading(QStringLiteral("Setup FTP Details Within VarnoltDBQ"), content));
  add("CM10", kFtp, InstallationLastMemoRules(), false, true);
  layout->addStretch(1);
  setWidget(content);
}

}  // namespace vdbq::gui
