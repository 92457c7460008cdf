#pragma once

#include "core/views/list_pages.h"
#include "gui/pages/name_list_page_widget.h"

namespace vdbq::gui {

// The parameter page TabPar.
class ParameterPageWidget : public NameListPageWidget {
  Q_OBJECT
 public:
  ParameterPageWidget(const ExtractStore& store, QWidget* parent = nullptr);

  void Show(const Catalogue& catalogue, const std::string& name);
  const ParameterPage& Page() const { return page_; }

 protected:
  void RowClicked(long long row) override;

 private:
  const ExtractStore& store_;
  ParameterPage page_;
};

}  // namespace vdbq::gui
