#include "gui/report/gui_progress.h"

#include <QCoreApplication>

namespace vdbq::gui {
namespace {

// Reading the clock on every line would cost more than some scans themselves.
constexpr unsigned kTicksPerClockRead = 256;

}  // namespace

GuiProgress::GuiProgress() { timer_.start(); }

void GuiProgress::Reset() {
  ticks_ = 0;
  passes_ = 0;
  timer_.restart();
}

void GuiProgress::Tick() {
  if (++ticks_ % kTicksPerClockRead != 0) return;
  if (timer_.elapsed() < intervalMs_) return;
  timer_.restart();
  ++passes_;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace vdbq::gui
