#include "core/reports/report_routines.h"

namespace vdbq {

void RunW1(ReportContext& ctx) { ctx.Panel.StatusText = "Report W#1 is not yet available."; }
void RunW2(ReportContext& ctx) { ctx.Panel.StatusText = "Report W#2 is not yet available."; }
void RunW3(ReportContext& ctx) { ctx.Panel.StatusText = "Report W#3 is not yet available."; }

}  // namespace vdbq
