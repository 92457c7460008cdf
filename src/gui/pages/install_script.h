#pragma once

#include <string>
#include <vector>

namespace vdbq::gui {

// The extract script as the installation page shows it, framed by two separator lines.
const std::vector<std::string>& ExtractScriptLines();

// What "Copy Script To Clipboard" copies: the script without its two separator lines, one
// line per line.
std::string ExtractScriptText();

}  // namespace vdbq::gui
