#include "gui/widgets/colour_memo.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "core/colouring/color_rule.h"
#include "core/colouring/text_colouring.h"
#include "core/text/display_text.h"

namespace vdbq::gui {
namespace {

// Document positions of the bytes of one line: the engine counts bytes of the text joined by
// CR LF, the document counts UTF-16 units of the lines joined by one break.
void AppendPositions(const std::string& line, int lineStart, std::vector<int>& positions) {
  if (!IsValidUtf8(line)) {
    for (size_t i = 0; i < line.size(); ++i) positions.push_back(lineStart + static_cast<int>(i));
    return;
  }
  int unit = lineStart;
  for (size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    positions.push_back(unit);
    if ((c & 0xC0) != 0x80) {
      // A lead byte; characters beyond the basic plane take two units.
      unit += (c >= 0xF0) ? 2 : 1;
    }
  }
}

}  // namespace

QColor ToQColor(std::uint32_t colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

ColourMemo::ColourMemo(QWidget* parent)
    : QTextEdit(parent), rules_(std::make_unique<std::vector<CompiledRule>>()) {
  setReadOnly(true);
  setAcceptRichText(false);
  setUndoRedoEnabled(false);
  setLineWrapMode(QTextEdit::NoWrap);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

ColourMemo::~ColourMemo() = default;

void ColourMemo::SetFitHeight(bool on) {
  fitHeight_ = on;
  if (!on) return;
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Lines that do not wrap scroll sideways instead, with the scroll bar below the last line.
  setHorizontalScrollBarPolicy(lineWrapMode() == NoWrap ? Qt::ScrollBarAsNeeded
                                                        : Qt::ScrollBarAlwaysOff);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
          &ColourMemo::FitHeight);
}

void ColourMemo::FitHeight() {
  int height = static_cast<int>(document()->size().height()) + 2 * frameWidth() + 2;
  if (horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
      document()->size().width() > viewport()->width()) {
    height += horizontalScrollBar()->sizeHint().height();
  }
  setFixedHeight(height);
}

void ColourMemo::resizeEvent(QResizeEvent* event) {
  QTextEdit::resizeEvent(event);
  if (fitHeight_) FitHeight();
}

void ColourMemo::SetRules(const std::vector<ColourRule>& rules) {
  *rules_ = CompileRules(rules);
  Recolour();
}

void ColourMemo::SetLines(const std::vector<std::string>& lines) {
  lines_ = lines;
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) texts << QString::fromStdString(DisplayText(line));
  setUpdatesEnabled(false);
  setPlainText(texts.join(QLatin1Char('\n')));
  Recolour();
  setUpdatesEnabled(true);
}

void ColourMemo::Recolour() {
  if (lines_.empty() || rules_->empty()) return;
  std::string text;
  std::vector<int> positions;
  int lineStart = 0;
  for (size_t k = 0; k < lines_.size(); ++k) {
    const std::string& line = lines_[k];
    if (k > 0) {
      text += "\r\n";
      positions.push_back(lineStart - 1);
      positions.push_back(lineStart - 1);
    }
    text += line;
    AppendPositions(line, lineStart, positions);
    lineStart += static_cast<int>(QString::fromStdString(DisplayText(line)).size()) + 1;
  }
  PaintSettings settings;
  settings.Background = 0xFFFFFF;
  const std::vector<ColourRun> runs = ColourRuns(text, *rules_, settings);

  QTextCursor cursor(document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  QTextCharFormat plain;
  plain.setForeground(palette().color(QPalette::Text));
  plain.setFontWeight(font().weight());
  cursor.setCharFormat(plain);
  for (const ColourRun& run : runs) {
    if (run.Start < 0 || static_cast<size_t>(run.End) >= positions.size()) continue;
    const int from = positions[static_cast<size_t>(run.Start)];
    // The run ends after its last byte's character.
    const int to = static_cast<size_t>(run.End) + 1 < positions.size()
                       ? positions[static_cast<size_t>(run.End) + 1]
                       : document()->characterCount() - 1;
    if (to <= from) continue;
    QTextCharFormat format;
    format.setForeground(ToQColor(run.Color));
    if (boldKeywords_ && run.Keyword == 1) format.setFontWeight(QFont::Bold);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
  }
  cursor.endEditBlock();
}

QColor ColourMemo::ColourAt(int position) const {
  const QTextBlock block = document()->findBlock(position);
  if (!block.isValid()) return {};
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (position >= fragment.position() && position < fragment.position() + fragment.length()) {
      return fragment.charFormat().foreground().color();
    }
  }
  return {};
}

void ColourMemo::mouseReleaseEvent(QMouseEvent* event) {
  QTextEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace vdbq::gui
