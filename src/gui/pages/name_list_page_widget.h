#pragma once

#include <QLabel>
#include <QTreeWidget>
#include <QWidget>
#include <string>
#include <vector>

#include "core/extracts/extract_store.h"
#include "gui/category_navigation.h"

namespace vdbq::gui {

// A page listing every name of the parameter or prompt file with its text, the selected entry
// marked; the parameter and prompt pages differ only in their file and headings.
class NameListPageWidget : public QWidget {
  Q_OBJECT
 public:
  NameListPageWidget(PageCategory category, const QString& heading, QWidget* parent = nullptr);

  // Fills the list after a load.
  void SetRows(const std::vector<NameValue>& rows);
  QTreeWidget* List() const { return list_; }
  QString Title() const { return title_->text(); }

 signals:
  void copyRequested(const std::string& text);

 protected:
  // Shows the page's title, selection and description.
  void Present(const std::string& title, long long selected, const std::string& description);
  // A click on list row `row`; the subclass asks the core what it copies.
  virtual void RowClicked(long long row) = 0;

 private:
  QLabel* title_;
  QLabel* description_;
  QTreeWidget* list_;
};

}  // namespace vdbq::gui
