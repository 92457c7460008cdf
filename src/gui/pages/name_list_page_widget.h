#pragma once

#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/views/list_pages.h"
#include "gui/category_navigation.h"

namespace vdbq::gui {

// What tells the parameter page from the prompt page: its category, headings, object names and
// the core's reading of its file.
struct NameListPageKind {
  PageCategory Category;
  const char* Heading;   // of the name column
  const char* PageName;  // object name of the page
  const char* ListName;  // object name of the list
  void (*Show)(const ExtractStore& store, const Catalogue& catalogue, std::string_view selectedName,
               NameListPage& page);
  std::optional<std::string> (*ClickRow)(const ExtractStore& store, long long row,
                                         NameListPage& page);
};

inline constexpr NameListPageKind kParameterPage{
    PageCategory::Parameters, "Parameter", "TabPar", "ListView2", ShowParameter, ClickParameterRow};
inline constexpr NameListPageKind kPromptPage{PageCategory::Prompts, "Prompt",   "TabPro",
                                              "ListView3",           ShowPrompt, ClickPromptRow};

// A page listing every name of the parameter or prompt file with its text, the selected entry
// marked: TabPar with LabPar and ListView2, or TabPro with LabPro and ListView3.
class NameListPageWidget : public QWidget {
  Q_OBJECT
 public:
  NameListPageWidget(const NameListPageKind& kind, const ExtractStore& store,
                     QWidget* parent = nullptr);

  // Fills the list after a load.
  void SetRows(const std::vector<NameValue>& rows);
  void Show(const Catalogue& catalogue, const std::string& name);
  const NameListPage& Page() const { return page_; }
  QTreeWidget* List() const { return list_; }
  QString Title() const { return title_->text(); }

  // Opens what depends on the object shown.
  QToolButton* ImpactButton() const { return impact_; }

 signals:
  void copyRequested(const std::string& text);

 private:
  QToolButton* impact_;
  // Shows the page's title, selection and description.
  void Present(long long selected);
  void RowClicked(long long row);

  const NameListPageKind& kind_;
  const ExtractStore& store_;
  NameListPage page_;
  QLabel* title_;
  QLabel* description_;
  QTreeWidget* list_;
};

}  // namespace vdbq::gui
