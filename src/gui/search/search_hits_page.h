#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include "gui/search/search_hits_model.h"

namespace vdbq::gui {

// Find In Definitions: a text or regular expression, the case option, and every line that
// holds it as a table; a double-click on a row asks to open its object.
class SearchHitsPage : public QWidget {
  Q_OBJECT
 public:
  explicit SearchHitsPage(QWidget* parent = nullptr);

  // The query as the fields hold it.
  SearchQuery Query() const;
  void SetPattern(const QString& text);
  void ShowSearching();
  void Clear();
  void ShowLines(FoundLines lines);

  QLineEdit* Pattern() const { return pattern_; }
  QCheckBox* Regex() const { return regex_; }
  QCheckBox* MatchCase() const { return matchCase_; }
  QPushButton* FindButton() const { return find_; }
  QPushButton* ExportButton() const { return export_; }
  QLabel* Summary() const { return summary_; }
  QTableView* View() const { return view_; }
  SearchHitsModel* Model() const { return model_; }

 signals:
  void findRequested();
  void openRequested(const vdbq::SearchHit& hit);
  void exportRequested();

 private:
  QLineEdit* pattern_;
  QCheckBox* regex_;
  QCheckBox* matchCase_;
  QPushButton* find_;
  QLabel* summary_;
  SearchHitsModel* model_;
  QTableView* view_;
  QPushButton* export_;
};

}  // namespace vdbq::gui
