#pragma once

#include <QObject>
#include <QToolButton>
#include <string>
#include <utility>
#include <vector>

#include "core/catalogue/object_kind.h"

namespace vdbq::gui {

class DesktopHost;
class GraphCommands;
class ImpactPage;

// "Show Impact": in the tree menu of every kind of object but the workstation and on its page,
// it opens the Impact page of the object shown. The page's rows open their objects and their
// schedules' graphs; the removal check, up to a second on a large database, runs on request.
class ImpactCommands : public QObject {
  Q_OBJECT
 public:
  using PageButton = std::pair<ObjectKind, QToolButton*>;

  ImpactCommands(DesktopHost& host, GraphCommands& graphs, const std::vector<PageButton>& pages,
                 QObject* parent);

  // Shows the object's impact; false when the database does not define it.
  bool ShowImpact(ObjectKind kind, const std::string& key);
  void CheckRemoval();
  ImpactPage* Page() const { return page_; }

 private:
  // The key of the object of that kind shown last from the tree.
  std::string SelectedKey(ObjectKind kind) const;
  void Open(ObjectKind kind, const std::string& key);

  DesktopHost& host_;
  ImpactPage* page_;
  ObjectKind kind_ = ObjectKind::None;
  std::string key_;
};

}  // namespace vdbq::gui
