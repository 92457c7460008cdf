#include "core/reports/report_routines.h"

namespace vdbq {

void RunR1(ReportContext& ctx) { ctx.Panel.StatusText = "Report R#1 is not yet available."; }
void RunR2(ReportContext& ctx) { ctx.Panel.StatusText = "Report R#2 is not yet available."; }
void RunP1(ReportContext& ctx) { ctx.Panel.StatusText = "Report P#1 is not yet available."; }
void RunP2(ReportContext& ctx) { ctx.Panel.StatusText = "Report P#2 is not yet available."; }
void RunD1(ReportContext& ctx) { ctx.Panel.StatusText = "Report D#1 is not yet available."; }
void RunD2(ReportContext& ctx) { ctx.Panel.StatusText = "Report D#2 is not yet available."; }

}  // namespace vdbq
