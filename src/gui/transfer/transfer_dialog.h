#pragma once

#include <QDialog>
#include <QLabel>
#include <functional>

#include "gui/widgets/click_label.h"
#include "gui/widgets/hover_button.h"

namespace vdbq::gui {

// The transfer confirmation: asks before a transfer, naming the host and the remote directory. Only
// Yes confirms; No, Escape and the close box leave the transfer unconfirmed.
class TransferDialog : public QDialog {
  Q_OBJECT
 public:
  // blip plays the sound of either button.
  explicit TransferDialog(std::function<void()> blip, QWidget* parent = nullptr);

  // Shows the prompt modally, centred on the screen; true when Yes was pressed.
  bool Ask(const QString& prompt);
  bool Confirmed() const { return confirmed_; }

  QLabel* Text() const { return text_; }
  HoverButton* YesButton() const { return yes_; }
  HoverButton* NoButton() const { return no_; }

  // The prompt's line breaks are single CR characters, which a label does not break at.
  static QString DisplayedPrompt(const QString& prompt);

 signals:
  // The dialog is on screen with the prompt in place and waits for an answer.
  void opened();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Answer(bool yes);

  std::function<void()> blip_;
  QString prompt_;
  bool confirmed_ = false;
  ClickLabel* title_;
  ClickLabel* subtitle_;
  QLabel* text_;
  HoverButton* yes_;
  HoverButton* no_;
};

}  // namespace vdbq::gui
