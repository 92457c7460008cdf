#include "gui/report/report_panel_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "gui/layout_rules.h"
#include "gui/resources/pictures.h"
#include "gui/text_convert.h"
#include "gui/widgets/elided_label.h"

namespace vdbq::gui {
namespace {

// Letters typed into the search box become upper case.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (QChar& c : input) {
      if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = c.toUpper();
    }
    return Acceptable;
  }
};

QString UpperCased(QString text) {
  int pos = 0;
  UpperCaseValidator().validate(text, pos);
  return text;
}

QLabel* Framed(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setStyleSheet(QStringLiteral(
      "QLabel { background: rgba(255,255,255,190); border: 1px solid rgb(140,150,170);"
      " border-radius: 3px; padding: 2px; color: rgb(0,0,128); }"));
  return label;
}

QPushButton* SmallButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setCursor(Qt::PointingHandCursor);
  // Reached by Tab; a click leaves the focus in the search box.
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

}  // namespace

ReportPanelWidget::ReportPanelWidget(ReportPanel& panel, QWidget* parent)
    : PicturePanel(BackgroundPicture(Background::CommandPanel), parent), panel_(panel) {
  setObjectName(QStringLiteral("PanelCmd"));
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  setFont(small);

  // Category caption between Previous and Next, the total beside them.
  previous_ = new HoverButton(this);
  previous_->setObjectName(QStringLiteral("ImageButPrevious"));
  previous_->SetPictures(PanelButtonFace(PanelButton::Previous, false),
                         PanelButtonFace(PanelButton::Previous, true));
  previous_->setToolTip(QStringLiteral("Previous Report Category"));
  previous_->SetKeyboardUse(true);
  next_ = new HoverButton(this);
  next_->setObjectName(QStringLiteral("ImageButNext"));
  next_->SetPictures(PanelButtonFace(PanelButton::Next, false),
                     PanelButtonFace(PanelButton::Next, true));
  next_->setToolTip(QStringLiteral("Next Report Category"));
  next_->SetKeyboardUse(true);
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("LabRepTab"));
  caption_->setAlignment(Qt::AlignCenter);
  QFont captionFont = small;
  captionFont.setBold(true);
  captionFont.setPointSizeF(small.pointSizeF() * 1.15);
  caption_->setFont(captionFont);
  caption_->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));
  total_ = Framed(this);
  total_->setObjectName(QStringLiteral("LabTotty"));
  total_->setAlignment(Qt::AlignCenter);
  // Room for a seven-digit count, so the total has a row of its own below the caption, named
  // by its hint.
  total_->setMinimumWidth(total_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
  totalName_ = new ElidedLabel(this);
  totalName_->setObjectName(QStringLiteral("LabTottyName"));
  totalName_->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));
  auto* topRow = new QHBoxLayout;
  topRow->setSpacing(2);
  topRow->addStretch(1);
  topRow->addWidget(previous_);
  topRow->addWidget(caption_);
  topRow->addWidget(next_);
  topRow->addStretch(1);
  auto* totalRow = new QHBoxLayout;
  totalRow->setSpacing(4);
  totalRow->addWidget(totalName_, 1);
  totalRow->addWidget(total_);

  // The six option rows.
  options_ = new QWidget(this);
  options_->setObjectName(QStringLiteral("PanelCmdSch"));
  auto* grid = new QGridLayout(options_);
  grid->setContentsMargins(0, 4, 0, 4);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);
  for (int n = 1; n <= kMaxReportOptions; ++n) {
    const auto i = static_cast<size_t>(n - 1);
    boxes_[i] = new QCheckBox(options_);
    boxes_[i]->setObjectName(QStringLiteral("PanelCmdCB%1").arg(n));
    boxes_[i]->setFocusPolicy(Qt::TabFocus);
    numbers_[i] = new ClickLabel(QString::number(n), options_);
    numbers_[i]->setObjectName(QStringLiteral("ShadowNum%1").arg(n));
    numbers_[i]->SetShadow(true);
    QFont numberFont = captionFont;
    numbers_[i]->setFont(numberFont);
    numbers_[i]->setStyleSheet(QStringLiteral("color: rgb(200,110,20);"));
    numbers_[i]->setFixedWidth(12);
    texts_[i] = new ClickLabel(QString(), options_);
    texts_[i]->setObjectName(QStringLiteral("LabCmd%1").arg(n));
    texts_[i]->setWordWrap(true);
    texts_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    texts_[i]->setCursor(Qt::PointingHandCursor);
    // Hidden rows keep their room, so the search box stays where it is for every category.
    for (QWidget* part : std::initializer_list<QWidget*>{boxes_[i], numbers_[i], texts_[i]}) {
      QSizePolicy policy = part->sizePolicy();
      policy.setRetainSizeWhenHidden(true);
      part->setSizePolicy(policy);
    }
    grid->addWidget(boxes_[i], n - 1, 0, Qt::AlignTop);
    grid->addWidget(numbers_[i], n - 1, 1, Qt::AlignTop);
    grid->addWidget(texts_[i], n - 1, 2);
    connect(boxes_[i], &QCheckBox::clicked, this, [this, n] { Tick(n); });
    connect(numbers_[i], &ClickLabel::clicked, this, [this, n] { Tick(n); });
    connect(texts_[i], &ClickLabel::clicked, this, [this, n] { Tick(n); });
  }
  grid->setColumnStretch(2, 1);

  description_ = Framed(this);
  description_->setObjectName(QStringLiteral("LabCmdDesc"));
  description_->setWordWrap(true);
  // Room for the longest description, so the search box below never moves.
  description_->setFixedHeight(description_->fontMetrics().lineSpacing() * 5 + 10);
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  // The search box with Go, then Paste and Clear, then the busy indicator.
  searchPanel_ = new QWidget(this);
  search_ = new QLineEdit(searchPanel_);
  search_->setObjectName(QStringLiteral("EditSearch"));
  search_->setValidator(new UpperCaseValidator(search_));
  search_->setPlaceholderText(QStringLiteral("Search..."));
  search_->installEventFilter(this);
  go_ = new HoverButton(searchPanel_);
  go_->setObjectName(QStringLiteral("GoBut"));
  go_->SetPictures(PanelButtonFace(PanelButton::Go, false), PanelButtonFace(PanelButton::Go, true));
  go_->setToolTip(QStringLiteral("Run The Report"));
  go_->SetKeyboardUse(true);
  QPushButton* paste = SmallButton(QStringLiteral("Paste"), searchPanel_);
  paste->setObjectName(QStringLiteral("LabPaste"));
  QPushButton* clear = SmallButton(QStringLiteral("Clear"), searchPanel_);
  clear->setObjectName(QStringLiteral("LabClear"));
  strobe_ = new BusyIndicator(searchPanel_);
  strobe_->setObjectName(QStringLiteral("Strobe"));
  auto* searchLayout = new QGridLayout(searchPanel_);
  searchLayout->setContentsMargins(0, 0, 0, 0);
  searchLayout->setHorizontalSpacing(4);
  searchLayout->setVerticalSpacing(4);
  searchLayout->addWidget(search_, 0, 0, 1, 2);
  searchLayout->addWidget(go_, 0, 2, Qt::AlignLeft);
  searchLayout->addWidget(paste, 1, 0);
  searchLayout->addWidget(clear, 1, 1);
  searchLayout->addWidget(strobe_, 2, 0, 1, 3, Qt::AlignHCenter);
  searchLayout->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(6);
  layout->addLayout(topRow);
  layout->addLayout(totalRow);
  layout->addWidget(options_);
  optionsSlack_ = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
  layout->addItem(optionsSlack_);
  layout->addWidget(description_);
  layout->addWidget(searchPanel_);
  layout->addStretch(1);

  connect(previous_, &HoverButton::clicked, this, [this] { StepCategory(false); });
  connect(next_, &HoverButton::clicked, this, [this] { StepCategory(true); });
  connect(go_, &HoverButton::clicked, this, &ReportPanelWidget::runRequested);
  connect(go_, &HoverButton::entered, this, &ReportPanelWidget::goHovered);
  connect(paste, &QPushButton::clicked, this, &ReportPanelWidget::Paste);
  connect(clear, &QPushButton::clicked, this, &ReportPanelWidget::Clear);
  Sync();
}

