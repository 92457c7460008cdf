#include "gui/transfer/transfer_runner.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <filesystem>
#include <system_error>

#include "core/transfer/ftp_scripts.h"
#include "fetch/secure_transfer.h"
#include "gui/text_convert.h"
#include "gui/transfer/fetch_progress_dialog.h"
#include "gui/transfer/secure_fetch.h"
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
  progress_ = new FetchProgressDialog(dialogParent);
  connect(progress_, &FetchProgressDialog::cancelRequested, this, [this] {
    if (fetch_) fetch_->Cancel();
  });
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &TransferRunner::Poll);
}

TransferRunner::~TransferRunner() {
  // The window's parts may be gone already: only the client and the scripts are seen to.
  poll_.stop();
  fetch_.reset();
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
  const auto protocol = fetch::ProtocolFromName(session_.Settings.TransferProtocol);
  if (!protocol) {
    // Never plain FTP in place of a protocol the settings name wrongly.
    showMessage_(QStringLiteral("TransferProtocol is ftp, ftps or sftp, not \"%1\"")
                     .arg(ToQString(session_.Settings.TransferProtocol)));
    return;
  }
  if (*protocol != fetch::Protocol::kFtp) {
    BeginSecure(*protocol, fetch::UnknownHostKey::kRefuse, "");
    return;
  }
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
  if (fetch_) {
    fetch_->Cancel();
    EndSecure(false);
  } else if (Running()) {
    End();
  }
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

namespace vdbq::gui {

void TransferRunner::BeginSecure(fetch::Protocol protocol, fetch::UnknownHostKey onUnknownHostKey,
                                 const std::string& acceptedFingerprint) {
  EnsureDirectories(session_.Settings);
  Settings settings = session_.Settings;
  settings.DatabaseDir = std::filesystem::absolute(settings.DatabaseDir).string();
  auto request = fetch::RequestFromSettings(settings, protocol);
  if (!request) {
    showMessage_(QStringLiteral("No valid host set (a host, optionally a blank and a port)"));
    return;
  }
  request->OnUnknownHostKey = onUnknownHostKey;
  request->AcceptedFingerprint = acceptedFingerprint;
  emit statusChanged(QStringLiteral("Processing... Please Wait..."));
  strobe_.Start();
  progress_->Begin(ToQString(fetch::ProtocolLabel(protocol)));
  progress_->show();
  fetchProtocol_ = protocol;
  // A call queued by a fetch that Stop has ended already arrives late and is dropped.
  const int number = ++fetchNumber_;
  const auto current = [this, number] { return fetch_ && number == fetchNumber_; };
  fetch_ = std::make_unique<SecureFetch>(
      *request, settings.KeepPreviousExtracts, this,
      [this, current](const fetch::FileProgress& progress) {
        if (current()) progress_->Show(progress);
      },
      [this, current] {
        if (current()) EndSecure(true);
      });
}

void TransferRunner::EndSecure(bool mayAsk) {
  const fetch::Protocol protocol = fetchProtocol_;
  std::unique_ptr<SecureFetch> fetch = std::move(fetch_);
  const fetch::ExtractsFetched fetched = fetch->Finish();
  fetch.reset();
  progress_->hide();
  strobe_.Stop();
  const fetch::FetchResult& result = fetched.Result;
  if (mayAsk && result.Status == fetch::FetchStatus::kUnknownHostKey) {
    if (const auto accepted = AskAboutHostKey(result)) {
      BeginSecure(protocol, *accepted, result.Fingerprint);
      return;
    }
  }
  outcome_ = TransferOutcome{};
  QString auditFailure;
  reload_([&] {
    try {
      outcome_ = fetch::ConcludeSecureTransfer(session_.Settings, protocol, fetched, session_.Audit,
                                               session_.Store, session_.Catalogue);
      return outcome_.StatusText;
    } catch (const std::system_error& error) {
      auditFailure = AuditFailureText(error);
      return vdbq::RefreshCatalogue(session_.Settings.DatabaseDir, session_.Store,
                                    session_.Catalogue);
    }
  });
  if (!auditFailure.isEmpty()) emit statusChanged(auditFailure);
  emit finished(outcome_.Succeeded);
  if (!auditFailure.isEmpty()) {
    showMessage_(auditFailure);
  } else if (result.Status == fetch::FetchStatus::kChangedHostKey) {
    showMessage_(ToQString(result.Reason) +
                 QStringLiteral(".\n\nIf the host's key was really replaced, remove its old line "
                                "from the known hosts file; the host now offers %1.")
                     .arg(ToQString(result.Fingerprint)));
  }
}

std::optional<fetch::UnknownHostKey> TransferRunner::AskAboutHostKey(
    const fetch::FetchResult& refusal) {
  QMessageBox question(QMessageBox::Question, QStringLiteral("Unknown Host Key"),
                       QStringLiteral("The host's key is not known yet. Its fingerprint is\n%1\n"
                                      "Accept it only if it is the one the host's administrator "
                                      "gives.")
                           .arg(ToQString(refusal.Fingerprint)),
                       QMessageBox::Cancel, qobject_cast<QWidget*>(parent()));
  question.setObjectName(QStringLiteral("hostKeyQuestion"));
  QPushButton* once = question.addButton(QStringLiteral("Accept Once"), QMessageBox::AcceptRole);
  QPushButton* remember =
      question.addButton(QStringLiteral("Accept And Remember"), QMessageBox::AcceptRole);
  question.exec();
  if (question.clickedButton() == once) return fetch::UnknownHostKey::kAcceptOnce;
  if (question.clickedButton() == remember) return fetch::UnknownHostKey::kAcceptAndRemember;
  return std::nullopt;
}

}  // namespace vdbq::gui
