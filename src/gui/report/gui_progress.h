#pragma once

#include <QElapsedTimer>

#include "core/extracts/progress.h"

namespace vdbq::gui {

// The report progress hook of the desktop program: a few times a second it lets pending
// window events run, so the window repaints, the busy indicator moves and clicks are handled
// while a long report scans.
class GuiProgress : public Progress {
 public:
  GuiProgress();
  void Tick() override;
  // How often events ran during the current report; for tests.
  int EventPasses() const { return passes_; }
  void Reset();
  // How long the scan runs between two event passes; a tenth of a second by default.
  void SetEventInterval(qint64 ms) { intervalMs_ = ms; }

 private:
  QElapsedTimer timer_;
  unsigned ticks_ = 0;
  int passes_ = 0;
  qint64 intervalMs_ = 100;
};

}  // namespace vdbq::gui
