#include "gui/changes/changes_page.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBlock>

#include "gui/changes/changes_commands.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

void ReplaceInFile(const QString& path, const QByteArray& from, const QByteArray& to) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QByteArray bytes = file.readAll();
  file.close();
  QVERIFY(bytes.contains(from));
  bytes.replace(from, to);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

QTreeWidgetItem* Child(QTreeWidget* tree, const QString& heading, const QString& key) {
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    QTreeWidgetItem* top = tree->topLevelItem(i);
    if (!top->text(0).startsWith(heading + " (")) continue;
    for (int k = 0; k < top->childCount(); ++k) {
      if (top->child(k)->text(0) == key) return top->child(k);
    }
  }
  return nullptr;
}

}  // namespace

// The sample database kept as the previous set, and in use with a parameter's value changed and
// a resource added.
class ChangesPageTest : public QObject {
  Q_OBJECT
 private slots:
  void comparesWithThePreviousSetAndOpensExport() {
    WindowFixture fixture;
    const QString db = QString::fromStdString(fixture.DatabaseDir());
    CopyDirectory(SampleDatabaseDir(), db + "History/20260101-000000");
    ReplaceInFile(db + "Parms.Xtract", "\"/data/finance\"", "\"/data/finance2\"");
    ReplaceInFile(db + "Resources.Xtract", "$RESOURCE\n",
                  "$RESOURCE\nHFMASTER#NEWRES\t   2\t\"New\"\n");
    MainWindow& window = fixture.Start();

    window.Comparing()->CompareWithPrevious->trigger();
    ChangesPage* page = window.Changes();
    QCOMPARE(window.CurrentPage(), page);
    QCOMPARE(window.StatusText(), QStringLiteral("2 Objects Changed."));
    QTreeWidget* tree = page->Tree();
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Workstations (0)"));
    QTreeWidgetItem* changed = Child(tree, "Parameters", "FINDATA");
    QTreeWidgetItem* added = Child(tree, "Resources", "HFMASTER#NEWRES");
    QVERIFY(changed && added);
    QCOMPARE(changed->text(1), QStringLiteral("changed"));
    QCOMPARE(added->text(1), QStringLiteral("added"));
    QVERIFY(changed->foreground(0).color() != added->foreground(0).color());

    tree->setCurrentItem(changed);
    ColourMemo* view = page->DiffView();
    QCOMPARE(view->toPlainText(),
             QStringLiteral("- FINDATA \"/data/finance\"\n+ FINDATA \"/data/finance2\""));
    const int secondLine = view->document()->findBlockByNumber(1).position();
    QVERIFY(view->ColourAt(2) != view->ColourAt(secondLine + 2));

    // The export lists every change; the added object opens on its page.
    const QString csv = QDir(db).filePath("changes.csv");
    fixture.Desktop.SaveNames.push_back(csv);
    QTest::mouseClick(page->ExportButton(), Qt::LeftButton);
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), QByteArray("Kind,Key,Change\r\nParameters,FINDATA,changed\r\n"
                                            "Resources,HFMASTER#NEWRES,added\r\n"));
    emit tree->itemDoubleClicked(added, 0);
    QCOMPARE(window.CurrentPage()->objectName(), QStringLiteral("TabRes"));
    QCOMPARE(window.CurrentPage()->findChild<QLabel*>("LabResName")->text(),
             QStringLiteral("NEWRES"));
  }

  void equalFolderAndMissingHistory() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(!window.Comparing()->ComparePrevious());
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(window.Comparing()->CompareWith(SampleDatabaseDir().toStdString() + "/"));
    QCOMPARE(window.StatusText(), QStringLiteral("No Objects Changed."));
    QVERIFY(!window.Comparing()->CompareWith(fixture.ProgramDir() + "nowhere/"));
    QCOMPARE(fixture.Messages.size(), size_t{2});
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::ChangesPageTest)
#include "changes_page_test.moc"
