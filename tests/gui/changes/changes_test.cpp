// The Changes page in the window: what it compares, how it shows the core's diff, its export,
// and the objects it opens.
#include <QTextBlock>

#include "gui/changes/changes_commands.h"
#include "gui/changes/changes_page.h"
#include "gui/widgets/colour_memo.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

void ReplaceInFile(const QString& path, const QByteArray& from, const QByteArray& to) {
  QByteArray bytes = FileBytes(path);
  QVERIFY(bytes.contains(from));
  QVERIFY(WriteBytes(path, bytes.replace(from, to)));
}

// The sample database kept as the previous set, and in use with a parameter's value changed
// and a resource added; the window compares the two.
ChangesPage* ComparedWithPrevious(WindowFixture& fixture) {
  const QString db = QString::fromStdString(fixture.DatabaseDir());
  ReplaceInFile(db + "Parms.Xtract", "\"/data/finance\"", "\"/data/finance2\"");
  ReplaceInFile(db + "Resources.Xtract", "$RESOURCE\n",
                "$RESOURCE\nHFMASTER#NEWRES\t   2\t\"New\"\n");
  CopyDirectory(SampleDatabaseDir(), db + "History/20260101-000000");
  MainWindow& window = fixture.Start();
  window.Comparing()->CompareWithPrevious->trigger();
  return window.Comparing()->Page();
}

QTreeWidgetItem* Item(ChangesPage* page, const char* key) {
  return page->Tree()->findItems(key, Qt::MatchExactly | Qt::MatchRecursive).value(0);
}

}  // namespace

class ChangesTest : public QObject {
  Q_OBJECT
 private slots:
  // Without a previous set, or with a folder that holds none, a message says so.
  void nothingToCompareWithIsReported() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(!window.Comparing()->ComparePrevious());
    QVERIFY(!window.Comparing()->CompareWith(fixture.ProgramDir() + "nowhere/"));
    QCOMPARE(fixture.Messages.size(), size_t{2});
    QCOMPARE(window.StatusText(), fixture.Messages.back());
    QVERIFY(window.Comparing()->CompareWith(fixture.DatabaseDir()));
    QCOMPARE(window.StatusText(), QStringLiteral("No Objects Changed."));
  }

  void theChangesShowOnTheirOwnPageByKindAndChange() {
    WindowFixture fixture;
    ChangesPage* page = ComparedWithPrevious(fixture);
    MainWindow& window = fixture.Window();
    QCOMPARE(window.CurrentPage(), page);
    QCOMPARE(PageName(window), QStringLiteral("changesPage"));
    QCOMPARE(window.Navigation().Current(), PageCategory::Changes);
    QCOMPARE(window.StatusText(), QStringLiteral("2 Objects Changed."));
    QCOMPARE(page->Tree()->topLevelItem(0)->text(0), QStringLiteral("Workstations (0)"));
    QTreeWidgetItem* changed = Item(page, "FINDATA");
    QTreeWidgetItem* added = Item(page, "HFMASTER#NEWRES");
    QVERIFY(changed && added);
    QVERIFY(changed->parent()->text(0).startsWith("Parameters ("));
    QCOMPARE(changed->text(1), QStringLiteral("changed"));
    QCOMPARE(added->text(1), QStringLiteral("added"));
    QVERIFY(changed->foreground(0).color() != added->foreground(0).color());
  }

  void aChangedObjectShowsItsLinesInTheirColours() {
    WindowFixture fixture;
    ChangesPage* page = ComparedWithPrevious(fixture);
    page->Tree()->setCurrentItem(Item(page, "FINDATA"));
    ColourMemo* view = page->DiffView();
    QCOMPARE(view->toPlainText(),
             QStringLiteral("- FINDATA \"/data/finance\"\n+ FINDATA \"/data/finance2\""));
    const int secondLine = view->document()->findBlockByNumber(1).position();
    QVERIFY(view->ColourAt(2) != view->ColourAt(secondLine + 2));
  }

  void theExportListsEveryChange() {
    WindowFixture fixture;
    ChangesPage* page = ComparedWithPrevious(fixture);
    const QString csv = QString::fromStdString(fixture.DatabaseDir()) + "changes.csv";
    fixture.Desktop.SaveNames.push_back(csv);
    QTest::mouseClick(page->ExportButton(), Qt::LeftButton);
    QCOMPARE(FileBytes(csv), QByteArray("Kind,Key,Change\r\nParameters,FINDATA,changed\r\n"
                                        "Resources,HFMASTER#NEWRES,added\r\n"));
  }

  void anObjectOfTheCurrentDatabaseOpensOnItsPage() {
    WindowFixture fixture;
    ChangesPage* page = ComparedWithPrevious(fixture);
    MainWindow& window = fixture.Window();
    emit page->Tree()->itemDoubleClicked(Item(page, "HFMASTER#NEWRES"), 0);
    QCOMPARE(PageName(window), QStringLiteral("TabRes"));
    QCOMPARE(LabelText(window.CurrentPage(), "LabResName"), QStringLiteral("NEWRES"));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::ChangesTest)
#include "changes_test.moc"
