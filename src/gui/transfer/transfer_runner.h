#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/transfer/process_runner.h"
#include "core/transfer/transfer_sequence.h"
#include "fetch/fetch_request.h"
#include "gui/resources/sounds.h"
#include "gui/session.h"

class QWidget;

namespace vdbq::gui {

class BusyIndicator;
class FetchProgressDialog;
class SecureFetch;
class TransferDialog;

// "Run FTP Batch Update": asks in the confirmation dialog, then runs the transfer while the window
// stays usable. A timer waits for the client in short steps and the busy indicator runs meanwhile;
// once the client has ended, the extracts and the catalogue are reloaded as Refresh does. By SFTP
// or FTPS the extracts are fetched in-process on a worker thread instead, with a progress bar
// per file and Cancel; an unknown host key is shown to the user, who may accept it.
class TransferRunner : public QObject {
  Q_OBJECT
 public:
  // Rebuilds the tree, totals and title page around load, which reloads the extracts and
  // returns the status text; a load that throws ExtractFileError is shown as Refresh shows it.
  using Reload = std::function<void(const std::function<std::string()>& load)>;

  // showMessage puts a failure in front of the user (a message box in the program).
  TransferRunner(Session& session, BusyIndicator& strobe, std::function<void(Sound)> playSound,
                 Reload reload, std::function<void(const QString&)> showMessage,
                 QWidget* dialogParent);
  ~TransferRunner() override;

  // RunBatch1Click: the warning sound, the dialog, and on Yes the start of the transfer. False
  // when one already runs or the user did not confirm.
  bool Request();
  bool Running() const { return sequence_ != nullptr || fetch_ != nullptr; }
  // Ends a running transfer now, as a failure: the client is stopped, the scripts deleted,
  // the audit line written and the extracts reloaded.
  void Stop();

  TransferDialog* Dialog() const { return dialog_; }
  FetchProgressDialog* Progress() const { return progress_; }
  // The outcome of the last transfer that reached its end.
  const TransferOutcome& LastOutcome() const { return outcome_; }
  void SetTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }

 signals:
  void statusChanged(const QString& text);
  // After the reload that ends every started transfer.
  void finished(bool succeeded);

 private:
  void Begin();
  void Poll();
  void End();
  void Release();
  // acceptedFingerprint: the unknown host key the user accepted, and only that one.
  void BeginSecure(fetch::Protocol protocol, fetch::UnknownHostKey onUnknownHostKey,
                   const std::string& acceptedFingerprint);
  // mayAsk: an unknown host key may be put to the user (not when the transfer was stopped).
  void EndSecure(bool mayAsk);
  // The unknown host key's question; nothing when the user refused it.
  std::optional<fetch::UnknownHostKey> AskAboutHostKey(const fetch::FetchResult& refusal);

  Session& session_;
  BusyIndicator& strobe_;
  std::function<void(Sound)> playSound_;
  Reload reload_;
  std::function<void(const QString&)> showMessage_;
  TransferDialog* dialog_;
  FetchProgressDialog* progress_;
  std::chrono::milliseconds timeLimit_ = kClientTimeLimit;
  QTimer poll_;
  // Declared before the sequence, which stops the client through it when destroyed.
  std::unique_ptr<ProcessRunner> client_;
  std::unique_ptr<TransferSequence> sequence_;
  std::unique_ptr<SecureFetch> fetch_;
  fetch::Protocol fetchProtocol_ = fetch::Protocol::kSftp;
  int fetchNumber_ = 0;
  TransferOutcome outcome_;
};

}  // namespace vdbq::gui
