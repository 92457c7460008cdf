// The desktop program on the largest site we plan for (see GeneratedLargestSet): its memory with
// the extracts loaded, the catalogue tree on show and J#1's 400,000 rows in the result list
// (counters: the peak resident size and its ratio to the size of the extract files, and the
// slowest repaint of a scroll step through each view), and the tree's Expand All Nodes and
// Collapse All Nodes; and the first hits of Quick Find on screen after a keystroke.
//
// VARNOLTDBQ_BENCH_DB names a set to use instead of generating one with gen_extracts.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTableView>
#include <QTreeView>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/search/search_corpus.h"
#include "gui/catalogue/catalogue_model.h"
#include "gui/catalogue/catalogue_tree.h"
#include "gui/report/report_page.h"
#include "gui/report/result_model.h"
#include "gui/search/background_search.h"
#include "gui/search/quick_find_box.h"
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

// From the keystroke to the first 50 hits painted in the find box, as the window does it: the
// search on its thread, the hits handed back and shown. The corpus is built beforehand, as
// opening the box does. Counters: the milliseconds of each text and the slowest (a text found
// nowhere scans every byte), and the longest a keystroke holds the interface thread.
void BM_DesktopQuickFind(benchmark::State& state) {
  bench::ReportBenchDatabase set("desktop", bench::GeneratedLargestSet("desktop"));
  SearchCorpusCache cache;
  const auto corpus = cache.Get(set.Store, set.Dir().string() + "/");
  QWidget window;
  window.resize(1000, 700);
  auto* box = new gui::QuickFindBox(&window);
  window.show();
  box->Open();
  QApplication::processEvents();
  bool shown = false;
  gui::BackgroundSearch search(
      [&](gui::FoundLines lines) {
        box->ShowLines(std::move(lines));
        box->View()->viewport()->repaint();
        shown = true;
      },
      nullptr);
  const char* kTexts[] = {"merge", "merge_21", "stocktake_03", "HFDWH01#DW", "qzqzqz"};
  for (auto _ : state) {
    double slowest = 0;
    double keystroke = 0;
    for (const char* text : kTexts) {
      QElapsedTimer timer;
      timer.start();
      shown = false;
      SearchQuery query;
      query.Pattern = text;
      search.Start(
          [corpus, query](std::stop_token stop) { return gui::FindQuick(corpus, query, stop); });
      // What the keystroke itself keeps the interface thread busy for.
      keystroke = std::max(keystroke, static_cast<double>(timer.nsecsElapsed()) / 1e6);
      while (!shown) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
      const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
      state.counters[std::string("ms_") + text] = ms;
      slowest = std::max(slowest, ms);
    }
    state.counters["slowest_ms"] = slowest;
    state.counters["keystroke_ms"] = keystroke;
  }
}
BENCHMARK(BM_DesktopQuickFind)->Iterations(3)->Unit(benchmark::kMillisecond);

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
