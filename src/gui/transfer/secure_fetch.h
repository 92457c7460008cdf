#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

#include "fetch/extract_fetch.h"

namespace vdbq::gui {

// FetchExtractsSecurely on a worker thread, so the window stays usable and Cancel can stop it.
// Progress and the end are handed to context's thread (the GUI thread) as queued calls; a call that
// arrives after context is gone is dropped.
class SecureFetch {
 public:
  using ShowProgress = std::function<void(const fetch::FileProgress&)>;

  SecureFetch(const fetch::FetchRequest& request, int keep, QObject* context,
              ShowProgress showProgress, std::function<void()> ended);
  // Cancels a fetch still running and waits for the worker.
  ~SecureFetch();
  SecureFetch(const SecureFetch&) = delete;
  SecureFetch& operator=(const SecureFetch&) = delete;

  void Cancel() { cancel_ = true; }
  // Waits for the worker (at once when the end has arrived) and gives what it fetched.
  const fetch::ExtractsFetched& Finish();

 private:
  std::atomic<bool> cancel_{false};
  fetch::ExtractsFetched fetched_;
  std::thread worker_;
};

}  // namespace vdbq::gui
