#include "gui/impact/impact_commands.h"

#include <QAction>
#include <QApplication>

#include "core/impact/object_impact.h"
#include "gui/desktop_host.h"
#include "gui/graph/graph_commands.h"
#include "gui/impact/impact_page.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

struct KindPlace {
  ObjectKind Kind;
  MenuPlace Place;
};

constexpr KindPlace kTreePlaces[] = {
    {ObjectKind::Schedule, MenuPlace::TreeScheduleNode},
    {ObjectKind::Job, MenuPlace::TreeJobNode},
    {ObjectKind::Calendar, MenuPlace::TreeCalendarNode},
    {ObjectKind::Parameter, MenuPlace::TreeParameterNode},
    {ObjectKind::Prompt, MenuPlace::TreePromptNode},
    {ObjectKind::Resource, MenuPlace::TreeResourceNode},
};

}  // namespace

ImpactCommands::ImpactCommands(DesktopHost& host, GraphCommands& graphs,
                               const std::vector<PageButton>& pages, QObject* parent)
    : QObject(parent), host_(host) {
  page_ = new ImpactPage(host_.Window());
  host_.AddPage(PageCategory::Impact, page_);
  for (const KindPlace& k : kTreePlaces) {
    auto* entry = new QAction(QStringLiteral("Show Impact"), this);
    entry->setObjectName(QStringLiteral("showImpact") + QString::fromLatin1(KindTitle(k.Kind)));
    host_.AddMenuEntry(k.Place, entry);
    connect(entry, &QAction::triggered, this,
            [this, kind = k.Kind] { ShowImpact(kind, SelectedKey(kind)); });
  }
  for (const auto& [kind, button] : pages) {
    connect(button, &QToolButton::clicked, this,
            [this, kind = kind] { ShowImpact(kind, SelectedKey(kind)); });
  }
  connect(page_, &ImpactPage::openRequested, this, &ImpactCommands::Open);
  connect(page_, &ImpactPage::graphRequested, &graphs, &GraphCommands::ShowDependencyGraph);
  connect(page_, &ImpactPage::removalCheckRequested, this, &ImpactCommands::CheckRemoval);
  // An impact read from the previous load would open objects that may be gone.
  host_.AddDatabaseLoadedHandler([this] {
    kind_ = ObjectKind::None;
    key_.clear();
    page_->Clear();
  });
}

std::string ImpactCommands::SelectedKey(ObjectKind kind) const {
  const Session& s = host_.State();
  if (kind == ObjectKind::Schedule || kind == ObjectKind::Job) {
    return s.SelectedCpu.empty() ? std::string() : s.SelectedCpu + "#" + s.SelectedName;
  }
  return s.SelectedName;
}

bool ImpactCommands::ShowImpact(ObjectKind kind, const std::string& key) {
  if (key.empty() || host_.Busy()) return false;
  const Session& s = host_.State();
  Progress progress;
  ObjectImpact impact = ImpactOf(s.Store, s.Catalogue, kind, key, std::nullopt, progress);
  if (!impact.Exists) {
    host_.SetStatus(QString::fromLatin1(KindTitle(kind)) + QStringLiteral(" not found: ") +
                    ToQString(key));
    return false;
  }
  kind_ = kind;
  key_ = key;
  page_->Show(kind, key, std::move(impact), false);
  host_.ShowPage(PageCategory::Impact);
  return true;
}

void ImpactCommands::CheckRemoval() {
  if (key_.empty() || host_.Busy()) return;
  host_.SetStatus(QStringLiteral("Checking the database without ") + ToQString(key_) +
                  QStringLiteral("..."));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Session& s = host_.State();
  Progress progress;
  ObjectImpact impact =
      ImpactOf(s.Store, s.Catalogue, kind_, key_, CheckOptions{TodayOf(s)}, progress);
  QApplication::restoreOverrideCursor();
  host_.SetStatus(QString());
  page_->Show(kind_, key_, std::move(impact), true);
}

void ImpactCommands::Open(ObjectKind kind, const std::string& key) {
  if (!host_.OpenObject(kind, key)) {
    host_.SetStatus(QString::fromLatin1(KindTitle(kind)) + QStringLiteral(" not found: ") +
                    ToQString(key));
  }
}

}  // namespace vdbq::gui
