#include "platform/qsettings_store.h"

#include <QByteArray>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace vdbq {

QString DefaultSettingsIniPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/VarnoltDBQ/VarnoltDBQ.ini");
}

QString SettingsLocation() {
#ifdef _WIN32
  return QStringLiteral("HKEY_CURRENT_USER\\VarnoltDBQ");
#else
  return DefaultSettingsIniPath();
#endif
}

namespace {

constexpr char kGroupPrefix[] = "Settings/";

QString Key(const std::string& name) {
  return QString::fromLatin1(kGroupPrefix) + QString::fromStdString(name);
}

// Qt's native format would put an organisation's key under Software; the program's key sits
// directly under the user's hive.
std::unique_ptr<QSettings> UserSettings() {
#ifdef _WIN32
  return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\VarnoltDBQ"),
                                     QSettings::NativeFormat);
#else
  return std::make_unique<QSettings>(DefaultSettingsIniPath(), QSettings::IniFormat);
#endif
}

}  // namespace

QSettingsStore::QSettingsStore() : settings_(UserSettings()) {}

QSettingsStore::QSettingsStore(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

QSettingsStore::~QSettingsStore() = default;

std::optional<std::string> QSettingsStore::Read(const std::string& name) const {
  const QVariant value = settings_->value(Key(name));
  if (!value.isValid()) return std::nullopt;
  if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().toStdString();
  // A hand-edited INI value with a bare comma reads as a list.
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QLatin1Char(',')).toLocal8Bit().toStdString();
  }
  return value.toString().toLocal8Bit().toStdString();
}

// Values are text in the system's 8-bit encoding. Bytes that do not survive the trip through
// that encoding (a scrambled password, usually) are kept as a byte array, which the store still
// writes as text.
void QSettingsStore::Write(const std::string& name, const std::string& value) {
  const QByteArray bytes = QByteArray::fromStdString(value);
  const QString text = QString::fromLocal8Bit(bytes);
  if (text.toLocal8Bit() == bytes) {
    settings_->setValue(Key(name), text);
  } else {
    settings_->setValue(Key(name), bytes);
  }
}

void QSettingsStore::Sync() { settings_->sync(); }

}  // namespace vdbq
