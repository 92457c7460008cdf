#include "core/diff/line_diff.h"

#include <dtl/dtl.hpp>

namespace vdbq {
namespace {

struct ScriptEntry {
  char Mark;
  std::string_view Text;
};

// The edit script of the differing middle, by the O(NP) algorithm of the diff library.
void AppendMiddle(const std::vector<std::string_view>& oldMiddle,
                  const std::vector<std::string_view>& newMiddle,
                  std::vector<ScriptEntry>& script) {
  const long long cells =
      static_cast<long long>(oldMiddle.size()) * static_cast<long long>(newMiddle.size());
  if (oldMiddle.empty() || newMiddle.empty() || cells > kMaxMatchedCells) {
    for (std::string_view line : oldMiddle) script.push_back({'-', line});
    for (std::string_view line : newMiddle) script.push_back({'+', line});
    return;
  }
  dtl::Diff<std::string_view, std::vector<std::string_view>> diff(oldMiddle, newMiddle, true);
  diff.compose();
  for (const auto& [line, info] : diff.getSes().getSequence()) {
    const char mark = info.type == dtl::SES_ADD ? '+' : info.type == dtl::SES_DELETE ? '-' : ' ';
    script.push_back({mark, line});
  }
}

}  // namespace

std::vector<DiffLine> LineDiff(const std::vector<std::string_view>& oldLines,
                               const std::vector<std::string_view>& newLines, int context) {
  // The common head and tail are matched directly; only the middle goes to the library.
  size_t head = 0;
  while (head < oldLines.size() && head < newLines.size() && oldLines[head] == newLines[head]) {
    ++head;
  }
  if (head == oldLines.size() && head == newLines.size()) return {};
  size_t tail = 0;
  while (tail < oldLines.size() - head && tail < newLines.size() - head &&
         oldLines[oldLines.size() - 1 - tail] == newLines[newLines.size() - 1 - tail]) {
    ++tail;
  }

  std::vector<ScriptEntry> script;
  script.reserve(oldLines.size() + newLines.size());
  for (size_t k = 0; k < head; ++k) script.push_back({' ', oldLines[k]});
  AppendMiddle({oldLines.begin() + static_cast<std::ptrdiff_t>(head),
                oldLines.end() - static_cast<std::ptrdiff_t>(tail)},
               {newLines.begin() + static_cast<std::ptrdiff_t>(head),
                newLines.end() - static_cast<std::ptrdiff_t>(tail)},
               script);
  for (size_t k = oldLines.size() - tail; k < oldLines.size(); ++k) {
    script.push_back({' ', oldLines[k]});
  }

  // Keep every change and the context lines within reach of one.
  const long long reach = std::max(context, 0);
  const long long size = static_cast<long long>(script.size());
  std::vector<bool> keep(script.size(), false);
  long long lastChange = -1 - reach;
  for (long long k = 0; k < size; ++k) {
    if (script[static_cast<size_t>(k)].Mark != ' ') lastChange = k;
    if (k - lastChange <= reach) keep[static_cast<size_t>(k)] = true;
  }
  long long nextChange = size + reach;
  for (long long k = size - 1; k >= 0; --k) {
    if (script[static_cast<size_t>(k)].Mark != ' ') nextChange = k;
    if (nextChange - k <= reach) keep[static_cast<size_t>(k)] = true;
  }
  std::vector<DiffLine> lines;
  bool skipped = false;
  for (size_t k = 0; k < script.size(); ++k) {
    if (!keep[k]) {
      skipped = true;
      continue;
    }
    lines.push_back(
        DiffLine{script[k].Mark, std::string(script[k].Text), skipped && !lines.empty()});
    skipped = false;
  }
  return lines;
}

}  // namespace vdbq
