#include "core/reports/report_frame.h"

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

bool AllowedSearchCharacter(char c) {
  return c == '_' || c == '#' || c == '-' || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

bool ValidateSearchText(ReportPanel& panel, bool hashRule) {
  if (!panel.SearchText.empty()) panel.SearchText = TrimBlanks(panel.SearchText);
  const std::string& text = panel.SearchText;
  if (text.empty()) {
    panel.StatusText = kNoTextEntered;
    return false;
  }
  if (hashRule) {
    const long long p = Find("#", text);
    if (p == 0) {
      panel.StatusText = kFormatHint;
      return false;
    }
    if (p == 1 || p == static_cast<long long>(text.size())) {
      panel.StatusText = kInvalidTextLength;
      return false;
    }
  }
  for (char c : text) {
    if (!AllowedSearchCharacter(c)) {
      panel.FocusSearchRequested = true;
      panel.StatusText = kInvalidCharacter;
      return false;
    }
  }
  return true;
}

std::string AuditTextFor(const char* code, const std::string& searchText) {
  return std::string("Run Report ") + code + ":" + searchText;
}

void BeginReport(ReportContext& ctx, const ReportFrame& frame) {
  ctx.Results.ReportNumber = frame.ReportNumber;
  if (frame.EmptySearch) ctx.Panel.SearchText.clear();
  ctx.Results.Title = frame.Title1;
  ctx.Results.Subtitle = frame.Title2;
  ctx.Results.Clear();
  ctx.Results.SetWidths(frame.Widths);
  ctx.Audit.AppendAuditLine(AuditTextFor(frame.Code, ctx.Panel.SearchText));
}

void FinishReport(ReportContext& ctx, const std::optional<std::string>& closingStatus) {
  ctx.Results.ResultsShown = true;
  ++ctx.Results.RunsCompleted;
  if (ctx.ShowReportPage) ctx.ShowReportPage();
  if (closingStatus) ctx.Panel.StatusText = *closingStatus;
}

}  // namespace vdbq
