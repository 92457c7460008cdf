#include "gui/window/main_menu.h"

#include <QMenu>

namespace vdbq::gui {
namespace {

constexpr const char* kPageEntries[kButtonCategories][2] = {
    {"PageCpu", "Workstation"}, {"PageSch", "Schedule"},  {"PageJob", "Job"},
    {"PageCal", "Calendar"},    {"PagePar", "Parameter"}, {"PagePro", "Prompt"},
    {"PageRes", "Resource"},    {"PageRep", "Report"},
};

QAction* Add(QMenu* menu, const QString& text, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(text);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

}  // namespace

MainMenu::MainMenu(QMenuBar& bar, QObject* parent) : QObject(parent) {
  bar.setObjectName(QStringLiteral("MainMenu1"));
  QMenu* file = bar.addMenu(QStringLiteral("&File"));
  Minimize = Add(file, QStringLiteral("Minimize"), QKeySequence(Qt::Key_F1));
  Maximize = Add(file, QStringLiteral("Maximize"), QKeySequence(Qt::Key_F12));
  file->addSeparator();
  FtpUpdate = Add(file, QStringLiteral("Run FTP Batch Update"));
  file_ = file;
  fileCommandsEnd_ = file->addSeparator();
  PrintSchedule =
      Add(file, QStringLiteral("&Print Current Schedule"), QKeySequence(Qt::CTRL | Qt::Key_P));
  file->addSeparator();
  SaveSettingsOnExit =
      Add(file, QStringLiteral("&Save Settings On Exit"), QKeySequence(Qt::CTRL | Qt::Key_S));
  SaveSettingsOnExit->setCheckable(true);
  EnableSounds = Add(file, QStringLiteral("Enable Sounds"));
  EnableSounds->setCheckable(true);
  file->addSeparator();
  Exit = Add(file, QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

  // Only features fill the Edit menu; it stays out of the bar until one does.
  edit_ = bar.addMenu(QStringLiteral("&Edit"));
  edit_->menuAction()->setVisible(false);

  QMenu* view = bar.addMenu(QStringLiteral("&View"));
  Refresh = Add(view, QStringLiteral("Refresh"), QKeySequence(Qt::Key_F9));
  view->addSeparator();
  NodeSelectedText = Add(view, QStringLiteral("Node Selected Text..."));
  NodeSelectedBackground = Add(view, QStringLiteral("Node Selected Background..."));
  view->addSeparator();
  Settings = Add(view, QStringLiteral("Settings..."), QKeySequence(Qt::CTRL | Qt::Key_O));

  QMenu* reports = bar.addMenu(QStringLiteral("Standard Reports"));
  reports->setObjectName(QStringLiteral("ReportOptions1"));
  for (const PresetEntry& entry : FixedPresets()) {
    reports->addAction(QString::fromLatin1(entry.Caption), this,
                       [this, entry] { emit presetChosen(entry); });
  }
  reports->addSeparator();
  reports_ = reports;

  QMenu* pages = bar.addMenu(QStringLiteral("Pages"));
  for (int i = 0; i < kButtonCategories; ++i) {
    QAction* action = pages->addAction(QString::fromLatin1(kPageEntries[i][1]));
    action->setObjectName(QString::fromLatin1(kPageEntries[i][0]));
    // Enabled the first time the category's page is shown.
    action->setEnabled(false);
    const PageCategory category = CategoryOfButton(i);
    connect(action, &QAction::triggered, this, [this, category] { emit pageChosen(category); });
    pages_[static_cast<size_t>(i)] = action;
  }
  Title = pages->addAction(QStringLiteral("Title"));
  Title->setObjectName(QStringLiteral("PageTit"));

  QMenu* help = bar.addMenu(QStringLiteral("&Help"));
  Installation =
      Add(help, QStringLiteral("Installation Instructions"), QKeySequence(Qt::CTRL | Qt::Key_I));
  help->addSeparator();
  // Ctrl+A selects all inside a text field, so About has a second key that works everywhere;
  // the menu names both.
  About = Add(help, QStringLiteral("&About"));
  About->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::SHIFT | Qt::Key_F1)});
  About->setText(QStringLiteral("&About\t%1, %2")
                     .arg(About->shortcuts()[0].toString(QKeySequence::NativeText),
                          About->shortcuts()[1].toString(QKeySequence::NativeText)));
}

QAction* MainMenu::PageAction(PageCategory category) const {
  const auto index = ButtonIndex(category);
  return index ? pages_[static_cast<size_t>(*index)] : nullptr;
}

void MainMenu::AddEntry(MenuPlace place, QAction* action) {
  switch (place) {
    case MenuPlace::FileCommands:
      file_->insertAction(fileCommandsEnd_, action);
      return;
    case MenuPlace::ReportsEnd:
      reports_->addAction(action);
      return;
    case MenuPlace::EditFind:
      edit_->addAction(action);
      edit_->menuAction()->setVisible(true);
      return;
    case MenuPlace::TreeDatabase:
    case MenuPlace::TreeScheduleNode:
    case MenuPlace::TreeJobNode:
    case MenuPlace::TreeCalendarNode:
    case MenuPlace::TreeParameterNode:
    case MenuPlace::TreePromptNode:
    case MenuPlace::TreeResourceNode:
      return;
  }
}

}  // namespace vdbq::gui
