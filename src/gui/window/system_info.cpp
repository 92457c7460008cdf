#include "gui/window/system_info.h"

#include <QFile>
#include <QOperatingSystemVersion>
#include <QRegularExpression>
#include <QSysInfo>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vdbq::gui {

std::optional<MemoryFigures> ParseMeminfo(const QString& text) {
  long long total = -1;
  long long available = -1;
  long long free = -1;
  static const QRegularExpression line(QStringLiteral("^(\\w+):\\s+(\\d+)"),
                                       QRegularExpression::MultilineOption);
  auto it = line.globalMatch(text);
  while (it.hasNext()) {
    const auto match = it.next();
    const QString name = match.captured(1);
    const long long value = match.captured(2).toLongLong();
    if (name == QLatin1String("MemTotal")) total = value;
    if (name == QLatin1String("MemAvailable")) available = value;
    if (name == QLatin1String("MemFree")) free = value;
  }
  if (total <= 0) return std::nullopt;
  if (available < 0) available = free;
  if (available < 0) return std::nullopt;
  MemoryFigures figures;
  figures.PhysicalKb = total;
  figures.FreeKb = available;
  figures.LoadPercent = static_cast<int>(100 - (available * 100) / total);
  return figures;
}

std::optional<MemoryFigures> ReadMemoryFigures() {
#ifdef _WIN32
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
  MemoryFigures figures;
  figures.LoadPercent = static_cast<int>(status.dwMemoryLoad);
  figures.PhysicalKb = static_cast<long long>(status.ullTotalPhys / 1024);
  figures.FreeKb = static_cast<long long>(status.ullAvailPhys / 1024);
  return figures;
#else
  QFile file(QStringLiteral("/proc/meminfo"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
  return ParseMeminfo(QString::fromLatin1(file.readAll()));
#endif
}

QString OperatingSystemText() {
  const QOperatingSystemVersion os = QOperatingSystemVersion::current();
  if (os.type() == QOperatingSystemVersion::Windows) {
    return QStringLiteral("Win-NT/2000 V%1.%2").arg(os.majorVersion()).arg(os.minorVersion());
  }
  QString kernel = QSysInfo::kernelType();
  if (!kernel.isEmpty()) kernel[0] = kernel[0].toUpper();
  const QStringList parts = QSysInfo::kernelVersion().split(QLatin1Char('.'));
  const QString version =
      parts.size() >= 2 ? parts[0] + QLatin1Char('.') + parts[1] : QSysInfo::kernelVersion();
  return QStringLiteral("%1 V%2").arg(kernel, version);
}

}  // namespace vdbq::gui
