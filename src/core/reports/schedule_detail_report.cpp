#include "core/reports/report_routines.h"

namespace vdbq {

void RunS4(ReportContext& ctx) { ctx.Panel.StatusText = "Report S#4 is not yet available."; }

}  // namespace vdbq
