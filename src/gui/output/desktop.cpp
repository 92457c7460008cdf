#include "gui/output/desktop.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QUrl>

namespace vdbq::gui {

QString QtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const int open = description.lastIndexOf(QLatin1Char('('));
    if (open > 0 && description.endsWith(QLatin1Char(')'))) {
      description = description.left(open).trimmed();
    }
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      for (const QString& spelling : {pattern.toLower(), pattern.toUpper()}) {
        if (!patterns.contains(spelling)) patterns << spelling;
      }
    }
    entries << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtDesktop::AskSaveFileName(QWidget* parent, const QString& title,
                                                  const QString& directory, const QString& filter) {
  const QString name = QFileDialog::getSaveFileName(parent, title, directory, QtFileFilter(filter),
                                                    nullptr, QFileDialog::DontConfirmOverwrite);
  if (name.isEmpty()) return std::nullopt;
  return name;
}

bool QtDesktop::AskYesNo(QWidget* parent, const QString& question) {
  QString text = question;
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QColor> QtDesktop::PickColour(QWidget* parent, const QColor& initial) {
  const QColor chosen = QColorDialog::getColor(initial, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

void QtDesktop::Inform(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QStringLiteral("Information"), text);
}

void QtDesktop::OpenWithDefaultHandler(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::optional<QString> QtDesktop::SetUpPrinter(QPrinter& printer) {
  const QPrinterInfo current = QPrinterInfo::defaultPrinter();
  if (current.isNull()) return QStringLiteral("There is no default printer currently selected");
  printer.setPrinterName(current.printerName());
  return std::nullopt;
}

}  // namespace vdbq::gui
