#include <array>
#include <string>
#include <vector>

#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"
#include "core/reports/schedule_headers.h"
#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

enum class ListingKind { ByWorkstation, ByName, Search };

struct KeyHalves {
  std::string Before;
  std::string After;
};

KeyHalves SplitAtFirstHash(const std::string& text) {
  const size_t hash = text.find('#');
  if (hash == std::string::npos) return {text, {}};
  return {text.substr(0, hash), text.substr(hash + 1)};
}

constexpr std::array<int, kResultColumns> kKeyWidths{100, 300, 0, 0, 0, 0, 0, 0, 0};
constexpr std::array<int, kResultColumns> kNameWidths{200, 0, 100, 0, 0, 0, 0, 0, 0};

ReportFrame ListingFrame(int number, const char* code, const char* title2,
                         const std::array<int, kResultColumns>& widths, bool emptySearch) {
  ReportFrame frame{number, code, "", title2, widths, emptySearch};
  frame.Title1 = "Schedule Report - Option #" + std::to_string(number);
  return frame;
}

ReportFrame FrameOf(ListingKind kind) {
  switch (kind) {
    case ListingKind::ByWorkstation:
      return ListingFrame(1, "S#1", "All Workstation/Schedule", kKeyWidths, true);
    case ListingKind::ByName:
      return ListingFrame(2, "S#2", "All Schedule/Workstation", kNameWidths, true);
    case ListingKind::Search:
      break;
  }
  return ListingFrame(3, "S#3", "String Search Result", kKeyWidths, false);
}

void EmitRows(ReportContext& ctx, ListingKind kind, const std::vector<std::string>& scratch) {
  std::string previousName;
  for (const std::string& item : scratch) {
    if (kind == ListingKind::Search && item.empty()) continue;
    KeyHalves halves = SplitAtFirstHash(item);
    if (kind == ListingKind::ByName) {
      std::string mark = halves.Before == previousName ? "1" : "";
      previousName = halves.Before;
      ctx.Results.AddRow(std::move(halves.Before), {std::move(mark), std::move(halves.After)});
    } else {
      ctx.Results.AddRow(std::move(halves.Before), {std::move(halves.After)});
    }
    ctx.Progress.Tick();
  }
}

void RunListing(ReportContext& ctx, ListingKind kind) {
  if (kind == ListingKind::Search && !ValidateSearchText(ctx.Panel, false)) return;

  BeginReport(ctx, FrameOf(kind));

  const std::string search = ctx.Panel.SearchText;
  std::vector<std::string> scratch;
  ForEachScheduleHeader(ctx.Store, ctx.Progress, [&](long long line) {
    std::string_view header = ctx.Store.ScheduleLines.At(line);
    if (!Contains(header, "#")) return true;
    std::string key(header.substr(9));
    switch (kind) {
      case ListingKind::ByWorkstation:
        scratch.push_back(std::move(key));
        break;
      case ListingKind::ByName: {
        const KeyHalves halves = SplitAtFirstHash(key);
        scratch.push_back(halves.After + "#" + halves.Before);
        break;
      }
      case ListingKind::Search:
        if (Find(search, key) >= 1) scratch.push_back(std::move(key));
        break;
    }
    return true;
  });
  if (!scratch.empty()) SortScratchLines(scratch);
  EmitRows(ctx, kind, scratch);

  const std::string found = "Found " + std::to_string(scratch.size());
  if (kind == ListingKind::Search) {
    FinishReport(ctx, found + " Occurrences of <" + search + ">... Ready.");
  } else {
    FinishReport(ctx, found + " Schedule(s)... Ready.");
  }
}

}  // namespace

void RunS1(ReportContext& ctx) { RunListing(ctx, ListingKind::ByWorkstation); }
void RunS2(ReportContext& ctx) { RunListing(ctx, ListingKind::ByName); }
void RunS3(ReportContext& ctx) { RunListing(ctx, ListingKind::Search); }

}  // namespace vdbq
