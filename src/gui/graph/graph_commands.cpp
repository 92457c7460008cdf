#include "gui/graph/graph_commands.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTableView>
#include <cstring>

#include "core/graph/job_graph.h"
#include "core/graph/schedule_graph.h"
#include "core/output/save_dialog.h"
#include "gui/desktop_host.h"
#include "gui/output/save_file.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

constexpr int kScheduleDetailReport = 4;
constexpr int kDependencyPathReport = 5;

struct ExportKind {
  const char* Extension;
  const char* Filter;
};
// In the order of GraphPage::Format.
constexpr ExportKind kExportKinds[] = {{".svg", "SVG files (*.svg)|*.svg"},
                                       {".png", "PNG files (*.png)|*.png"},
                                       {".dot", "DOT files (*.dot)|*.dot"}};

// A schedule key as a file name: '#' stays, as every file system takes it; what Windows refuses
// in a name becomes '_'.
std::string FileNameOf(std::string key) {
  for (char& c : key) {
    if (static_cast<unsigned char>(c) < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr) c = '_';
  }
  return key;
}

}  // namespace

GraphCommands::GraphCommands(DesktopHost& host, SchedulePageWidget& schedulePage,
                             QTableView& resultList, QObject* parent)
    : QObject(parent), host_(host), resultList_(resultList) {
  AddTreeEntries();
  AddResultListEntries();
  connect(schedulePage.GraphButton(), &QToolButton::clicked, this,
          [this] { ShowDependencyGraph(SelectedScheduleKey()); });
  host_.AddDatabaseLoadedHandler([this] { RedrawFromNewLoad(); });
}

GraphPage& GraphCommands::Page() {
  if (page_ == nullptr) {
    page_ = new GraphPage(
        [this] {
          const Session& s = host_.State();
          return ScheduleGraphOf(s.Store, s.Catalogue);
        },
        host_.Window());
    page_->setWindowFlag(Qt::Window);
    connect(page_, &GraphPage::scheduleOpenRequested, this, &GraphCommands::OpenSchedulePage);
    connect(page_, &GraphPage::exportRequested, this, &GraphCommands::Export);
  }
  return *page_;
}

void GraphCommands::ShowPage() {
  GraphPage& page = Page();
  page.show();
  page.raise();
  page.activateWindow();
}

void GraphCommands::ShowDependencyGraph(const std::string& key) {
  if (key.empty()) return;
  // A schedule the database does not define is named on the page.
  Page().ShowSchedule(key);
  ShowPage();
}

void GraphCommands::ShowJobGraph(const std::string& key) {
  if (!DrawDefined(key, true)) {
    host_.SetStatus(QStringLiteral("Schedule not found: ") + ToQString(key));
    return;
  }
  ShowPage();
}

bool GraphCommands::DrawDefined(const std::string& key, bool jobs) {
  const Session& s = host_.State();
  const std::shared_ptr<const ScheduleGraph> graph = ScheduleGraphOf(s.Store, s.Catalogue);
  const int node = graph->Find(key);
  if (node < 0 || !graph->Defined(node)) return false;
  if (jobs) {
    Page().ShowJobs(ReadJobGraph(s.Store.ScheduleLines, graph->DefinitionLine(node)));
  } else {
    Page().ShowSchedule(key);
  }
  return true;
}

void GraphCommands::RedrawFromNewLoad() {
  // A hidden page is drawn anew when it is next opened.
  if (page_ == nullptr || !page_->isVisible()) return;
  const std::string key = page_->RootKey();
  if (DrawDefined(key, page_->ShowsJobs())) return;
  page_->close();
  host_.SetStatus(
      QStringLiteral("Graph closed: schedule %1 is no longer in the database").arg(ToQString(key)));
}

