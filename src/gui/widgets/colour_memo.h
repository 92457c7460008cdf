#pragma once

#include <QTextEdit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vdbq {
struct ColourRule;
struct CompiledRule;
}  // namespace vdbq

namespace vdbq::gui {

// A read-only text control that colours its text by colouring rules: the text is cut into
// runs by the core's colouring engine and each run gets its colour (and, where the memo draws
// keywords bold, its weight).
class ColourMemo : public QTextEdit {
  Q_OBJECT
 public:
  explicit ColourMemo(QWidget* parent = nullptr);
  ~ColourMemo() override;

  void SetRules(const std::vector<ColourRule>& rules);
  // Keyword runs are drawn with bold added.
  void SetBoldKeywords(bool on) { boldKeywords_ = on; }
  // One memo line per text line; the lines are extract bytes.
  void SetLines(const std::vector<std::string>& lines);
  const std::vector<std::string>& Lines() const { return lines_; }

  // The memo grows to show its whole text instead of scrolling.
  void SetFitHeight(bool on);

  // The colour the run covering document position `position` was given; invalid when none.
  QColor ColourAt(int position) const;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitHeight();
  void Recolour();

  std::unique_ptr<std::vector<CompiledRule>> rules_;
  std::vector<std::string> lines_;
  bool boldKeywords_ = false;
  bool fitHeight_ = false;
};

// Colour values of the colouring rules keep red in the lowest byte.
QColor ToQColor(std::uint32_t colour);

}  // namespace vdbq::gui
