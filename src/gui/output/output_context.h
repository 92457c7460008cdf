#pragma once

#include <QString>
#include <functional>

#include "gui/output/desktop.h"
#include "gui/session.h"

class QWidget;

namespace vdbq::gui {

// What the output commands work with: the run's state, the window their dialogs belong to,
// the desktop, and the status bar and error box of the main window.
struct OutputContext {
  Session& State;
  QWidget* Window;
  Desktop& Dialogs;
  // Sets the status text and shows it at once.
  std::function<void(const QString&)> SetStatus;
  std::function<void(const QString&)> ShowError;
};

}  // namespace vdbq::gui
