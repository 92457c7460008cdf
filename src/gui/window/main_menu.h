#pragma once

#include <QAction>
#include <QMenuBar>
#include <QObject>
#include <array>
#include <vector>

#include "core/reports/report_presets.h"
#include "gui/category_navigation.h"

namespace vdbq::gui {

// MainMenu1: the File, View, Standard Reports, Pages and Help menus. The actions are wired by
// the main window.
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
  QAction* CheckDatabase;
  QAction* NodeSelectedText;
  QAction* NodeSelectedBackground;
  QAction* Settings;
  QAction* Title;
  QAction* Installation;
  QAction* About;

  // The Pages entry of a category with a button.
  QAction* PageAction(PageCategory category) const;

 signals:
  void pageChosen(vdbq::gui::PageCategory category);
  void presetChosen(const vdbq::PresetEntry& entry);

 private:
  std::array<QAction*, kButtonCategories> pages_{};
};

}  // namespace vdbq::gui
