#pragma once

#include <QObject>
#include <QToolButton>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/catalogue/object_kind.h"
#include "core/impact/left_out_check.h"

namespace vdbq::gui {

class BackgroundRemovalCheck;
class DesktopHost;
class GraphCommands;
class ImpactPage;

// "Show Impact": in the tree menu of every kind of object but the workstation and on its page,
// it opens the Impact page of the object shown. The page's rows open their objects and their
// schedules' graphs; the removal check, up to a second on a large database, runs on request
// off the interface thread.
class ImpactCommands : public QObject {
  Q_OBJECT
 public:
  using PageButton = std::pair<ObjectKind, QToolButton*>;

  ImpactCommands(DesktopHost& host, GraphCommands& graphs, const std::vector<PageButton>& pages,
                 QObject* parent);

  // Shows the object's impact; false when the database does not define it.
  bool ShowImpact(ObjectKind kind, const std::string& key);
  // Starts the removal check of the object shown; its findings join the page when it ends,
  // unless another object or a reload came first.
  void CheckRemoval();
  ImpactPage* Page() const { return page_; }
  BackgroundRemovalCheck* RemovalCheck() const { return removalCheck_; }

 private:
  // The key of the object of that kind shown last from the tree.
  std::string SelectedKey(ObjectKind kind) const;
  void Open(ObjectKind kind, const std::string& key);

  DesktopHost& host_;
  ImpactPage* page_;
  BackgroundRemovalCheck* removalCheck_;
  // The check of the database as loaded, shared by the removal checks until the next load.
  std::shared_ptr<LoadedFindingsCache> loaded_ = std::make_shared<LoadedFindingsCache>();
  // A removal check runs whose end the status line awaits.
  bool checking_ = false;
  ObjectKind kind_ = ObjectKind::None;
  std::string key_;
};

}  // namespace vdbq::gui
