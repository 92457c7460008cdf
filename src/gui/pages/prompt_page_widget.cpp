#include "gui/pages/prompt_page_widget.h"

namespace vdbq::gui {

PromptPageWidget::PromptPageWidget(const ExtractStore& store, QWidget* parent)
    : NameListPageWidget(PageCategory::Prompts, QStringLiteral("Prompt"), parent), store_(store) {
  setObjectName(QStringLiteral("TabPro"));
  List()->setObjectName(QStringLiteral("ListView3"));
}

void PromptPageWidget::Show(const Catalogue& catalogue, const std::string& name) {
  ShowPrompt(store_, catalogue, name, page_);
  Present(page_.Name, page_.Selected, page_.Description);
}

void PromptPageWidget::RowClicked(long long row) {
  if (const auto name = ClickPromptRow(store_, row, page_)) {
    Present(page_.Name, -1, page_.Description);
    emit copyRequested(*name);
  }
}

}  // namespace vdbq::gui
