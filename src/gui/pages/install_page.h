#pragma once

#include <QScrollArea>

#include "gui/widgets/colour_memo.h"

namespace vdbq::gui {

// The installation page TabInstall: the steps that set up the extract on the master and the
// transfer, with the extract script ready to copy.
class InstallPage : public QScrollArea {
  Q_OBJECT
 public:
  explicit InstallPage(QWidget* parent = nullptr);

  ColourMemo* ScriptMemo() const { return script_; }

 signals:
  // The script was clicked: its text without the separators is to go to the clipboard.
  void scriptCopyRequested();

 private:
  ColourMemo* script_ = nullptr;
};

}  // namespace vdbq::gui