void ReportPanelWidget::Sync() {
  caption_->setText(ToQString(panel_.Caption()));
  total_->setText(ToQString(panel_.TotalText()));
  total_->setToolTip(ToQString(panel_.TotalHint()));
  totalName_->setText(ToQString(panel_.TotalHint()) + QLatin1Char(':'));
  for (int n = 1; n <= kMaxReportOptions; ++n) {
    const auto i = static_cast<size_t>(n - 1);
    const bool visible = panel_.OptionVisible(n);
    boxes_[i]->setVisible(visible);
    numbers_[i]->setVisible(visible);
    texts_[i]->setVisible(visible);
    texts_[i]->setText(ToQString(panel_.OptionText(n)));
    boxes_[i]->setChecked(panel_.TickedOption() == n);
  }
  FitOptionRows();
  description_->setText(ToQString(panel_.Description()));
  const QString search = ToQString(panel_.SearchText);
  if (search_->text() != search) search_->setText(search);
}

void ReportPanelWidget::PullSearchText() { panel_.SearchText = ToBytes(search_->text()); }

void ReportPanelWidget::StepCategory(bool forward) {
  emit categoryStepped();
  PullSearchText();
  if (forward) {
    panel_.Next();
  } else {
    panel_.Previous();
  }
  Sync();
}