void GraphCommands::Export(GraphPage::Format format) {
  if (page_->NodeKeys().empty()) return;
  const ExportKind& kind = kExportKinds[static_cast<int>(format)];
  const std::string& saves = host_.State().Settings.SavesDir;
  const QString proposed = QDir(QString::fromStdString(saves))
                               .filePath(ToQString(FileNameOf(page_->RootKey())) + kind.Extension);
  const std::optional<QString> path =
      AskSaveFile(host_.Dialogs(), page_, saves, QStringLiteral("Export Graph"),
                  QString::fromLatin1(kind.Filter), proposed);
  if (!path) return;
  page_->ExportTo(*path, format);
}

void GraphCommands::OpenSchedulePage(const std::string& key) {
  if (!host_.OpenObject(ObjectKind::Schedule, key)) {
    host_.SetStatus(QStringLiteral("Schedule not found: ") + ToQString(key));
    return;
  }
  host_.Window()->raise();
  host_.Window()->activateWindow();
}

std::string GraphCommands::SelectedScheduleKey() const {
  const Session& s = host_.State();
  return s.SelectedCpu.empty() ? std::string() : s.SelectedCpu + "#" + s.SelectedName;
}

void GraphCommands::AddTreeEntries() {
  // The entries join the tree menu's Schedule sub-menu, which is enabled for schedule nodes only.
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  auto* dependencies = new QAction(QStringLiteral("Show Dependency Graph"), this);
  auto* jobs = new QAction(QStringLiteral("Show Job Graph"), this);
  for (QAction* entry : {separator, dependencies, jobs}) {
    host_.AddMenuEntry(MenuPlace::TreeScheduleNode, entry);
  }
  connect(dependencies, &QAction::triggered, this,
          [this] { ShowDependencyGraph(SelectedScheduleKey()); });
  connect(jobs, &QAction::triggered, this, [this] {
    const std::string key = SelectedScheduleKey();
    if (!key.empty()) ShowJobGraph(key);
  });
}

std::string GraphCommands::ResultScheduleKey(bool jobs) const {
  const ResultList& results = host_.State().Results;
  if (jobs) {
    if (results.ReportNumber != kScheduleDetailReport) return {};
    return results.Header.Workstation + "#" + results.Header.ScheduleName;
  }
  if (results.ReportNumber != kDependencyPathReport) return {};
  const int row = resultList_.currentIndex().row();
  if (row < 0 || static_cast<size_t>(row) >= results.Rows.size()) return {};
  const ResultRow& line = results.Rows[static_cast<size_t>(row)];
  // Path rows carry a sequence number; the heading row and the blank rows between do not.
  if (line.Caption.empty() || line.Caption.front() < '0' || line.Caption.front() > '9') return {};
  if (line.Column(2).empty() || line.Column(3).empty()) return {};
  return std::string(line.Column(2)) + "#" + std::string(line.Column(3));
}

void GraphCommands::AddResultListEntries() {
  // The result list's own pop-up menu stays as it is: a double click on a path row or on a
  // schedule detail report opens the graph, and so do two keys.
  QTableView* list = &resultList_;
  connect(list, &QTableView::doubleClicked, this, [this] {
    const ResultList& results = host_.State().Results;
    if (results.ReportNumber == kDependencyPathReport) {
      ShowDependencyGraph(ResultScheduleKey(false));
    } else if (results.ReportNumber == kScheduleDetailReport) {
      ShowJobGraph(ResultScheduleKey(true));
    }
  });
  auto key = [this, list](const QString& text, const QKeySequence& keys, bool jobs) {
    auto* action = new QAction(text, list);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, [this, jobs] {
      const std::string key = ResultScheduleKey(jobs);
      if (key.empty()) return;
      if (jobs) {
        ShowJobGraph(key);
      } else {
        ShowDependencyGraph(key);
      }
    });
    list->addAction(action);
  };
  key(QStringLiteral("Show Dependency Graph"), QKeySequence(Qt::CTRL | Qt::Key_G), false);
  key(QStringLiteral("Show Job Graph"), QKeySequence(Qt::CTRL | Qt::Key_J), true);
}

}  // namespace vdbq::gui
