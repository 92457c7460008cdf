#include "gui/pages/parameter_page_widget.h"

namespace vdbq::gui {

ParameterPageWidget::ParameterPageWidget(const ExtractStore& store, QWidget* parent)
    : NameListPageWidget(PageCategory::Parameters, QStringLiteral("Parameter"), parent),
      store_(store) {
  setObjectName(QStringLiteral("TabPar"));
  List()->setObjectName(QStringLiteral("ListView2"));
}

void ParameterPageWidget::Show(const Catalogue& catalogue, const std::string& name) {
  ShowParameter(store_, catalogue, name, page_);
  Present(page_.Name, page_.Selected, page_.Description);
}

void ParameterPageWidget::RowClicked(long long row) {
  if (const auto name = ClickParameterRow(store_, row, page_)) {
    Present(page_.Name, -1, page_.Description);
    emit copyRequested(*name);
  }
}

}  // namespace vdbq::gui
