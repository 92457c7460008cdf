#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "core/output/csv_text.h"
#include "core/output/html_report.h"
#include "core/output/schedule_print.h"
#include "gui/output/desktop.h"
#include "gui/output/print_commands.h"
#include "gui/output/result_list_menu.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/report/report_page.h"
#include "gui/report/report_panel_widget.h"
#include "gui/report/result_model.h"
#include "gui/window/main_menu.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

QString SavesDir(WindowFixture& fixture) {
  return QString::fromStdString(fixture.Window().State().Settings.SavesDir);
}

void RunReport(MainWindow& window, int option, const QString& search = {}) {
  window.Panel()->Tick(option);
  window.Panel()->SearchBox()->setText(search);
  Click(window.Panel()->GoButton());
}

// The schedule detail report of a schedule of the sample.
void RunDetailReport(MainWindow& window) {
  RunReport(window, 4, QStringLiteral("HFFIN01#GL_POSTING"));
  QCOMPARE(window.State().Results.ReportNumber, 4);
}

// The page texts of a PDF, in order; nothing when pdftotext is missing.
std::optional<QStringList> PdfPages(const QString& pdf) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (tool.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(30000)) return QStringList{};
  QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
  // The text ends with a form feed after the last page.
  if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

struct PdfImage {
  int Page;
  QSize Size;
};

// The pictures in a PDF, from pdfimages; nothing when pdfimages is missing.
std::optional<std::vector<PdfImage>> PdfImages(const QString& pdf) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
  if (tool.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(tool, {QStringLiteral("-list"), pdf});
  if (!process.waitForFinished(30000)) return std::vector<PdfImage>{};
  std::vector<PdfImage> images;
  // Two heading lines, then: page, number, type, width, height, ...
  const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
  for (int i = 2; i < lines.size(); ++i) {
    const QStringList fields = lines[i].simplified().split(QLatin1Char(' '));
    if (fields.size() < 5) continue;
    images.push_back({fields[0].toInt(), QSize(fields[3].toInt(), fields[4].toInt())});
  }
  return images;
}

QString Simplified(const QString& text) { return text.simplified(); }

