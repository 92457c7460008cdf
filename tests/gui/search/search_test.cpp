// The search on the desktop: Quick Find as the user types, its cancelling of older searches
// and the page a hit opens; the hit list page with its options, its model and its export.
#include <QAbstractItemModelTester>
#include <atomic>
#include <future>

#include "core/search/text_matcher.h"
#include "gui/search/background_search.h"
#include "gui/search/quick_find_box.h"
#include "gui/search/search_commands.h"
#include "gui/search/search_hits_page.h"
#include "gui/widgets/colour_memo.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

// LOADTAPE is a job's key, a job line of DAILY and part of its own definition line.
const Extracts kDatabase{
    {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
    {"Schedules.Xtract", "SCHEDULE CPU1#DAILY\nON REQUEST\n:\n CPU1#LOADTAPE\n CPU1#J2\nEND\n"},
    {"Jobs.Xtract",
     "CPU1#LOADTAPE DOCOMMAND \"/opt/etl/bin/load.sh TAPE\"\nCPU1#J2 DOCOMMAND \"b\"\n"}};

bool Searching(const QLabel* summary) { return summary->text() == QStringLiteral("Searching..."); }

QStringList ObjectsOf(const SearchHitsModel* model) {
  QStringList objects;
  for (int row = 0; row < model->rowCount(); ++row) {
    objects << model->index(row, SearchHitsModel::kObject).data().toString();
  }
  return objects;
}

QString MarkedText(const SearchHitsModel* model, int row) {
  const QModelIndex text = model->index(row, SearchHitsModel::kText);
  const QPoint match = text.data(SearchHitsModel::kMatchRole).toPoint();
  return text.data().toString().mid(match.x(), match.y() - match.x());
}

QuickFindBox* TypeInQuickFind(MainWindow& window, const QString& text) {
  window.Searches()->QuickFind->trigger();
  QuickFindBox* box = window.Searches()->Box();
  QTest::keyClicks(box->Field(), text);
  return box;
}

}  // namespace

