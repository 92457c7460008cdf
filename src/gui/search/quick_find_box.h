#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include "gui/search/search_hits_model.h"

namespace vdbq::gui {

// The find box over the window: a text field and, below it, the first hits of what it holds.
// Up and Down move through the hits, Enter or a click opens one, Escape closes the box.
class QuickFindBox : public QFrame {
  Q_OBJECT
 public:
  explicit QuickFindBox(QWidget* parent);

  // Shows the box at the top of its parent with the text field focused and its text selected.
  void Open();
  void ShowLines(FoundLines lines);
  // A search for the text runs: the list keeps the older hits until its own arrive, and an
  // Enter pressed meanwhile opens the first of them.
  void ShowSearching();
  void Clear();

  QLineEdit* Field() const { return field_; }
  QTreeView* View() const { return view_; }
  SearchHitsModel* Model() const { return model_; }
  QLabel* Summary() const { return summary_; }

 signals:
  void textEdited(const QString& text);
  void openRequested(const vdbq::SearchHit& hit);
  // The full hit list of the text is asked for.
  void allHitsRequested(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OpenRow(const QModelIndex& index);
  void Place();

  QLineEdit* field_;
  SearchHitsModel* model_;
  QTreeView* view_;
  QLabel* summary_;
  bool searching_ = false;
  bool openOnArrival_ = false;
};

}  // namespace vdbq::gui
