#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vdbq::gui {

// Extract bytes for display: UTF-8 when they are valid UTF-8, else Latin-1.
QString ToQString(std::string_view bytes);
// What the user typed, as the bytes the core compares with the extracts.
std::string ToBytes(const QString& text);

}  // namespace vdbq::gui
