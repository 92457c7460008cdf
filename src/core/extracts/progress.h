#pragma once

namespace vdbq {

// Long scans over the extracts call Tick() for every line they examine. It must be cheap: the
// desktop program throttles it to repaint the busy indicator a few times a second.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void Tick() {}
};

}  // namespace vdbq
