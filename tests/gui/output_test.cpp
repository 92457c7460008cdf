#include <QProcess>
#include <QStandardPaths>

#include "core/output/clipboard_csv.h"
#include "core/output/csv_text.h"
#include "core/output/html_report.h"
#include "core/output/schedule_print.h"
#include "gui/output/result_list_menu.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

QString SavesDir(WindowFixture& fixture) {
  return QString::fromStdString(fixture.Window().State().Settings.SavesDir);
}

// What a poppler tool prints about a PDF; nothing when the tool is missing.
std::optional<QString> Poppler(const char* tool, const QStringList& arguments) {
  const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
  if (path.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(path, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines that are not blank, their white space simplified.
QStringList Lines(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split('\n')) {
    if (!line.simplified().isEmpty()) lines << line.simplified();
  }
  return lines;
}

}  // namespace

class OutputTest : public QObject {
  Q_OBJECT
 private slots:
  // The HTML entries are enabled only for the schedule detail report. The overwrite question
  // is the CSV export's, through the same dialog step.
  void theMenuEntriesAndTheHtmlExportAndBrowserView() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QMenu* menu = window.ResultMenu()->Menu();
    // The enabled state of every entry after the menu opened, "1" or "0" each.
    const auto openAndRead = [&] {
      menu->popup(window.mapToGlobal(QPoint(300, 300)));
      QString states;
      for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) states += action->isEnabled() ? u'1' : u'0';
      }
      menu->hide();
      return states;
    };
    QCOMPARE(openAndRead(), QStringLiteral("110011"));
    RunReport(window, 0, 4, QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(openAndRead(), QStringLiteral("111111"));
    // A right click on the list opens the menu.
    emit window.ReportView()->List()->customContextMenuRequested(QPoint(10, 10));
    QTRY_VERIFY(menu->isVisible());
    menu->hide();

    const std::string document = ScheduleHtmlDocument(window.State().Results);
    // The export creates a missing saves directory.
    QDir saves(SavesDir(fixture));
    QVERIFY(saves.removeRecursively());
    const QString name = SavesDir(fixture) + QStringLiteral("gl_posting.htm");
    fixture.Desktop.SaveNames = {name};
    window.ResultMenu()->ExportToHtmlFile->trigger();
    QCOMPARE(FileBytes(name).toStdString(), document);
    QCOMPARE(window.StatusText(), QStringLiteral("Report Saved As: ") + name);
    // The browser view overwrites its temporary file without asking, and keeps the status.
    const QString temp = SavesDir(fixture) + QStringLiteral("&&VarnoltDBQ_Temp.htm");
    QVERIFY(WriteBytes(temp, "an earlier view"));
    window.ResultMenu()->ViewInBrowser->trigger();
    QCOMPARE(fixture.Desktop.Opened, std::vector<QString>{temp});
    QVERIFY(fixture.Desktop.Questions.empty());
    QCOMPARE(fixture.Desktop.SaveDirectories.size(), size_t{1});
    QCOMPARE(FileBytes(temp).toStdString(), document);
    QCOMPARE(window.StatusText(), QStringLiteral("Report Saved As: ") + name);
    // It does not create the saves directory.
    QVERIFY(saves.removeRecursively());
    window.ResultMenu()->ViewInBrowser->trigger();
    QVERIFY(!saves.exists());
    QCOMPARE(fixture.Desktop.Opened.size(), size_t{1});
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(fixture.Messages.front().startsWith(QStringLiteral("Cannot create file ")));
    RunReport(window, 0, 5, QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(openAndRead(), QStringLiteral("110011"));
  }

  void theCsvExportAsksBeforeOverwritingAndTheCopiesAreTheCsvTextAndThePictureOfTheList() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 0, 1);
    const QString name = SavesDir(fixture) + QStringLiteral("schedules");
    fixture.Desktop.SaveNames = {name, name, name};
    fixture.Desktop.YesNoAnswers = {false, true};
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.SaveDirectories.front(), SavesDir(fixture));
    QVERIFY(fixture.Desktop.Questions.empty());
    // Exactly the name chosen, without an extension added.
    QCOMPARE(FileBytes(name).toStdString(), CsvFileText(window.State().Results));
    QVERIFY(WriteBytes(name, "keep me"));
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.Questions.size(), size_t{1});
    QVERIFY(fixture.Desktop.Questions.front().contains(name));
    QCOMPARE(FileBytes(name), QByteArray("keep me"));
    window.ResultMenu()->ExportToCsvFile->trigger();
    QVERIFY(FileBytes(name).startsWith("HFBKP01,"));
    // A cancelled save dialog writes nothing.
    const QStringList before = QDir(SavesDir(fixture)).entryList(QDir::Files);
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.SaveDirectories.size(), size_t{4});
    QCOMPARE(QDir(SavesDir(fixture)).entryList(QDir::Files), before);
    QVERIFY(fixture.Messages.empty());

    QApplication::clipboard()->clear();
    window.ResultMenu()->CopyCsvToClipboard->trigger();
    QCOMPARE(QApplication::clipboard()->text().toStdString(),
             ClipboardCsvText(window.State().Results));
    const QString status = window.StatusText();
    window.ResultMenu()->CopyAsBitmap->trigger();
    const QImage image = QApplication::clipboard()->image();
    QTableView* list = window.ReportView()->List();
    QCOMPARE(image.size(), list->size() * list->devicePixelRatio());
    QCOMPARE(image, list->grab().toImage().convertToFormat(image.format()));
    QCOMPARE(window.StatusText(), status);
  }

  // The pages themselves are planned in the core; here they must reach the printer whole.
  void theSchedulePrintHeadsEveryPageAndNumbersThePages() {
    std::string schedule = "SCHEDULE CPU1#LONG_RUN\nON EVERYDAY\nAT 0100\n:\n";
    for (int i = 1; i <= 150; ++i) schedule += " CPU1#JOB_" + std::to_string(i) + "\n";
    WindowFixture fixture(Extracts{{"Schedules.Xtract", schedule + "END\n"},
                                   {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"}});
    MainWindow& window = fixture.Start();
    // With no schedule on show nothing is printed and no printer is asked for.
    window.Menu()->PrintSchedule->trigger();
    QVERIFY(fixture.Messages.empty());
    QVERIFY(fixture.Select({"Schedules", "CPU1", "LONG_RUN"}));
    window.Menu()->PrintSchedule->trigger();
    QCOMPARE(fixture.Messages, std::vector<QString>{"no printer"});
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("schedule.pdf"));
    window.SchedulePage()->PrintButton()->click();
    QVERIFY(QFile::remove(fixture.Desktop.PrintFile));
    window.Menu()->PrintSchedule->trigger();
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(QApplication::overrideCursor() == nullptr);

    const auto text = Poppler("pdftotext", {"-layout", fixture.Desktop.PrintFile, "-"});
    if (!text) QSKIP("pdftotext (poppler-utils) is not installed");
    const QString stamp = QString::fromStdString(PrintStampText(window.State().Audit.Stamp()));
    QStringList printed;
    int page = 1;
    for (const QString& pageText : text->split('\f', Qt::SkipEmptyParts)) {
      const QStringList lines = Lines(pageText);
      if (lines.isEmpty()) continue;
      QCOMPARE(lines.mid(0, 3), (QStringList{"CPU1", "LONG_RUN",
                                             (stamp + " Page: " + QString::number(page++))
                                                 .simplified()}));
      printed << lines.mid(3);
    }
    QVERIFY(page > 2);
    QString shown;
    for (const std::string& line : window.SchedulePage()->Page().CM1) {
      shown += QString::fromStdString(line) + '\n';
    }
    QCOMPARE(printed, Lines(shown));
  }

  void theResultListPrintIsThePictureOfTheVisibleRowsAtScreenSize() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.resize(916, 660);
    RunReport(window, 0, 1);
    QTableView* list = window.ReportView()->List();
    const int last = window.Results()->rowCount() - 1;
    QVERIFY(
        !list->viewport()->rect().intersects(list->visualRect(window.Results()->index(last, 0))));
    window.ResultMenu()->PrintReport->trigger();
    QCOMPARE(fixture.Messages, std::vector<QString>{"no printer"});
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("list.pdf"));
    window.ResultMenu()->PrintReport->trigger();
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // Two heading lines, then one for each picture: page, number, type, width, height, ...
    const auto images = Poppler("pdfimages", {"-list", fixture.Desktop.PrintFile});
    if (!images) QSKIP("pdfimages (poppler-utils) is not installed");
    // One page holding the list as painted on the screen, each screen pixel at its size there:
    // the PDF printer has 1200 pixels to the inch.
    const QStringList rows = Lines(*images);
    QCOMPARE(rows.size(), 3);
    const QStringList fields = rows[2].split(' ');
    QCOMPARE(fields[0], QStringLiteral("1"));
    QVERIFY(qAbs(fields[3].toInt() - list->width() * 1200.0 / window.logicalDpiX()) <= 2);
    QVERIFY(qAbs(fields[4].toInt() - list->height() * 1200.0 / window.logicalDpiY()) <= 2);
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::OutputTest)
#include "output_test.moc"
