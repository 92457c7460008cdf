#include "gui/transfer/transfer_runner.h"

#include <QApplication>
#include <QWidget>
#include <system_error>

#include "core/transfer/ftp_scripts.h"
#include "gui/text_convert.h"
#include "gui/transfer/transfer_dialog.h"
#include "gui/widgets/busy_indicator.h"
#include "platform/qprocess_runner.h"

namespace vdbq::gui {
namespace {

// How often the client is looked at; between the looks the window handles its events.
constexpr int kPollMs = 100;

QString AuditFailureText(const std::system_error& error) {
  return QStringLiteral("The audit log could not be written: %1").arg(ToQString(error.what()));
}

}  // namespace

TransferRunner::TransferRunner(Session& session, BusyIndicator& strobe,
                               std::function<void(Sound)> playSound, Reload reload,
                               std::function<void(const QString&)> showMessage,
                               QWidget* dialogParent)
    : QObject(dialogParent),
      session_(session),
      strobe_(strobe),
      playSound_(std::move(playSound)),
      reload_(std::move(reload)),
      showMessage_(std::move(showMessage)) {
  dialog_ = new TransferDialog([this] { playSound_(Sound::Blip); }, dialogParent);
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &TransferRunner::Poll);
}

TransferRunner::~TransferRunner() {
  // The window's parts may be gone already: only the client and the scripts are seen to.
  poll_.stop();
  if (!Running()) return;
  sequence_.reset();
  client_.reset();
  QApplication::restoreOverrideCursor();
}

bool TransferRunner::Request() {
  if (Running()) return false;
  playSound_(Sound::Error);
  if (!dialog_->Ask(ToQString(TransferPrompt(session_.Settings)))) return false;
  Begin();
  return true;
}

void TransferRunner::Begin() {
  EnsureDirectories(session_.Settings);
  client_ = std::make_unique<QProcessRunner>();
  sequence_ =
      std::make_unique<TransferSequence>(session_.Settings, *client_, session_.Audit, timeLimit_);
  sequence_->SetStatusListener(
      [this](const std::string& text) { emit statusChanged(ToQString(text)); });
  QApplication::setOverrideCursor(Qt::BusyCursor);
  strobe_.Start();
  try {
    sequence_->Start();
  } catch (const std::system_error& error) {
    // Nothing was fetched: the scripts go, and the extracts stay as they are.
    Release();
    const QString text = AuditFailureText(error);
    emit statusChanged(text);
    emit finished(false);
    showMessage_(text);
    return;
  }
  // A start that failed ends at the first look.
  poll_.start();
}

void TransferRunner::Poll() {
  if (sequence_ && sequence_->WaitStep(std::chrono::milliseconds(0))) End();
}

void TransferRunner::Stop() {
  if (Running()) End();
}

void TransferRunner::End() {
  poll_.stop();
  // Taken out first, so that the transfer counts as ended while the reload may show a message.
  std::unique_ptr<TransferSequence> sequence = std::move(sequence_);
  std::unique_ptr<ProcessRunner> client = std::move(client_);
  strobe_.Stop();
  QApplication::restoreOverrideCursor();
  outcome_ = TransferOutcome{};
  QString auditFailure;
  reload_([&] {
    try {
      outcome_ = sequence->Finish(session_.Store, session_.Catalogue);
      return outcome_.StatusText;
    } catch (const std::system_error& error) {
      // The failure's audit line was lost; the reload still follows.
      auditFailure = AuditFailureText(error);
      return vdbq::RefreshCatalogue(session_.Settings.DatabaseDir, session_.Store,
                                    session_.Catalogue);
    }
  });
  sequence.reset();
  if (!auditFailure.isEmpty()) emit statusChanged(auditFailure);
  emit finished(outcome_.Succeeded);
  if (!auditFailure.isEmpty()) showMessage_(auditFailure);
}

void TransferRunner::Release() {
  poll_.stop();
  sequence_.reset();
  client_.reset();
  strobe_.Stop();
  QApplication::restoreOverrideCursor();
}

}  // namespace vdbq::gui
