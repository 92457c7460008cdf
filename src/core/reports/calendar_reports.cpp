#include "core/reports/report_routines.h"

namespace vdbq {

void RunC1(ReportContext& ctx) { ctx.Panel.StatusText = "Report C#1 is not yet available."; }
void RunC2(ReportContext& ctx) { ctx.Panel.StatusText = "Report C#2 is not yet available."; }
void RunC3(ReportContext& ctx) { ctx.Panel.StatusText = "Report C#3 is not yet available."; }
void RunC4(ReportContext& ctx) { ctx.Panel.StatusText = "Report C#4 is not yet available."; }

}  // namespace vdbq
