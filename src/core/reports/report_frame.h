#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/reports/report_context.h"

namespace vdbq {

inline constexpr const char* kNoTextEntered = "No Text Entered - Please Check!";
inline constexpr const char* kFormatHint = "Format = WorkstationName#ScheduleName - Please Check!";
inline constexpr const char* kInvalidTextLength = "Invalid Text Length Entered - Please Check!";
inline constexpr const char* kInvalidCharacter =
    "Invalid Character In Schedule Name - Please Check!";

// Trims the search box and checks it; with the "#" rule on, it must hold a "#" that is neither
// its first nor its last character. Sets the status text when it rejects.
bool ValidateSearchText(ReportPanel& panel, bool hashRule);

// What every report sets when its input has been accepted.
struct ReportFrame {
  int ReportNumber;
  const char* Code;  // "S#1", ... for the audit line
  std::string Title1;
  std::string Title2;
  std::array<int, kResultColumns> Widths;
  bool EmptySearch = false;  // reports that do not use the search box clear it
};

// Frame steps 2 to 6: report number, search box, titles, rows cleared, widths, audit line.
void BeginReport(ReportContext& ctx, const ReportFrame& frame);

// Frame steps 9 and 10: the results are shown and the closing status text is set. Every run
// that completes ends here; a report without a closing text of its own passes nothing, and
// the run then ends with "Ready.".
void FinishReport(ReportContext& ctx, const std::optional<std::string>& closingStatus);

// "Run Report " + code + ":" + the search text.
std::string AuditTextFor(const char* code, const std::string& searchText);

}  // namespace vdbq
