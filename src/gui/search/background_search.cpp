#include "gui/search/background_search.h"

#include <utility>

namespace vdbq::gui {

BackgroundSearch::BackgroundSearch(std::function<void(FoundLines)> found, QObject* parent)
    : QObject(parent), found_(std::move(found)) {
  // One thread: a stopped search ends within a megabyte, so the next one waits for no more.
  pool_.setMaxThreadCount(1);
}

BackgroundSearch::~BackgroundSearch() { Stop(); }

void BackgroundSearch::Start(Search search) {
  current_.request_stop();
  current_ = std::stop_source();
  const unsigned long long generation = ++generation_;
  pending_ = true;
  pool_.start([this, search = std::move(search), stop = current_.get_token(), generation] {
    if (stop.stop_requested()) return;
    FoundLines lines = search(stop);
    if (stop.stop_requested()) return;
    QMetaObject::invokeMethod(
        this,
        [this, generation, lines = std::move(lines)]() mutable {
          if (generation != generation_) return;
          pending_ = false;
          found_(std::move(lines));
        },
        Qt::QueuedConnection);
  });
}

void BackgroundSearch::Prepare(std::function<void()> work) { pool_.start(std::move(work)); }

void BackgroundSearch::Stop() {
  current_.request_stop();
  ++generation_;
  pending_ = false;
  pool_.waitForDone();
}

}  // namespace vdbq::gui
