#pragma once

#include <QString>
#include <optional>

namespace vdbq::gui {

// The memory figures the About box shows, in kilobytes.
struct MemoryFigures {
  int LoadPercent = 0;
  long long PhysicalKb = 0;
  long long FreeKb = 0;
};

// Nothing where the platform does not tell.
std::optional<MemoryFigures> ReadMemoryFigures();

// The operating system as the About box words it, with its version.
QString OperatingSystemText();

// The figures from the text of /proc/meminfo; nothing when its totals are missing.
std::optional<MemoryFigures> ParseMeminfo(const QString& text);

}  // namespace vdbq::gui
