#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>

#include "core/impact/object_impact.h"

namespace vdbq::gui {

// Runs removal checks off the interface thread, one after the other, and hands on only the
// newest one's impact, on the interface thread. A check cannot stop halfway, so a newer request
// drops the older result rather than the work.
class BackgroundRemovalCheck : public QObject {
  Q_OBJECT
 public:
  using Check = std::function<ObjectImpact()>;
  BackgroundRemovalCheck(std::function<void(ObjectImpact)> checked, QObject* parent);
  ~BackgroundRemovalCheck() override;

  void Start(Check check);
  // Work a later check needs done first (the check of the database as loaded); nothing is
  // handed on.
  void Prepare(std::function<void()> work);
  // Nothing started so far is handed on.
  void Drop();
  // Drop, then waits for the running check to end: the extracts may be replaced after it.
  void Stop();
  // Waits for every check started to end; their results still come through the event loop.
  void Wait();

 private:
  std::function<void(ObjectImpact)> checked_;
  QThreadPool pool_;
  // Read by the worker too, which skips a check dropped before it began.
  std::atomic<unsigned long long> generation_ = 0;
};

}  // namespace vdbq::gui
