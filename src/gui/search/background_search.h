#pragma once

#include <QObject>
#include <QThreadPool>
#include <functional>
#include <stop_token>

#include "gui/search/found_lines.h"

namespace vdbq::gui {

// Runs searches off the interface thread, one after the other: a newer search asks the older
// one to stop, and only the newest one's lines are handed on, on the interface thread.
class BackgroundSearch : public QObject {
  Q_OBJECT
 public:
  using Search = std::function<FoundLines(std::stop_token)>;
  BackgroundSearch(std::function<void(FoundLines)> found, QObject* parent);
  ~BackgroundSearch() override;

  void Start(Search search);
  // Work a later search needs done first (building its corpus); nothing is handed on.
  void Prepare(std::function<void()> work);
  // Stops the running search and waits for it to end; nothing it found is handed on. The
  // extracts may be replaced after it.
  void Stop();
  // A search has started whose lines have not been handed on yet.
  bool Pending() const { return pending_; }

 private:
  std::function<void(FoundLines)> found_;
  QThreadPool pool_;
  std::stop_source current_;
  unsigned long long generation_ = 0;
  bool pending_ = false;
};

}  // namespace vdbq::gui
