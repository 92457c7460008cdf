#include "gui/check/findings_page.h"

#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "gui/catalogue/catalogue_tree.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/widgets/click_label.h"
#include "gui/widgets/colour_memo.h"
#include "gui/window/main_menu.h"
#include "support/test_helpers.h"
#include "window_fixture.h"

namespace vdbq::gui::testing {
namespace {

// One error (a job line naming an undefined job) and one warning (an unscheduled job).
const Extracts kFaulty{
    {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
    {"Schedules.Xtract", "SCHEDULE CPU1#DAILY\nON REQUEST\n:\n CPU1#J1\n CPU1#GONE\nEND\n"},
    {"Jobs.Xtract", "CPU1#J1 DOCOMMAND \"a\"\nCPU1#SPARE DOCOMMAND \"b\"\n"}};

QTreeWidgetItem* Group(FindingsPage* page, const QString& rule) {
  for (int i = 0; i < page->Tree()->topLevelItemCount(); ++i) {
    QTreeWidgetItem* group = page->Tree()->topLevelItem(i);
    if (group->text(1) == rule) return group;
  }
  return nullptr;
}

}  // namespace

class FindingsPageTest : public QObject {
  Q_OBJECT
 private slots:
  void theStatusBarCountsAfterTheLoadAndOpensThePage() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    QVERIFY(window.CheckTotals()->isVisible());
    QCOMPARE(window.CheckTotals()->text(), QStringLiteral("1 error, 1 warning"));
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    Click(window.CheckTotals());
    QCOMPARE(window.CurrentPage(), static_cast<QWidget*>(window.Findings()));

    FindingsPage* page = window.Findings();
    QCOMPARE(page->Tree()->topLevelItemCount(), 2);
    QTreeWidgetItem* undefined = Group(page, QStringLiteral("undefined-job"));
    QVERIFY(undefined != nullptr);
    QCOMPARE(undefined->text(0), QStringLiteral("Undefined job (1)"));
    QCOMPARE(undefined->child(0)->text(1), QStringLiteral("Schedules.Xtract:5"));
    QVERIFY(Group(page, QStringLiteral("unscheduled-job")) != nullptr);
  }

  void doubleClickOpensTheScheduleAtItsLine() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    window.ShowFindingsPage();
    QTreeWidgetItem* item = Group(window.Findings(), QStringLiteral("undefined-job"))->child(0);
    emit window.Findings()->Tree()->itemDoubleClicked(item, 0);
    QCOMPARE(window.CurrentPage(), static_cast<QWidget*>(window.SchedulePage()));
    QCOMPARE(window.SchedulePage()->Memo()->textCursor().selectedText(),
             QStringLiteral(" CPU1#GONE"));
  }

  void theMenusRunTheCheckAndTheExportWritesCsv() {
    WindowFixture fixture(kFaulty);
    MainWindow& window = fixture.Start();
    window.Menu()->CheckDatabase->trigger();
    QCOMPARE(window.CurrentPage(), static_cast<QWidget*>(window.Findings()));
    window.ShowTitlePage();
    // The tree's menu offers the check on a heading, not on an object.
    QVERIFY(fixture.Select({"Jobs", "CPU1", "J1"}));
    auto hasCheck = [&] {
      for (QAction* action : window.Tree()->PopupMenu()->actions()) {
        if (action->text() == QStringLiteral("Check Database")) return action->isVisible();
      }
      return false;
    };
    QVERIFY(!hasCheck());
    QVERIFY(fixture.Select({"Jobs"}));
    QVERIFY(hasCheck());

    const QString csv = QString::fromStdString(fixture.ProgramDir()) + "findings.csv";
    fixture.Desktop.SaveNames.push_back(csv);
    window.Findings()->ExportButton()->click();
    const std::string text = vdbq::testing::ReadFile(csv.toStdString());
    QVERIFY(text.starts_with("Severity,Rule,Kind,Key,File,Line,Message\r\n"));
    QVERIFY(text.find("error,undefined-job,schedule,CPU1#DAILY,Schedules.Xtract,5,") !=
            std::string::npos);
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::FindingsPageTest)
#include "findings_page_test.moc"
