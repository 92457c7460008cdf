#pragma once

#include <vector>

#include "core/reports/report_context.h"
#include "core/reports/schedule_detail_reader.h"

namespace vdbq {

// The sequence number of every job (element i for the i-th job in file order): one above the
// highest sequence among the jobs of the schedule it follows, then the jobs of one number are
// spread over further numbers by their AT times. Every job gets a number: when a layering pass
// can place no job (a cycle, or an entry naming no job of the schedule), all jobs still unplaced
// take the number of that pass.
std::vector<long long> SequenceJobs(const std::vector<ScheduleJob>& jobs, Progress& progress);

}  // namespace vdbq
