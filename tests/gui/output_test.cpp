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

#include "core/output/clipboard_csv.h"
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

// What a poppler tool prints about a PDF; nothing when the tool is missing.
std::optional<QString> Poppler(const char* tool, const QStringList& arguments) {
  const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
  if (path.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(path, arguments);
  if (!process.waitForFinished(30000)) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The page texts of a PDF, in order.
std::optional<QStringList> PdfPages(const QString& pdf) {
  const auto text = Poppler("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!text) return std::nullopt;
  QStringList pages = text->split(QLatin1Char('\f'));
  // The text ends with a form feed after the last page.
  if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

struct PdfImage {
  int Page;
  QSize Size;
};

// The pictures in a PDF.
std::optional<std::vector<PdfImage>> PdfImages(const QString& pdf) {
  const auto text = Poppler("pdfimages", {QStringLiteral("-list"), pdf});
  if (!text) return std::nullopt;
  std::vector<PdfImage> images;
  // Two heading lines, then: page, number, type, width, height, ...
  const QStringList lines = text->split('\n');
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
  void theHtmlEntriesAreEnabledOnlyForTheScheduleDetailReport() {
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
    RunDetailReport(window);
    QCOMPARE(openAndRead(), QStringLiteral("111111"));
    RunReport(window, 5, QStringLiteral("HFFIN01#GL_POSTING"));
    QCOMPARE(openAndRead(), QStringLiteral("110011"));
    // A right click on the list opens the menu.
    emit window.ReportView()->List()->customContextMenuRequested(QPoint(10, 10));
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
  }

  void csvExportWritesTheChosenFileAskingBeforeOverwriting() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 1);
    const QString name = SavesDir(fixture) + QStringLiteral("schedules");
    fixture.Desktop.SaveNames = {name, name, name};
    fixture.Desktop.YesNoAnswers = {false, true};
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.SaveRequests.front().Directory, SavesDir(fixture));
    QVERIFY(fixture.Desktop.Questions.empty());
    // Exactly the name chosen, without an extension added.
    QCOMPARE(FileBytes(name).toStdString(), CsvFileText(window.State().Results));

    Write(name, "keep me");
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(
        fixture.Desktop.Questions,
        std::vector<QString>{QStringLiteral("File: \"") + name +
                             QStringLiteral("\" exists!\rAre you sure you want to overwrite?")});
    QCOMPARE(FileBytes(name), QByteArray("keep me"));
    window.ResultMenu()->ExportToCsvFile->trigger();
    QVERIFY(FileBytes(name).startsWith("HFBKP01,"));

    // A cancelled save dialog writes nothing.
    const QStringList before = QDir(SavesDir(fixture)).entryList(QDir::Files);
    window.ResultMenu()->ExportToCsvFile->trigger();
    QCOMPARE(fixture.Desktop.SaveRequests.size(), size_t{4});
    QCOMPARE(QDir(SavesDir(fixture)).entryList(QDir::Files), before);
    QVERIFY(fixture.Messages.empty());
  }

  void htmlExportAndBrowserViewWriteTheScheduleDocument() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunDetailReport(window);
    const std::string document = ScheduleHtmlDocument(window.State().Results);
    // The exports create a missing saves directory.
    QDir saves(SavesDir(fixture));
    QVERIFY(saves.removeRecursively());
    const QString name = SavesDir(fixture) + QStringLiteral("gl_posting.htm");
    fixture.Desktop.SaveNames = {name, name};
    fixture.Desktop.YesNoAnswers = {false};
    window.ResultMenu()->ExportToHtmlFile->trigger();
    QCOMPARE(FileBytes(name).toStdString(), document);
    QCOMPARE(window.StatusText(), QStringLiteral("Report Saved As: ") + name);
    Write(name, "old");
    window.ResultMenu()->ExportToHtmlFile->trigger();
    QCOMPARE(fixture.Desktop.Questions.size(), size_t{1});
    QCOMPARE(FileBytes(name), QByteArray("old"));

    // The browser view overwrites its temporary file without asking, and keeps the status.
    const QString temp = SavesDir(fixture) + QStringLiteral("&&VarnoltDBQ_Temp.htm");
    Write(temp, "an earlier view");
    window.ResultMenu()->ViewInBrowser->trigger();
    QCOMPARE(fixture.Desktop.Opened, std::vector<QString>{temp});
    QCOMPARE(fixture.Desktop.Questions.size(), size_t{1});
    QCOMPARE(fixture.Desktop.SaveRequests.size(), size_t{2});
    QCOMPARE(FileBytes(temp).toStdString(), document);
    QCOMPARE(window.StatusText(), QStringLiteral("Report Saved As: ") + name);
    // It does not create the saves directory.
    QVERIFY(saves.removeRecursively());
    window.ResultMenu()->ViewInBrowser->trigger();
    QVERIFY(!saves.exists());
    QCOMPARE(fixture.Desktop.Opened.size(), size_t{1});
    QCOMPARE(fixture.Messages.size(), size_t{1});
    QVERIFY(fixture.Messages.front().startsWith(QStringLiteral("Cannot create file ")));
  }

  void copyAsCsvPutsTheQuotedTextOnTheClipboard() {
    WindowFixture fixture;
    MainWindow& window = fixture.Start();
    RunReport(window, 1);
    QApplication::clipboard()->clear();
    window.ResultMenu()->CopyCsvToClipboard->trigger();
    QCOMPARE(QApplication::clipboard()->text().toStdString(),
             ClipboardCsvText(window.State().Results));
    QCOMPARE(window.StatusText(), QStringLiteral("Copied CSV Report To ClipBoard... Ready."));
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

  void theSchedulePrintNeedsAScheduleShownAndThePageButtonPrintsToo() {
    WindowFixture fixture(LongScheduleDatabase(3));
    MainWindow& window = fixture.Start();
    QTemporaryDir out;
    fixture.Desktop.PrintFile = out.filePath(QStringLiteral("button.pdf"));
    QVERIFY(window.Menu()->PrintSchedule->isEnabled());
    window.Menu()->PrintSchedule->trigger();
    QVERIFY(!QFile::exists(fixture.Desktop.PrintFile));
    QVERIFY(fixture.Messages.empty());
    QVERIFY(fixture.Select({"Schedules", "CPU1", "LONG_RUN"}));
    QVERIFY(window.SchedulePage()->PrintButton()->isEnabled());
    window.SchedulePage()->PrintButton()->click();
    QVERIFY(QFile::exists(fixture.Desktop.PrintFile));
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