void ReportPanelWidget::Tick(int n) {
  PullSearchText();
  panel_.TickOption(n);
  Sync();
}

void ReportPanelWidget::Paste() {
  search_->setText(UpperCased(QApplication::clipboard()->text()));
  PullSearchText();
}

void ReportPanelWidget::Clear() {
  search_->clear();
  PullSearchText();
}

int ReportPanelWidget::OptionRowHeight(int category, int n) const {
  const ClickLabel* text = texts_[static_cast<size_t>(n - 1)];
  int height = std::max({text->fontMetrics().height(), boxes_[0]->sizeHint().height(),
                         numbers_[0]->sizeHint().height()});
  if (n > ReportPanel::OptionCountOf(category)) return height;
  const QString option = ToQString(ReportPanel::OptionTextOf(category, n));
  return std::max(height,
                  text->fontMetrics()
                      .boundingRect(QRect(0, 0, text->width(), 10000), Qt::TextWordWrap, option)
                      .height());
}

void ReportPanelWidget::FitOptionRows() {
  // Each option row is as high as its own text; what the tallest category needs more is left
  // below the last row, so the search box and Go stand in the same place in every category.
  const auto rowsHeight = [this](int category) {
    int height = 0;
    for (int n = 1; n <= kMaxReportOptions; ++n) height += OptionRowHeight(category, n);
    return height;
  };
  int tallest = 0;
  for (int category = 0; category < kReportCategories; ++category) {
    tallest = std::max(tallest, rowsHeight(category));
  }
  const int current = panel_.ReportCategory();
  for (int n = 1; n <= kMaxReportOptions; ++n) {
    texts_[static_cast<size_t>(n - 1)]->setFixedHeight(OptionRowHeight(current, n));
  }
  optionsSlack_->changeSize(0, tallest - rowsHeight(current), QSizePolicy::Minimum,
                            QSizePolicy::Fixed);
  layout()->invalidate();
}

bool ReportPanelWidget::eventFilter(QObject* watched, QEvent* event) {
  // Enter starts the report and is used up: nothing is typed and no beep sounds.
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      emit runRequested();
      return true;
    }
  }
  return PicturePanel::eventFilter(watched, event);
}

void ReportPanelWidget::resizeEvent(QResizeEvent* event) {
  PicturePanel::resizeEvent(event);
  const int inner = InnerWidth(width());
  options_->setFixedWidth(inner);
  description_->setFixedWidth(inner);
  searchPanel_->setFixedWidth(inner);
  search_->setFixedWidth(inner - 70);
  caption_->setFixedWidth(inner - 82);
  strobe_->setFixedWidth(inner - 16);
  for (ClickLabel* text : texts_) text->setFixedWidth(inner - 42);
  FitOptionRows();
  const int left = (width() - inner) / 2;
  layout()->setContentsMargins(left, 8, width() - inner - left, 8);
}

}  // namespace vdbq::gui
