#pragma once

#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <string>

#include "core/views/resource_page.h"

namespace vdbq::gui {

// The resource page TabRes: every resource shown in this run, newest first.
class ResourcePageWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ResourcePageWidget(QWidget* parent = nullptr);

  void Show(const ExtractStore& store, const Catalogue& catalogue, const std::string& name);
  const ResourcePage& Page() const { return page_; }
  QTreeWidget* List() const { return list_; }

  // Opens what depends on the object shown.
  QToolButton* ImpactButton() const { return impact_; }

 signals:
  void copyRequested(const std::string& text);

 private:
  QToolButton* impact_;
  ResourcePage page_;
  QLabel* name_;
  QLabel* cpu_;
  QTreeWidget* list_;
};

}  // namespace vdbq::gui
