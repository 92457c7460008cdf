#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/catalogue/object_kind.h"
#include "gui/category_navigation.h"
#include "gui/session.h"

class QAction;
class QWidget;

namespace vdbq::gui {

class Desktop;

// The places in the window's menus where a feature adds its entries, in the order it adds them.
enum class MenuPlace {
  FileCommands,      // the File menu, after "Run FTP Batch Update"
  ReportsEnd,        // the end of the Standard Reports menu, after its separator
  TreeDatabase,      // the tree's pop-up menu, after "Reports"; shown on headings only
  TreeScheduleNode,  // the end of the tree pop-up's Schedule sub-menu, for schedule nodes
  EditFind,          // the Edit menu, shown once it holds an entry
  // The ends of the other kinds' sub-menus, for their nodes.
  TreeJobNode,
  TreeCalendarNode,
  TreeParameterNode,
  TreePromptNode,
  TreeResourceNode,
};

// What a feature reaches of the main window. A feature is one XxxCommands object that owns its
// page, its actions and its menu entries and joins the window through this interface alone.
class DesktopHost {
 public:
  virtual const Session& State() const = 0;
  // The parent of the feature's pages, dialogs and windows.
  virtual QWidget* Window() = 0;
  virtual Desktop& Dialogs() const = 0;
  // A report or a transfer runs: the extracts are not to be read anew or replaced.
  virtual bool Busy() const = 0;
  // Shown at once, also before a long step.
  virtual void SetStatus(const QString& text) = 0;
  // Puts an error in front of the user.
  virtual void ShowMessage(const QString& text) = 0;
  virtual void AddMenuEntry(MenuPlace place, QAction* action) = 0;
  virtual void AddStatusWidget(QWidget* widget) = 0;
  // A page of a category without a button joins the page area; ShowPage shows it, leaving the
  // category buttons as they are.
  virtual void AddPage(PageCategory category, QWidget* page) = 0;
  virtual void ShowPage(PageCategory category) = 0;
  // Selects the object's node in the catalogue tree, which shows its page; false when the tree
  // has no such node.
  virtual bool OpenObject(ObjectKind kind, const std::string& key) = 0;
  // `handler` runs after every load of the extracts (the first, Refresh, the end of a transfer),
  // failed or not, once the tree and the totals show what was loaded: a feature's window that
  // shows the database catches up with it there.
  virtual void AddDatabaseLoadedHandler(std::function<void()> handler) = 0;
  // `handler` runs before every load replaces the extracts: a feature that reads them off the
  // interface thread, or keeps views into them, stops and lets go there.
  virtual void AddDatabaseUnloadingHandler(std::function<void()> handler) = 0;

 protected:
  ~DesktopHost() = default;
};

}  // namespace vdbq::gui
