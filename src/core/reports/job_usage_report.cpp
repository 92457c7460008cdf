#include "core/reports/report_routines.h"

namespace vdbq {

void RunJ4(ReportContext& ctx) { ctx.Panel.StatusText = "Report J#4 is not yet available."; }

}  // namespace vdbq
