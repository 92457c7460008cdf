#include "gui/transfer/transfer_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/transfer/transfer_pictures.h"

namespace vdbq::gui {
namespace {

constexpr int kClientWidth = 428;
constexpr int kClientHeight = 183;

ClickLabel* Heading(const QString& text, double scale, const QColor& colour, QWidget* parent) {
  auto* label = new ClickLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * scale);
  label->setFont(font);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  label->SetShadow(true);
  return label;
}

HoverButton* AnswerButton(bool yes, const char* name, QWidget* parent) {
  auto* button = new HoverButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->SetPictures(AnswerFace(yes, false), AnswerFace(yes, true));
  return button;
}

}  // namespace

TransferDialog::TransferDialog(std::function<void()> blip, QWidget* parent)
    : QDialog(parent), blip_(std::move(blip)) {
  setObjectName(QStringLiteral("transferDialog"));  // TForm5
  setWindowTitle(QStringLiteral("Requesting FTP Batch Transfer..."));
  setModal(true);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(kClientWidth, kClientHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(210, 210, 210));
  setPalette(pal);

  auto* question = new QLabel(this);
  question->setObjectName(QStringLiteral("ImageQuestion"));
  question->setPixmap(QuestionPicture());
  question->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  title_ = Heading(QStringLiteral("Warning:"), 1.35, QColor(128, 0, 0), this);
  title_->setObjectName(QStringLiteral("ShadTitle"));
  subtitle_ = Heading(QStringLiteral("Begin FTP Transfer"), 1.1, QColor(0, 0, 128), this);
  subtitle_->setObjectName(QStringLiteral("ShadSubTitle"));
  text_ = new QLabel(QStringLiteral("Importing To This Database:"), this);
  text_->setObjectName(QStringLiteral("ShadText"));
  text_->setWordWrap(true);
  text_->setTextFormat(Qt::PlainText);
  text_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  yes_ = AnswerButton(true, "ButYes", this);
  no_ = AnswerButton(false, "ButNo", this);
  connect(yes_, &HoverButton::clicked, this, [this] { Answer(true); });
  connect(no_, &HoverButton::clicked, this, [this] { Answer(false); });

  auto* texts = new QVBoxLayout;
  texts->setSpacing(2);
  texts->addWidget(title_);
  texts->addWidget(subtitle_);
  texts->addSpacing(6);
  texts->addWidget(text_, 1);
  auto* top = new QHBoxLayout;
  top->setSpacing(14);
  top->addWidget(question, 0, Qt::AlignTop);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(yes_);
  buttons->addStretch(1);
  buttons->addWidget(no_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
}

QString TransferDialog::DisplayedPrompt(const QString& prompt) {
  QString shown = prompt;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

bool TransferDialog::Ask(const QString& prompt) {
  prompt_ = prompt;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  exec();
  return confirmed_;
}

void TransferDialog::showEvent(QShowEvent* event) {
  // FormActivate: every opening starts unconfirmed, with the prompt of this request.
  confirmed_ = false;
  text_->setText(DisplayedPrompt(prompt_));
  QDialog::showEvent(event);
  QTimer::singleShot(0, this, &TransferDialog::opened);
}

void TransferDialog::Answer(bool yes) {
  if (blip_) blip_();
  confirmed_ = yes;
  if (yes) {
    accept();
  } else {
    reject();
  }
}

}  // namespace vdbq::gui
