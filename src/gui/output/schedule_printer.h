#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/output/schedule_print.h"

class QPrinter;
class QWidget;

namespace vdbq::gui {

// Prints the schedule's definition lines under their heading, page by page, on a printer that
// is set up already; the message to show when the printer fails.
std::optional<QString> PrintSchedulePages(QPrinter& printer, const ScheduleHeading& heading,
                                          const std::vector<std::string>& lines);

// Paints the widget as it is shown into the top left corner of one page, each screen pixel at
// its size on the screen (`screenDpiX`, `screenDpiY`); the message when the printer fails.
std::optional<QString> PrintWidgetAsShown(QPrinter& printer, QWidget& widget, int screenDpiX,
                                          int screenDpiY);

}  // namespace vdbq::gui