// A workstation with one schedule of `jobs` job lines, long enough for several pages.
Extracts LongScheduleDatabase(int jobs) {
  std::string schedule = "SCHEDULE CPU1#LONG_RUN\nON EVERYDAY\nAT 0100\n:\n";
  for (int i = 1; i <= jobs; ++i) schedule += " CPU1#JOB_" + std::to_string(i) + "\n";
  schedule += "END\n";
  return Extracts{{"Schedules.Xtract", schedule}, {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"}};
}

}  // namespace

class OutputTest : public QObject {
  Q_OBJECT
 private slots:
  void theMenuHoldsItsEntriesInOrder() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QStringList texts;
    for (QAction* action : window.ResultMenu()->Menu()->actions()) {
      texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(texts, (QStringList{"Export To CSV File", "Copy To ClipBoard As CSV Data", "-",
                                 "Export To HTML File", "View In Default Web Browser", "-",
                                 "Copy To ClipBoard As Bitmap", "-", "Print Report"}));
  }

  void theHtmlEntriesAreEnabledOnlyForTheScheduleDetailReport() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    ResultListMenu* menu = window.ResultMenu();
    // The enabled state of every entry after the menu opened, "1" or "0" each.
    const auto openAndRead = [&] {
      menu->Menu()->popup(window.mapToGlobal(QPoint(300, 300)));
      QString states;
      for (QAction* action : menu->Menu()->actions()) {
        if (!action->isSeparator()) states += action->isEnabled() ? u'1' : u'0';
      }
      menu->Menu()->hide();
      return states;
    };
    const QString htmlOff = QStringLiteral("110011");
    const QString htmlOn = QStringLiteral("111111");
    QCOMPARE(openAndRead(), htmlOff);
    RunReport(window, 1);
    QCOMPARE(openAndRead(), htmlOff);
    RunDetailReport(window);
    QCOMPARE(openAndRead(), htmlOn);
    RunReport(window, 5, QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(window.State().Results.ReportNumber, 5);
    QCOMPARE(openAndRead(), htmlOff);
  }

  void aRightClickOnTheListOpensTheMenu() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunDetailReport(window);
    QTableView* list = window.ReportView()->List();
    QMenu* menu = window.ResultMenu()->Menu();
    menu->hide();
    emit list->customContextMenuRequested(QPoint(10, 10));
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(window.ResultMenu()->ExportToHtmlFile->isEnabled());
    menu->hide();
  }

  void csvExportWritesTheListToTheChosenFile() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 1);
    const QString name = SavesDir(fixture) + QStringLiteral("schedules");
    fixture.Desktop.SaveNames = {name};
    window.ResultMenu()->ExportToCsvFile->trigger();

    QCOMPARE(fixture.Desktop.SaveRequests.size(), size_t{1});
    const auto& request = fixture.Desktop.SaveRequests.front();
    QCOMPARE(request.Title, QStringLiteral("Export To CSV File..."));
    QCOMPARE(request.Directory, SavesDir(fixture));
    QCOMPARE(request.Filter,
             QStringLiteral("Text files (*.txt)|*.TXT|Comma Separated Value files (*.csv)|*.CSV"));
    QVERIFY(fixture.Desktop.Questions.empty());
    // Exactly the name chosen, without an extension added.
    const QByteArray written = Contents(name);
    QCOMPARE(written.count("\r\n"), 31);
    QVERIFY(written.startsWith("HFBKP01,"));
    QCOMPARE(written.toStdString(), CsvFileText(window.State().Results));
    QVERIFY(fixture.Messages.empty());
  }

  void csvExportKeepsTheCalendarDescriptionsReadable() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QMenu* reports = window.menuBar()->findChild<QMenu*>(QStringLiteral("ReportOptions1"));
    for (QAction* action : reports->actions()) {
      if (action->text() == QStringLiteral("List Invalid Calendars")) action->trigger();
    }
    QCOMPARE(window.State().Results.ReportNumber, 33);
    const QString name = SavesDir(fixture) + QStringLiteral("calendars.csv");
    fixture.Desktop.SaveNames = {name};
    window.ResultMenu()->ExportToCsvFile->trigger();
    const QList<QByteArray> lines = Contents(name).split('\n');
    QVERIFY(lines.contains("PAYDAYS,\"\"\"Payroll days of the old payroll system\"\"\"\r"));
  }

  void theOverwriteQuestionDecidesWhetherAnExistingFileIsReplaced() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 1);
    const QString name = SavesDir(fixture) + QStringLiteral("old.csv");
    Write(name, "keep me");
    fixture.Desktop.SaveNames = {name, name};
    fixture.Desktop.YesNoAnswers = {false, true};

    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.Questions.size(), size_t{1});
    QCOMPARE(fixture.Desktop.Questions.front(),
             QStringLiteral("File: \"") + name +
                 QStringLiteral("\" exists!\rAre you sure you want to overwrite?"));
    QCOMPARE(Contents(name), QByteArray("keep me"));

    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.Questions.size(), size_t{2});
    QVERIFY(Contents(name).startsWith("HFBKP01,"));
  }

  void aCancelledSaveDialogWritesNothing() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 1);
    const QStringList before = QDir(SavesDir(fixture)).entryList(QDir::Files);
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.SaveRequests.size(), size_t{1});
    QCOMPARE(QDir(SavesDir(fixture)).entryList(QDir::Files), before);
    QVERIFY(fixture.Messages.empty());
  }

  void theExportsCreateTheSavesDirectoryWhenItIsMissing() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunDetailReport(window);
    QDir saves(SavesDir(fixture));
    QVERIFY(saves.removeRecursively());
    window.ResultMenu()->ExportToCsvFile->trigger();
    QVERIFY(saves.exists());
    QVERIFY(saves.removeRecursively());
    const QString name = SavesDir(fixture) + QStringLiteral("detail.htm");
    fixture.Desktop.SaveNames = {name};
    window.ResultMenu()->ExportToHtmlFile->trigger();
    QVERIFY(QFile::exists(name));
  }

  void anExportThatCannotBeWrittenIsReported() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 1);
    const QString name = SavesDir(fixture) + QStringLiteral("no/such/dir/x.csv");
    fixture.Desktop.SaveNames = {name};
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Messages, std::vector<QString>{QStringLiteral("Cannot create file ") +
                                                    QDir::toNativeSeparators(name)});
  }

  void htmlExportWritesTheScheduleDocument() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunDetailReport(window);
    const QString name = SavesDir(fixture) + QStringLiteral("gl_posting.htm");
    fixture.Desktop.SaveNames = {name};
    window.ResultMenu()->ExportToHtmlFile->trigger();

    const auto& request = fixture.Desktop.SaveRequests.front();
    QCOMPARE(request.Title, QStringLiteral("Export To HTML File..."));
    QCOMPARE(request.Filter, QStringLiteral("HTML files (*.htm)|*.HTM|Text Files (*.txt)|*.TXT"));
    const QByteArray html = Contents(name);
    QVERIFY(html.startsWith("<HTML><BODY><FONT FACE = \"Arial\"><TABLE"));
    QVERIFY(html.contains("Varnolt Details For Schedule HFFIN01#GL_POSTING</CAPTION>"));
    QVERIFY(html.contains("<TH>Seq. </TH>"));
    QVERIFY(html.endsWith("</FONT></BODY></HTML>\r\n"));
    QCOMPARE(html.toStdString(), ScheduleHtmlDocument(window.State().Results));
    QCOMPARE(window.StatusText(), QStringLiteral("Report Saved As: ") + name);
  }

  void htmlExportAsksBeforeOverwriting() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunDetailReport(window);
    const QString name = SavesDir(fixture) + QStringLiteral("old.htm");
    Write(name, "old");
    const QString status = window.StatusText();
    fixture.Desktop.SaveNames = {name};
    fixture.Desktop.YesNoAnswers = {false};
    window.ResultMenu()->ExportToHtmlFile->trigger();
    QCOMPARE(fixture.Desktop.Questions.size(), size_t{1});
    QCOMPARE(Contents(name), QByteArray("old"));
    QCOMPARE(window.StatusText(), status);
  }

  void theBrowserViewWritesTheTemporaryFileAndOpensIt() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunDetailReport(window);
    const QString temp = SavesDir(fixture) + QStringLiteral("&&VarnoltDBQ_Temp.htm");
    Write(temp, "an earlier view");
    const QString status = window.StatusText();
    window.ResultMenu()->ViewInBrowser->trigger();
    QCOMPARE(fixture.Desktop.Opened, std::vector<QString>{temp});
    QVERIFY(fixture.Desktop.Questions.empty());
    QVERIFY(fixture.Desktop.SaveRequests.empty());
    QCOMPARE(Contents(temp).toStdString(), ScheduleHtmlDocument(window.State().Results));
    QCOMPARE(window.StatusText(), status);
  }

  void theBrowserViewDoesNotCreateTheSavesDirectory() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunDetailReport(window);
    QDir saves(SavesDir(fixture));
    QVERIFY(saves.removeRecursively());
    window.ResultMenu()->ViewInBrowser->trigger();
    QVERIFY(!saves.exists());
    QVERIFY(fixture.Desktop.Opened.empty());
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(fixture.Messages.front().startsWith(QStringLiteral("Cannot create file ")));
  }

  void copyAsCsvPutsTheQuotedTextOnTheClipboard() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QMenu* reports = window.menuBar()->findChild<QMenu*>(QStringLiteral("ReportOptions1"));
    for (QAction* action : reports->actions()) {
      if (action->text() == QStringLiteral("List Invalid Calendars")) action->trigger();
    }
    QApplication::clipboard()->clear();
    window.ResultMenu()->CopyCsvToClipboard->trigger();
    const QString text = QApplication::clipboard()->text();
    QVERIFY(text.split(QStringLiteral("\r\n"))
                .contains(
                    QStringLiteral("PAYDAYS,\"\"\"Payroll days of the old payroll system\"\"\"")));
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(window.StatusText(), QStringLiteral("Copied CSV Report To ClipBoard... Ready."));
  }

  void aRowClickOfTheDetailReportCopiesTheJobKey() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunDetailReport(window);
    const ResultList& results = window.State().Results;
    int jobRow = -1;
    for (int row = 0; row < static_cast<int>(results.Rows.size()); ++row) {
      const std::string& caption = results.Rows[static_cast<size_t>(row)].Caption;
      if (row > 1 && !caption.empty() && caption != "Seq." && caption != "<END>" &&
          !results.Rows[static_cast<size_t>(row)].Column(4).empty()) {
        jobRow = row;
        break;
      }
    }
    QVERIFY(jobRow > 0);
    QTableView* list = window.ReportView()->List();
    list->scrollTo(window.Results()->index(jobRow, 0));
    const QRect cell = list->visualRect(window.Results()->index(jobRow, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    const ResultRow& row = results.Rows[static_cast<size_t>(jobRow)];
    const QString key = QString::fromStdString(row.Column(3) + "#" + row.Column(4));
    QCOMPARE(QApplication::clipboard()->text(), key);
    QCOMPARE(window.StatusText(),
             QStringLiteral("Copied: ") + key + QStringLiteral(" To ClipBoard."));
  }

  void theBitmapCopyIsAPictureOfTheListAsShown() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 1);
    QApplication::clipboard()->clear();
    const QString status = window.StatusText();
    window.ResultMenu()->CopyAsBitmap->trigger();
    const QImage image = QApplication::clipboard()->image();
    QTableView* list = window.ReportView()->List();
    QCOMPARE(image.size(), list->size() * list->devicePixelRatio());
    QCOMPARE(image, list->grab().toImage().convertToFormat(image.format()));
    QCOMPARE(window.StatusText(), status);
  }

  void theSchedulePrintHeadsEveryPageAndNumbersThePages() {
    WindowFixture fixture(LongScheduleDatabase(150));
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Schedules", "CPU1", "LONG_RUN"}));
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("schedule.pdf"));
    window.Menu()->PrintSchedule->trigger();
    QVERIFY(fixture.Messages.empty());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    const auto pages = PdfPages(fixture.Desktop.PrintFile);
    if (!pages) QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY(pages->size() > 1);
    const QString stamp = QString::fromStdString(PrintStampText(window.State().Audit.Stamp()));
    QStringList printed;
    for (int p = 0; p < pages->size(); ++p) {
      QStringList lines = pages->at(p).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
      for (QString& line : lines) line = Simplified(line);
      lines.removeAll(QString());
      QVERIFY(lines.size() >= 3);
      QCOMPARE(lines[0], QStringLiteral("CPU1"));
      QCOMPARE(lines[1], QStringLiteral("LONG_RUN"));
      QCOMPARE(lines[2], Simplified(stamp + QStringLiteral(" Page: ") + QString::number(p + 1)));
      printed << lines.mid(3);
    }
    QStringList expected;
    for (const std::string& line : window.SchedulePage()->Page().CM1) {
      expected << Simplified(QString::fromStdString(line));
    }
    expected.removeAll(QString());
    QCOMPARE(printed, expected);
  }

  void theSchedulePageButtonPrintsToo() {
    WindowFixture fixture(LongScheduleDatabase(3));
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Schedules", "CPU1", "LONG_RUN"}));
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("button.pdf"));
    QVERIFY(window.SchedulePage()->PrintButton()->isEnabled());
    window.SchedulePage()->PrintButton()->click();
    QVERIFY(QFile::exists(fixture.Desktop.PrintFile));
  }

  void theSchedulePrintDoesNothingWithNoScheduleShown() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("none.pdf"));
    QVERIFY(window.Menu()->PrintSchedule->isEnabled());
    window.Menu()->PrintSchedule->trigger();
    QVERIFY(!QFile::exists(fixture.Desktop.PrintFile));
    QVERIFY(fixture.Messages.empty());
  }

  void aMissingPrinterIsReportedInAMessage() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    QVERIFY(fixture.Select({"Schedules", "HFFIN01", "GL_POSTING"}));
    window.Menu()->PrintSchedule->trigger();
    QCOMPARE(fixture.Messages,
             std::vector<QString>{QString::fromLatin1(ScriptedDesktop::kNoPrinter)});
    QVERIFY(QApplication::overrideCursor() == nullptr);

    RunReport(window, 1);
    fixture.Messages.clear();
    window.ResultMenu()->PrintReport->trigger();
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void theResultListPrintIsThePictureOfTheVisibleRowsAtScreenSize() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    window.resize(916, 660);
    RunReport(window, 1);
    QTableView* list = window.ReportView()->List();
    const int last = window.Results()->rowCount() - 1;
    QVERIFY(
        !list->viewport()->rect().intersects(list->visualRect(window.Results()->index(last, 0))));
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("list.pdf"));
    window.ResultMenu()->PrintReport->trigger();
    QVERIFY(fixture.Messages.empty());
    QCOMPARE(window.StatusText(), QStringLiteral("Ready."));
    QVERIFY(QApplication::overrideCursor() == nullptr);

    const auto images = PdfImages(fixture.Desktop.PrintFile);
    if (!images) QSKIP("pdfimages (poppler-utils) is not installed");
    // One page holding the list as painted on the screen, each screen pixel at its size there:
    // the PDF printer has 1200 pixels to the inch.
    QCOMPARE(images->size(), size_t{1});
    QCOMPARE(images->front().Page, 1);
    const double scaleX = 1200.0 / window.logicalDpiX();
    const double scaleY = 1200.0 / window.logicalDpiY();
    QVERIFY(std::abs(images->front().Size.width() - list->width() * scaleX) <= 2);
    QVERIFY(std::abs(images->front().Size.height() - list->height() * scaleY) <= 2);
  }

  void theColourEntriesSetTheSelectedNodeColours() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    fixture.Desktop.Colour = QColor(0, 255, 0);
    window.Menu()->NodeSelectedText->trigger();
    QCOMPARE(window.State().Settings.Col1, 65280);
    fixture.Desktop.Colour = QColor(1, 2, 3);
    window.Menu()->NodeSelectedBackground->trigger();
    QCOMPARE(window.State().Settings.Col2, 1 + 2 * 256 + 3 * 65536);
    // A cancelled dialog changes nothing.
    fixture.Desktop.Colour.reset();
    window.Menu()->NodeSelectedText->trigger();
    QCOMPARE(window.State().Settings.Col1, 65280);
    QCOMPARE(fixture.Desktop.ColourRequests, 3);
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::OutputTest)
#include "output_test.moc"
