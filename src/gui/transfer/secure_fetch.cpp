#include "gui/transfer/secure_fetch.h"

#include "platform/secure_module_loader.h"

namespace vdbq::gui {

SecureFetch::SecureFetch(const fetch::FetchRequest& request, int keep, QObject* context,
                         ShowProgress showProgress, std::function<void()> ended) {
  worker_ = std::thread([this, request, keep, context, showProgress = std::move(showProgress),
                         ended = std::move(ended)] {
    const auto onProgress = [context, &showProgress](const fetch::FileProgress& progress) {
      QMetaObject::invokeMethod(
          context, [showProgress, progress] { showProgress(progress); }, Qt::QueuedConnection);
    };
    fetched_ = FetchExtractsSecurely(request, keep, onProgress, &cancel_);
    QMetaObject::invokeMethod(context, ended, Qt::QueuedConnection);
  });
}

SecureFetch::~SecureFetch() {
  Cancel();
  if (worker_.joinable()) worker_.join();
}

const fetch::ExtractsFetched& SecureFetch::Finish() {
  if (worker_.joinable()) worker_.join();
  return fetched_;
}

}  // namespace vdbq::gui
