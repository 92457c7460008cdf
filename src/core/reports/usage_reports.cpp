#include "core/reports/usage_reports.h"

#include "core/definitions/definition_lines.h"
#include "core/definitions/job_options.h"
#include "core/reports/key_parts.h"
#include "core/reports/name_lists.h"
#include "core/text/collation_sort.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

std::string QualifiedResource(std::string item, std::string_view workstation) {
  const long long blank = Find(" ", item);
  if (blank > 0) item = CopyFrom(item, blank + 1);
  if (!Contains(item, "#")) item = std::string(workstation) + "#" + item;
  return item;
}

// Reads a schedule body from `first` as ReadBodyClauses describes, handing each clause text to
// take(text); before every line of the main loop resume(line) may end the reading by answering
// true. Returns the line after the last one read, or -1 when resume ended it.
template <typename Take, typename Resume>
long long ScanBody(const LineList& lines, long long first, const BodyClause& clause, Take&& take,
                   Resume&& resume) {
  const long long count = lines.Count();
  std::string current;
  long long line = first;
  while (line < count) {
    if (resume(line)) return -1;
    std::string_view text = lines.At(line);
    if (!text.empty()) {
      current = TrimBlanks(text);
      if (StartsWith(current, clause.Keyword)) {
        current = std::string(WithoutJobOptions(current));
        const std::string item = TrimBlanks(CopyFrom(current, clause.TextStart));
        take(item);
        // The list ends with a comma when the text does, or when the text is empty.
        bool endsWithComma = item.empty() || item.back() == ',';
        while (endsWithComma && line + 1 < count) {
          ++line;
          current = std::string(WithoutJobOptions(TrimBlanksView(lines.At(line))));
          take(current);
          endsWithComma = current.empty() || current.back() == ',';
        }
      }
    }
    ++line;
    if (IsDefinitionEndLine(current)) break;
  }
  return line;
}

}  // namespace

std::optional<std::string> AcceptFindName(ReportContext& ctx, long long categoryTotal,
                                          const FindInput& input,
                                          const std::function<std::string()>& nameList) {
  if (categoryTotal == 0) return std::nullopt;
  ReportPanel& panel = ctx.Panel;
  if (!ValidateSearchText(panel, false)) return std::nullopt;
  if (Contains(panel.SearchText, "#")) {
    panel.SearchText = CopyFrom(panel.SearchText, Find("#", panel.SearchText) + 1);
    if (panel.SearchText.empty()) {
      panel.StatusText = input.NoNameText;
      return std::nullopt;
    }
  }
  const std::string name = panel.SearchText;
  ctx.Audit.AppendAuditLine(AuditTextFor(input.Code, name));
  // The list ends with a comma already.
  if (!Contains(std::string(1, ',').append(nameList()), CommaWrapped(name))) {
    panel.StatusText = input.InvalidText;
    return std::nullopt;
  }
  return name;
}

void BeginReportAfterAudit(ReportContext& ctx, const ReportFrame& frame) {
  ctx.Results.ReportNumber = frame.ReportNumber;
  ctx.Results.Title = frame.Title1;
  ctx.Results.Subtitle = frame.Title2;
  ctx.Results.Clear();
  ctx.Results.SetWidths(frame.Widths);
}

long long AddKeyRows(ReportContext& ctx, std::vector<std::string> keys, bool skipEmpty) {
  SortScratchLines(keys);
  long long rows = 0;
  for (const std::string& key : keys) {
    ctx.Progress.Tick();
    if (skipEmpty && key.empty()) continue;
    KeyParts parts = SplitKey(key);
    ctx.Results.AddRow(std::move(parts.Workstation), {std::move(parts.Name)});
    ++rows;
  }
  return rows;
}

UsageCounts AddUsageRows(ReportContext& ctx, std::string_view nameList, std::string_view uses) {
  const CommaItemSet used(uses);
  UsageCounts counts;
  ForEachListedName(nameList, [&](std::string_view name) {
    ctx.Progress.Tick();
    const bool isUsed = used.Has(name);
    ctx.Results.AddRow(std::string(name), {isUsed ? kUsed : kNotUsed});
    ++(isUsed ? counts.Used : counts.Unused);
  });
  return counts;
}

std::string UsageStatus(const UsageCounts& counts, const char* objects) {
  return "Found " + std::to_string(counts.Used) + " used " + objects + ", and " +
         std::to_string(counts.Unused) + " unused " + objects + "... Ready.";
}

long long ReadBodyClauses(const LineList& lines, long long first, const BodyClause& clause,
                          std::string& uses) {
  auto take = [&uses](const std::string& text) {
    uses += ',';
    uses += text;
  };
  return ScanBody(lines, first, clause, take, [](long long) { return false; });
}

std::vector<bool> BodiesHolding(const LineList& lines, const std::vector<long long>& headerLines,
                                const BodyClause& clause,
                                const std::function<bool(const std::string& text)>& holds) {
  // What is left of a body's reading from a line depends on the lines alone, so a reading
  // that reaches a later body's start ends with that body's answer. Later bodies go first.
  const size_t count = headerLines.size();
  std::vector<bool> held(count, false);
  for (size_t k = count; k-- > 0;) {
    bool found = false;
    size_t later = k + 1;
    auto take = [&](const std::string& text) { found = found || holds(text); };
    auto resume = [&](long long line) {
      while (later < count && headerLines[later] + 1 < line) ++later;
      if (later == count || headerLines[later] + 1 != line) return false;
      found = found || held[later];
      return true;
    };
    ScanBody(lines, headerLines[k] + 1, clause, take, resume);
    held[k] = found;
  }
  return held;
}

long long ReadNeedsAsResources(const LineList& lines, long long first, std::string_view workstation,
                               std::string& uses, Progress& progress) {
  const long long count = lines.Count();
  std::string current;
  long long line = first;
  while (line < count) {
    std::string_view text = lines.At(line);
    if (!text.empty()) {
      current = TrimBlanks(text);
      if (StartsWith(current, kNeedsClause.Keyword)) {
        current = std::string(WithoutJobOptions(current));
        uses += ',';
        uses +=
            QualifiedResource(TrimBlanks(CopyFrom(current, kNeedsClause.TextStart)), workstation);
        while (EndsWithComma(uses) && line + 1 < count) {
          progress.Tick();
          ++line;
          uses += ',';
          uses += QualifiedResource(TrimBlanks(lines.At(line)), workstation);
        }
      }
    }
    ++line;
    if (IsDefinitionEndLine(current)) break;
  }
  return line;
}

std::string ResourceNameOfLine(std::string_view line) {
  if (line.empty() || StartsWith(line, "$RESOURCE")) return {};
  const size_t tab = line.find('\t');
  if (tab == std::string::npos) return {};
  return TrimBlanks(std::string_view(line).substr(0, tab));
}

}  // namespace vdbq
