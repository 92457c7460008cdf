#include "gui/text_convert.h"

#include "core/text/display_text.h"

namespace vdbq::gui {

QString ToQString(std::string_view bytes) { return QString::fromStdString(DisplayText(bytes)); }

std::string ToBytes(const QString& text) { return text.toStdString(); }

}  // namespace vdbq::gui
