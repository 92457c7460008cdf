#include "gui/graph/graph_commands.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

#include "core/catalogue/catalogue.h"
#include "core/graph/job_graph.h"
#include "core/graph/schedule_graph.h"
#include "core/reports/report_presets.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/graph/graph_page.h"
#include "gui/main_window.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/report/report_page.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

constexpr int kScheduleDetailReport = 4;
constexpr int kDependencyPathReport = 5;

}  // namespace

GraphCommands::GraphCommands(MainWindow& window) : QObject(&window), window_(window) {
  AddTreeEntries();
  AddResultListEntries();
  connect(window_.SchedulePage()->GraphButton(), &QToolButton::clicked, this, [this] {
    const Session& s = window_.State();
    if (!s.SelectedCpu.empty()) ShowDependencyGraph(s.SelectedCpu + "#" + s.SelectedName);
  });
}

GraphPage& GraphCommands::Page() {
  if (page_ == nullptr) {
    page_ = new GraphPage(
        [this] {
          const Session& s = window_.State();
          return ScheduleGraphOf(s.Store, s.Catalogue);
        },
        window_.Dialogs(), &window_);
    page_->setWindowFlag(Qt::Window);
    connect(page_, &GraphPage::scheduleOpenRequested, this, &GraphCommands::OpenSchedulePage);
  }
  return *page_;
}

void GraphCommands::ShowDependencyGraph(const std::string& key) {
  if (key.empty()) return;
  GraphPage& page = Page();
  page.ShowSchedule(key);
  page.show();
  page.raise();
  page.activateWindow();
}

void GraphCommands::ShowJobGraph(const std::string& key) {
  const Session& s = window_.State();
  const std::shared_ptr<const ScheduleGraph> graph = ScheduleGraphOf(s.Store, s.Catalogue);
  const int node = graph->Find(key);
  if (node < 0 || !graph->Defined(node)) {
    window_.SetStatus(QStringLiteral("Schedule not found: ") + ToQString(key));
    return;
  }
  GraphPage& page = Page();
  page.ShowJobs(ReadJobGraph(s.Store.ScheduleLines, graph->DefinitionLine(node)));
  page.show();
  page.raise();
  page.activateWindow();
}

void GraphCommands::OpenSchedulePage(const std::string& key) {
  const size_t hash = key.find('#');
  QModelIndex index;
  for (const char* heading : {kHeadingSchedules, kHeadingSchedulesInvalid}) {
    if (!index.isValid()) {
      index = window_.TreeModel()->FindPath({heading, key.substr(0, hash), key.substr(hash + 1)});
    }
  }
  if (!index.isValid()) {
    window_.SetStatus(QStringLiteral("Schedule not found: ") + ToQString(key));
    return;
  }
  window_.Tree()->setCurrentIndex(index);
  window_.raise();
  window_.activateWindow();
}

std::string GraphCommands::SelectedScheduleKey() const {
  const NodeInfo node = window_.Tree()->SelectedNode();
  if (KindOfNode(node.Level, node.ParentCaption, node.GrandparentCaption) != ObjectKind::Schedule) {
    return {};
  }
  return node.ParentCaption + "#" + node.Caption;
}

void GraphCommands::AddTreeEntries() {
  // The entries join the tree menu's Schedule sub-menu, which is enabled for schedule nodes only.
  for (QAction* action : window_.Tree()->PopupMenu()->actions()) {
    if (action->menu() == nullptr || action->text() != QStringLiteral("Schedule")) continue;
    QMenu* menu = action->menu();
    menu->addSeparator();
    menu->addAction(QStringLiteral("Show Dependency Graph"), this,
                    [this] { ShowDependencyGraph(SelectedScheduleKey()); });
    menu->addAction(QStringLiteral("Show Job Graph"), this, [this] {
      const std::string key = SelectedScheduleKey();
      if (!key.empty()) ShowJobGraph(key);
    });
  }
}

std::string GraphCommands::ResultScheduleKey(bool jobs) const {
  const ResultList& results = window_.State().Results;
  if (jobs) {
    if (results.ReportNumber != kScheduleDetailReport) return {};
    return results.Header.Workstation + "#" + results.Header.ScheduleName;
  }
  if (results.ReportNumber != kDependencyPathReport) return {};
  const int row = window_.ReportView()->List()->currentIndex().row();
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
  QTableView* list = window_.ReportView()->List();
  connect(list, &QTableView::doubleClicked, this, [this] {
    const ResultList& results = window_.State().Results;
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
