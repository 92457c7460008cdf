#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <vector>

#include "fetch/fetch_request.h"

namespace vdbq::gui {

// The progress of a transfer by SFTP or FTPS: a bar per extract, filled as its bytes arrive
// (moving to and fro while the server has not told the size), and Cancel. Escape and the close
// box cancel too; the dialog stays until the transfer has ended.
class FetchProgressDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FetchProgressDialog(QWidget* parent = nullptr);

  // Empty bars for a new transfer by protocol ("SFTP", "FTPS").
  void Begin(const QString& protocol);
  void Show(const fetch::FileProgress& progress);

  QProgressBar* Bar(int index) const { return bars_[index]; }
  QPushButton* CancelButton() const { return cancel_; }

 signals:
  void cancelRequested();

 protected:
  void reject() override;

 private:
  std::vector<QProgressBar*> bars_;
  QPushButton* cancel_;
};

}  // namespace vdbq::gui
