#pragma once

#include <QAction>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "gui/session.h"

class QWidget;

namespace vdbq::gui {

class ChangesPage;
class Desktop;

// "Compare With Previous Extracts" (the newest kept set against the database in use),
// "Compare With Folder..." (any folder holding the seven extracts) and the Changes page's CSV
// export.
class ChangesCommands : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<void(const QString&)> SetStatus;
    std::function<void()> ShowPage;
    std::function<void(const QString&)> ShowError;
    // The folder the user chose; nothing when the dialog was cancelled. Empty: a folder dialog.
    std::function<std::optional<QString>()> PickFolder;
  };

  ChangesCommands(Session& session, ChangesPage& page, Desktop& desktop, QWidget* window,
                  Hooks hooks);

  QAction* CompareWithPrevious;
  QAction* CompareWithFolder;

  // Compares oldDir (ending with a separator) with the database directory in use and shows
  // the Changes page; false, with the reason shown, when either cannot be loaded.
  bool CompareWith(const std::string& oldDir);
  bool ComparePrevious();
  bool CompareFolder();
  void ExportCsv();

 private:
  Session& session_;
  ChangesPage& page_;
  Desktop& desktop_;
  QWidget* window_;
  Hooks hooks_;
};

}  // namespace vdbq::gui
