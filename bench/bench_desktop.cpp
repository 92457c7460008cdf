// The desktop program on the largest site we plan for (see GeneratedLargestSet): its memory with
// the extracts loaded, the catalogue tree on show and J#1's 400,000 rows in the result list
// (counters: the peak resident size and its ratio to the size of the extract files, and the
// slowest repaint of a scroll step through each view), and the tree's Expand All Nodes and
// Collapse All Nodes.
//
// VARNOLTDBQ_BENCH_DB names a set to use instead of generating one with gen_extracts.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>
#include <QTreeView>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "gui/catalogue/catalogue_model.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/report/report_page.h"
#include "gui/report/result_model.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

long long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6));
  }
  return 0;
}

// The slowest of 40 repaints after moving the scroll bar down by steps: a view that does work
// per row instead of per row on show takes seconds here, not a frame.
double SlowestScrollStepMs(QAbstractScrollArea* view) {
  QScrollBar* bar = view->verticalScrollBar();
  qint64 slowest = 0;
  for (int step = 0; step <= 40; ++step) {
    QElapsedTimer timer;
    timer.start();
    bar->setValue(static_cast<int>(static_cast<qint64>(bar->maximum()) * step / 40));
    view->viewport()->repaint();
    slowest = std::max(slowest, timer.nsecsElapsed());
  }
  return static_cast<double>(slowest) / 1e6;
}

double ExtractBytes(const fs::path& dir) {
  double total = 0;
  for (const char* name : kExtractLoadOrder)
    total += static_cast<double>(fs::file_size(dir / name));
  return total;
}

void BM_DesktopJobListing(benchmark::State& state) {
  for (auto _ : state) {
    bench::ReportBenchDatabase set("desktop", bench::GeneratedLargestSet("desktop"));
    gui::CatalogueModel catalogue(set.Catalogue);
    QTreeView tree;
    tree.setUniformRowHeights(true);
    tree.setModel(&catalogue);
    tree.resize(300, 700);
    gui::ResultModel model(set.Results);
    gui::ReportPage page(set.Results, model);
    page.resize(900, 700);
    tree.show();
    page.show();
    QApplication::processEvents();  // the views are exposed, so repaints really paint
    model.BeginRun();
    if (!set.RunReport("J#1", "")) state.SkipWithError("J#1 did not run");
    model.EndRun();
    page.ShowResults();
    page.List()->viewport()->repaint();
    tree.expand(catalogue.FindPath({kHeadingJobs}));
    tree.viewport()->repaint();
    const double peakBytes = static_cast<double>(PeakResidentKb()) * 1024;
    state.counters["peak_MB"] = peakBytes / (1 << 20);
    state.counters["peak_to_files"] = peakBytes / ExtractBytes(set.Dir());
    state.counters["list_scroll_ms"] = SlowestScrollStepMs(page.List());
    state.counters["tree_scroll_ms"] = SlowestScrollStepMs(&tree);
  }
}
BENCHMARK(BM_DesktopJobListing)->Iterations(1)->Unit(benchmark::kMillisecond);

// Expand All Nodes and then Collapse All Nodes of the catalogue tree's menu on the same site,
// each with the repaint that follows it. Counters: the milliseconds of each.
void BM_DesktopExpandAllNodes(benchmark::State& state) {
  bench::ReportBenchDatabase set("desktop", bench::GeneratedLargestSet("desktop"));
  gui::CatalogueModel catalogue(set.Catalogue);
  gui::CatalogueTree tree(catalogue);
  tree.resize(300, 700);
  tree.show();
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    tree.expandAll();
    tree.viewport()->repaint();
    state.counters["expand_ms"] = static_cast<double>(timer.restart());
    tree.collapseAll();
    tree.viewport()->repaint();
    state.counters["collapse_ms"] = static_cast<double>(timer.elapsed());
  }
}
BENCHMARK(BM_DesktopExpandAllNodes)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vdbq

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
