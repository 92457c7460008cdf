#pragma once

#include "core/views/list_pages.h"
#include "gui/pages/name_list_page_widget.h"

namespace vdbq::gui {

// The prompt page TabPro.
class PromptPageWidget : public NameListPageWidget {
  Q_OBJECT
 public:
  PromptPageWidget(const ExtractStore& store, QWidget* parent = nullptr);

  void Show(const Catalogue& catalogue, const std::string& name);
  const PromptPage& Page() const { return page_; }

 protected:
  void RowClicked(long long row) override;

 private:
  const ExtractStore& store_;
  PromptPage page_;
};

}  // namespace vdbq::gui
