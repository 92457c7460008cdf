#pragma once

#include <QAction>
#include <QObject>
#include <string>

namespace vdbq::gui {

class ChangesPage;
class DesktopHost;

// "Compare With Previous Extracts" (the newest kept set against the database in use),
// "Compare With Folder..." (any folder holding the seven extracts) in the File menu, the
// Changes page, and its CSV export.
class ChangesCommands : public QObject {
  Q_OBJECT
 public:
  ChangesCommands(DesktopHost& host, QObject* parent);

  QAction* CompareWithPrevious;
  QAction* CompareWithFolder;

  // Compares oldDir (ending with a separator) with the database directory in use and shows
  // the Changes page; false, with the reason shown, when either cannot be loaded.
  bool CompareWith(const std::string& oldDir);
  bool ComparePrevious();
  bool CompareFolder();
  void ExportCsv();

  ChangesPage* Page() const { return page_; }

 private:
  // The status line and a message both say why nothing was compared.
  void Refuse(const QString& reason);

  DesktopHost& host_;
  ChangesPage* page_;
};

}  // namespace vdbq::gui
