#include "gui/transfer/fetch_progress_dialog.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "core/transfer/ftp_scripts.h"

namespace vdbq::gui {
namespace {

// The bars count in thousandths, as a file's bytes may not fit an int.
constexpr int kBarSteps = 1000;

}  // namespace

FetchProgressDialog::FetchProgressDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fetchProgressDialog"));
  setMinimumWidth(420);
  auto* files = new QFormLayout;
  for (const char* name : kFetchOrder) {
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QString::fromLatin1(name));
    bars_.push_back(bar);
    files->addRow(QString::fromLatin1(name), bar);
  }
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("ButCancelFetch"));
  connect(cancel_, &QPushButton::clicked, this, &FetchProgressDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(files);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
}

void FetchProgressDialog::Begin(const QString& protocol) {
  setWindowTitle(QStringLiteral("Fetching The Extracts By %1...").arg(protocol));
  for (QProgressBar* bar : bars_) {
    bar->setRange(0, kBarSteps);
    bar->setValue(0);
    bar->setFormat(QStringLiteral("%p%"));
  }
  cancel_->setEnabled(true);
}

void FetchProgressDialog::Show(const fetch::FileProgress& progress) {
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    if (progress.FileName != kFetchOrder[i]) continue;
    QProgressBar* bar = bars_[i];
    const QString bytes = QStringLiteral("%1 bytes").arg(progress.Bytes);
    if (progress.Total && *progress.Total > 0) {
      bar->setRange(0, kBarSteps);
      bar->setValue(static_cast<int>(progress.Bytes * kBarSteps / *progress.Total));
      bar->setFormat(QStringLiteral("%1 of %2").arg(bytes).arg(*progress.Total));
    } else {
      bar->setRange(0, progress.Finished ? 1 : 0);
      bar->setValue(progress.Finished ? 1 : 0);
      bar->setFormat(bytes);
    }
  }
}

void FetchProgressDialog::reject() {
  // Closed only by the end of the transfer, which Cancel brings about within a moment.
  cancel_->setEnabled(false);
  emit cancelRequested();
}

}  // namespace vdbq::gui
