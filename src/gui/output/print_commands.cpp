#include "gui/output/print_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinter>

#include "core/catalogue/catalogue.h"
#include "core/output/schedule_print.h"
#include "gui/output/schedule_printer.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

constexpr const char* kSendingToPrinter = "Sending report To Printer... Please Wait...";

// The hourglass for as long as the print runs, however it ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void PrintCommands::PrintCurrentSchedule() {
  const SchedulePage& page = schedulePage_.Page();
  if (page.Lines.empty()) return;
  std::optional<QString> failure;
  {
    WaitCursor wait;
    context_.State.Audit.TakeTimeStamp();
    const ScheduleHeading heading{page.Workstation, page.Schedule,
                                  PrintStampText(context_.State.Audit.Stamp())};
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQString(page.Workstation + "#" + page.Schedule));
    failure = context_.Dialogs.SetUpPrinter(printer);
    if (!failure) {
      printer.setPageOrientation(QPageLayout::Portrait);
      failure = PrintSchedulePages(printer, heading, page.Lines);
    }
  }
  if (failure) context_.ShowError(*failure);
}

void PrintCommands::PrintResultList() {
  context_.SetStatus(QString::fromLatin1(kSendingToPrinter));
  std::optional<QString> failure;
  {
    WaitCursor wait;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQString(context_.State.Results.Title));
    failure = context_.Dialogs.SetUpPrinter(printer);
    if (!failure) {
      const QWidget* window = resultList_.window();
      failure =
          PrintWidgetAsShown(printer, resultList_, window->logicalDpiX(), window->logicalDpiY());
    }
  }
  if (failure) context_.ShowError(*failure);
  context_.SetStatus(QString::fromLatin1(kReady));
}

void PrintCommands::CopyResultListPicture() {
  QApplication::clipboard()->setImage(resultList_.grab().toImage());
}

}  // namespace vdbq::gui
