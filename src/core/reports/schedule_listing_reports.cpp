#include "core/reports/report_routines.h"

namespace vdbq {

void RunS1(ReportContext& ctx) { ctx.Panel.StatusText = "Report S#1 is not yet available."; }
void RunS2(ReportContext& ctx) { ctx.Panel.StatusText = "Report S#2 is not yet available."; }
void RunS3(ReportContext& ctx) { ctx.Panel.StatusText = "Report S#3 is not yet available."; }

}  // namespace vdbq
