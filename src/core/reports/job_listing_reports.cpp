#include "core/reports/report_routines.h"

namespace vdbq {

void RunJ1(ReportContext& ctx) { ctx.Panel.StatusText = "Report J#1 is not yet available."; }
void RunJ2(ReportContext& ctx) { ctx.Panel.StatusText = "Report J#2 is not yet available."; }
void RunJ3(ReportContext& ctx) { ctx.Panel.StatusText = "Report J#3 is not yet available."; }
void RunJ5(ReportContext& ctx) { ctx.Panel.StatusText = "Report J#5 is not yet available."; }
void RunJ6(ReportContext& ctx) { ctx.Panel.StatusText = "Report J#6 is not yet available."; }

}  // namespace vdbq
