#pragma once

#include <QAction>
#include <QMenuBar>
#include <QObject>
#include <array>
#include <vector>

#include "core/reports/report_presets.h"
#include "gui/category_navigation.h"
#include "gui/desktop_host.h"

namespace vdbq::gui {

// MainMenu1: the File, Edit, View, Standard Reports, Pages and Help menus. The actions are wired by
// the main window; features add theirs at the named places.
class MainMenu : public QObject {
  Q_OBJECT
 public:
  MainMenu(QMenuBar& bar, QObject* parent = nullptr);

  QAction* Minimize;
  QAction* Maximize;
  QAction* FtpUpdate;
  QAction* PrintSchedule;
  QAction* SaveSettingsOnExit;
  QAction* EnableSounds;
  QAction* Exit;
  QAction* Refresh;
  QAction* NodeSelectedText;
  QAction* NodeSelectedBackground;
  QAction* Settings;
  QAction* Title;
  QAction* Installation;
  QAction* About;

  // The Pages entry of a category with a button.
  QAction* PageAction(PageCategory category) const;
  // Adds a feature's entry at a place of the menu bar (not one of the tree's places).
  void AddEntry(MenuPlace place, QAction* action);

 signals:
  void pageChosen(vdbq::gui::PageCategory category);
  void presetChosen(const vdbq::PresetEntry& entry);

 private:
  std::array<QAction*, kButtonCategories> pages_{};
  QMenu* file_;
  QAction* fileCommandsEnd_;
  QMenu* reports_;
  QMenu* edit_;
};

}  // namespace vdbq::gui
