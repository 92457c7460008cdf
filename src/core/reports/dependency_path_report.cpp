#include "core/reports/report_routines.h"

namespace vdbq {

void RunS5(ReportContext& ctx) { ctx.Panel.StatusText = "Report S#5 is not yet available."; }

}  // namespace vdbq
