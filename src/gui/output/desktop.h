#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace vdbq::gui {

// What the program asks of the user and of the desktop around it: the save, yes/no, colour
// and information dialogs, the default handler of a file, and the printer. The program uses
// the Qt dialogs and the platform's services; tests answer from a script.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // The file the user chose in a save dialog that starts in `directory`; nothing when the
  // dialog was cancelled. `filter` is "description|pattern|description|pattern". The dialog
  // adds no extension and does not ask about overwriting.
  virtual std::optional<QString> AskSaveFileName(QWidget* parent, const QString& title,
                                                 const QString& directory,
                                                 const QString& filter) = 0;
  // A Yes/No confirmation; true for Yes. Line breaks in `question` are CR.
  virtual bool AskYesNo(QWidget* parent, const QString& question) = 0;
  // The colour chosen, or nothing when the dialog was cancelled.
  virtual std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) = 0;
  // An information box with an OK button.
  virtual void Inform(QWidget* parent, const QString& text) = 0;
  // Hands the file to whatever the desktop opens such files with; no answer is awaited.
  virtual void OpenWithDefaultHandler(const QString& path) = 0;
  // Points the printer at the user's current printer; the message to show when there is none.
  virtual std::optional<QString> SetUpPrinter(QPrinter& printer) = 0;
};

// The Qt dialogs, QDesktopServices and the default printer.
class QtDesktop : public Desktop {
 public:
  std::optional<QString> AskSaveFileName(QWidget* parent, const QString& title,
                                         const QString& directory, const QString& filter) override;
  bool AskYesNo(QWidget* parent, const QString& question) override;
  std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) override;
  void Inform(QWidget* parent, const QString& text) override;
  void OpenWithDefaultHandler(const QString& path) override;
  std::optional<QString> SetUpPrinter(QPrinter& printer) override;
};

// A "description|pattern|..." filter as a Qt file dialog filter. The patterns match either
// case, as they do on the file systems the filters were written for.
QString QtFileFilter(const QString& filter);

}  // namespace vdbq::gui
