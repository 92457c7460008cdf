#include "gui/impact/impact_commands.h"

#include <QAction>

#include "core/impact/object_impact.h"
#include "gui/desktop_host.h"
#include "gui/graph/graph_commands.h"
#include "gui/impact/background_removal_check.h"
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
  removalCheck_ = new BackgroundRemovalCheck(
      [this](ObjectImpact impact) {
        checking_ = false;
        host_.SetStatus(QString());
        page_->Show(kind_, key_, std::move(impact), true);
      },
      this);
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
  host_.AddDatabaseUnloadingHandler([this] {
    removalCheck_->Stop();
    checking_ = false;
    loaded_->Reset();
  });
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
  ObjectImpact impact = ImpactOf(s.Store, s.Catalogue, kind, key, nullptr, progress);
  if (!impact.Exists) {
    host_.SetStatus(QString::fromLatin1(KindTitle(kind)) + QStringLiteral(" not found: ") +
                    ToQString(key));
    return false;
  }
  // A removal check still running was asked for the object shown before.
  removalCheck_->Drop();
  if (checking_) host_.SetStatus(QString());
  checking_ = false;
  kind_ = kind;
  key_ = key;
  page_->Show(kind, key, std::move(impact), false);
  host_.ShowPage(PageCategory::Impact);
  // Half of a removal check is the check of the database as loaded: start on it before the
  // first request; it is kept until the next load.
  removalCheck_->Prepare(
      [&store = s.Store, &catalogue = s.Catalogue, loaded = loaded_, today = TodayOf(s)] {
        loaded->Get(store, catalogue, CheckOptions{today});
      });
  return true;
}

void ImpactCommands::CheckRemoval() {
  if (key_.empty() || host_.Busy()) return;
  host_.SetStatus(QStringLiteral("Checking the database without ") + ToQString(key_) +
                  QStringLiteral("..."));
  checking_ = true;
  page_->ShowCheckingRemoval();
  // The extracts and the catalogue stay until the unloading handler has stopped the check.
  const Session& s = host_.State();
  removalCheck_->Start([&store = s.Store, &catalogue = s.Catalogue, kind = kind_, key = key_,
                        loaded = loaded_, today = TodayOf(s)] {
    Progress progress;
    const vdbq::RemovalCheck check{*loaded, CheckOptions{today}};
    return ImpactOf(store, catalogue, kind, key, &check, progress);
  });
}

void ImpactCommands::Open(ObjectKind kind, const std::string& key) {
  if (!host_.OpenObject(kind, key)) {
    host_.SetStatus(QString::fromLatin1(KindTitle(kind)) + QStringLiteral(" not found: ") +
                    ToQString(key));
  }
}

}  // namespace vdbq::gui
