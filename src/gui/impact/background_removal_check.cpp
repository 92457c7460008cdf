#include "gui/impact/background_removal_check.h"

#include <utility>

namespace vdbq::gui {

BackgroundRemovalCheck::BackgroundRemovalCheck(std::function<void(ObjectImpact)> checked,
                                               QObject* parent)
    : QObject(parent), checked_(std::move(checked)) {
  // One thread: the check already runs its parts side by side.
  pool_.setMaxThreadCount(1);
}

BackgroundRemovalCheck::~BackgroundRemovalCheck() { Stop(); }

void BackgroundRemovalCheck::Start(Check check) {
  const unsigned long long generation = ++generation_;
  pool_.start([this, check = std::move(check), generation] {
    if (generation != generation_) return;
    ObjectImpact impact = check();
    QMetaObject::invokeMethod(
        this,
        [this, generation, impact = std::move(impact)]() mutable {
          if (generation == generation_) checked_(std::move(impact));
        },
        Qt::QueuedConnection);
  });
}

void BackgroundRemovalCheck::Prepare(std::function<void()> work) { pool_.start(std::move(work)); }

void BackgroundRemovalCheck::Drop() { ++generation_; }

void BackgroundRemovalCheck::Stop() {
  Drop();
  pool_.waitForDone();
}

void BackgroundRemovalCheck::Wait() { pool_.waitForDone(); }

}  // namespace vdbq::gui