class SearchTest : public QObject {
  Q_OBJECT
 private slots:
  void typingShowsKeysFirstThenLines_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("objects");
    QTest::addColumn<QString>("marked");
    // The job's definition line is its key's hit, not listed again as a line.
    QTest::newRow("key, then the line naming it")
        << QStringLiteral("loadtape") << QStringList{"CPU1#LOADTAPE", "CPU1#DAILY"}
        << QStringLiteral("LOADTAPE");
    QTest::newRow("a line only") << QStringLiteral("load.sh") << QStringList{"CPU1#LOADTAPE"}
                                 << QStringLiteral("load.sh");
    QTest::newRow("nothing") << QStringLiteral("zzz") << QStringList{} << QString();
  }

  void typingShowsKeysFirstThenLines() {
    QFETCH(QString, typed);
    QFETCH(QStringList, objects);
    QFETCH(QString, marked);
    WindowFixture fixture(kDatabase);
    MainWindow& window = fixture.Start();
    QuickFindBox* box = TypeInQuickFind(window, typed);
    QVERIFY(box->isVisible());
    QTRY_VERIFY(!Searching(box->Summary()));
    QCOMPARE(ObjectsOf(box->Model()), objects);
    if (objects.isEmpty()) return;
    QCOMPARE(MarkedText(box->Model(), 0), marked);
    QVERIFY(!box->Model()->index(0, 0).data(Qt::DecorationRole).value<QPixmap>().isNull());
  }

  // The older search is asked to stop and what it found never reaches the screen.
  void aNewerSearchCancelsTheOlder() {
    QStringList shown;
    BackgroundSearch search([&shown](FoundLines lines) { shown << lines.Error; }, nullptr);
    std::promise<void> started, release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> olderStopped = false;
    search.Start([&](std::stop_token stop) {
      started.set_value();
      released.wait();
      olderStopped = stop.stop_requested();
      FoundLines older;
      older.Error = QStringLiteral("older");
      return older;
    });
    started.get_future().wait();
    search.Start([](std::stop_token) {
      FoundLines newer;
      newer.Error = QStringLiteral("newer");
      return newer;
    });
    release.set_value();
    QTRY_COMPARE(shown, QStringList{"newer"});
    QTest::qWait(50);
    QCOMPARE(shown, QStringList{"newer"});
    QVERIFY(olderStopped);
  }

  void enterOpensThePageOfTheHit_data() {
    QTest::addColumn<int>("downs");
    QTest::addColumn<bool>("waitForHits");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("selected");
    QTest::newRow("the job by its key") << 0 << true << QStringLiteral("TabJob") << QString();
    QTest::newRow("the schedule at its line")
        << 1 << true << QStringLiteral("TabSch") << QStringLiteral(" CPU1#LOADTAPE");
    QTest::newRow("before the hits arrive: the first")
        << 0 << false << QStringLiteral("TabJob") << QString();
  }

  void enterOpensThePageOfTheHit() {
    QFETCH(int, downs);
    QFETCH(bool, waitForHits);
    QFETCH(QString, page);
    QFETCH(QString, selected);
    WindowFixture fixture(kDatabase);
    MainWindow& window = fixture.Start();
    QuickFindBox* box = TypeInQuickFind(window, QStringLiteral("loadtape"));
    if (waitForHits) QTRY_VERIFY(!Searching(box->Summary()));
    for (int i = 0; i < downs; ++i) QTest::keyClick(box->Field(), Qt::Key_Down);
    QTest::keyClick(box->Field(), Qt::Key_Return);
    QTRY_VERIFY(!box->isVisible());
    QCOMPARE(PageName(window), page);
    if (!selected.isEmpty()) {
      QCOMPARE(window.SchedulePage()->Memo()->textCursor().selectedText(), selected);
    }
  }

  void theHitListFindsWithItsOptions_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("regex");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QStringList>("objects");
    QTest::addColumn<QString>("summary");
    QTest::newRow("plain, any case")
        << QStringLiteral("tape") << false << false << QStringList{"CPU1#DAILY", "CPU1#LOADTAPE"}
        << QStringLiteral("2 lines found.");
    QTest::newRow("plain, case") << QStringLiteral("tape") << false << true << QStringList{}
                                 << QStringLiteral("Nothing found.");
    QTest::newRow("expression, case")
        << QStringLiteral("TAPE\"$") << true << true << QStringList{"CPU1#LOADTAPE"}
        << QStringLiteral("1 line found.");
    QTest::newRow("expression, any case")
        << QStringLiteral("^ cpu1#") << true << false << QStringList{"CPU1#DAILY", "CPU1#DAILY"}
        << QStringLiteral("2 lines found.");
    QString malformed;
    try {
      TextMatcher("(tape", true, false);
    } catch (const SearchPatternError& error) {
      malformed = QString::fromStdString(error.what());
    }
    QVERIFY(!malformed.isEmpty());
    QTest::newRow("malformed expression")
        << QStringLiteral("(tape") << true << false << QStringList{} << malformed;
  }

  void theHitListFindsWithItsOptions() {
    QFETCH(QString, pattern);
    QFETCH(bool, regex);
    QFETCH(bool, matchCase);
    QFETCH(QStringList, objects);
    QFETCH(QString, summary);
    WindowFixture fixture(kDatabase);
    MainWindow& window = fixture.Start();
    SearchHitsPage* page = window.Searches()->Page();
    QAbstractItemModelTester tester(page->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    window.Searches()->FindInDefinitions->trigger();
    QCOMPARE(window.CurrentPage(), page);
    page->Regex()->setChecked(regex);
    page->MatchCase()->setChecked(matchCase);
    QTest::keyClicks(page->Pattern(), pattern);
    QTest::keyClick(page->Pattern(), Qt::Key_Return);
    QTRY_VERIFY(!Searching(page->Summary()));
    QCOMPARE(page->Summary()->text(), summary);
    QCOMPARE(ObjectsOf(page->Model()), objects);
    QCOMPARE(page->ExportButton()->isEnabled(), !objects.isEmpty());
  }

  // The fields of the command line's hits, the bytes as stored, written only once a file is
  // chosen; a double-click opens the object.
  void theHitListExportsAndOpens() {
    WindowFixture fixture(kDatabase);
    MainWindow& window = fixture.Start();
    SearchHitsPage* page = window.Searches()->Page();
    window.Searches()->ShowPage(QStringLiteral("load.sh"));
    QTest::keyClick(page->Pattern(), Qt::Key_Return);
    QTRY_VERIFY(!Searching(page->Summary()));
    const QString file = QString::fromStdString(fixture.ProgramDir()) + "hits.csv";
    fixture.Desktop.SaveNames = {file};
    Click(page->ExportButton());
    QCOMPARE(FileBytes(file),
             QByteArray("Kind,Key,File,Line,Column,Text\r\n"
                        "job,CPU1#LOADTAPE,Jobs.Xtract,1,39,"
                        "\"CPU1#LOADTAPE DOCOMMAND \"\"/opt/etl/bin/load.sh TAPE\"\"\"\r\n"));
    Settle();
    const QRect place = page->View()->visualRect(page->Model()->index(0, 0));
    QTest::mouseClick(page->View()->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(page->View()->viewport(), Qt::LeftButton, {}, place.center());
    QCOMPARE(PageName(window), QStringLiteral("TabJob"));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::SearchTest)
#include "search_test.moc"
