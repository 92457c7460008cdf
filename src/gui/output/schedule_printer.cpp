#include "gui/output/schedule_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <array>

#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

constexpr const char* kPrinterNotStarted = "The printer did not accept the print job.";
constexpr const char* kPageNotStarted = "The printer could not start a new page.";
constexpr const char* kJobNotEnded = "The print job could not be completed.";

QFont PrintFontOf(PrintFont font) {
  const PrintFontSpec spec = SpecOf(font);
  QFont qfont(QString::fromLatin1(kPrintFontFamily));
  qfont.setStyleHint(QFont::SansSerif);
  qfont.setPointSize(spec.PointSize);
  qfont.setBold(spec.Bold);
  qfont.setItalic(spec.Italic);
  qfont.setUnderline(spec.Underline);
  return qfont;
}

}  // namespace

std::optional<QString> PrintSchedulePages(QPrinter& printer, const ScheduleHeading& heading,
                                          const std::vector<std::string>& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return QString::fromLatin1(kPrinterNotStarted);

  std::array<QFont, kPrintFontCount> fonts;
  PrintDevice device;
  device.PixelsPerInchX = printer.logicalDpiX();
  device.PixelsPerInchY = printer.logicalDpiY();
  device.PageHeight = printer.height();
  for (int f = 0; f < kPrintFontCount; ++f) {
    fonts[static_cast<size_t>(f)] = PrintFontOf(static_cast<PrintFont>(f));
    device.HeightOfH[static_cast<size_t>(f)] =
        QFontMetrics(fonts[static_cast<size_t>(f)], &printer).height();
  }

  const std::vector<PrintPage> pages = LayOutSchedulePrint(heading, lines, device);
  for (size_t p = 0; p < pages.size(); ++p) {
    if (p > 0 && !printer.newPage()) {
      painter.end();
      return QString::fromLatin1(kPageNotStarted);
    }
    for (const PrintText& text : pages[p]) {
      painter.setFont(fonts[static_cast<size_t>(text.Font)]);
      // The layout places a text by its top; the painter writes on the baseline.
      painter.drawText(text.X, text.Y + painter.fontMetrics().ascent(), ToQString(text.Text));
    }
  }
  if (!painter.end()) return QString::fromLatin1(kJobNotEnded);
  return std::nullopt;
}

std::optional<QString> PrintWidgetAsShown(QPrinter& printer, QWidget& widget, int screenDpiX,
                                          int screenDpiY) {
  QPainter painter;
  if (!painter.begin(&printer)) return QString::fromLatin1(kPrinterNotStarted);
  if (screenDpiX > 0 && screenDpiY > 0) {
    painter.scale(static_cast<double>(printer.logicalDpiX()) / screenDpiX,
                  static_cast<double>(printer.logicalDpiY()) / screenDpiY);
  }
  widget.render(&painter, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  if (!painter.end()) return QString::fromLatin1(kJobNotEnded);
  return std::nullopt;
}

}  // namespace vdbq::gui
