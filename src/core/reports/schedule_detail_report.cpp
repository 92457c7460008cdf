#include <algorithm>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/reports/comma_items.h"
#include "core/reports/job_sequence.h"
#include "core/reports/report_frame.h"
#include "core/reports/report_routines.h"
#include "core/reports/schedule_detail_reader.h"
#include "core/reports/schedule_headers.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

constexpr const char* kScheduleNotFound = "Schedule Not Found!";
constexpr size_t kHeaderPartLength = 16;

const std::string& OrDashes(const std::string& text, const std::string& dashes) {
  return text.empty() ? dashes : text;
}

std::string StartUntil(const std::string& at, const std::string& until) {
  static const std::string kDashes = "----";
  return OrDashes(at, kDashes) + "/" + OrDashes(until, kDashes);
}

// Three digits with leading zeros; numbers beyond 999 are written in full so that they stay
// distinct.
std::string SequenceCaption(long long sequence) {
  std::string digits = std::to_string(sequence);
  return digits.size() >= 3 ? digits : std::string(3 - digits.size(), '0') + digits;
}

class DetailRows {
 public:
  explicit DetailRows(ReportContext& ctx) : results_(ctx.Results), progress_(ctx.Progress) {}

  void Add(std::string caption, std::vector<std::string> subItems) {
    progress_.Tick();
    results_.AddRow(std::move(caption), std::move(subItems));
  }
  long long Count() const { return static_cast<long long>(results_.Rows.size()); }

 private:
  ResultList& results_;
  Progress& progress_;
};

void AddScheduleSection(DetailRows& rows, const ScheduleHeader& header) {
  static const std::string kNone = "--";
  const CommaItems at(header.At), follows(header.Follows), on(header.On), except(header.Except);
  auto trimmed = [](const CommaItems& items, long long n) { return TrimBlanks(items.Item(n)); };

  rows.Add("", {"At/Until", "Workstation", "Schedule", "Follows", "On", "Except"});
  const std::string labels[][2] = {
      {header.Workstation, header.ScheduleName},
      {"", ""},
      {"CarryForward", header.CarryForward},
      {"Priority", OrDashes(header.Priority, kNone)},
      {"Limit", OrDashes(header.Limit, kNone)},
      {"In Order", OrDashes(header.InOrder, kNone)},
      {"Freedays", OrDashes(header.Freedays, kNone)},
  };
  for (long long n = 1;; ++n) {
    const bool labelled = n <= 7;
    const std::string column2 = n == 1 ? StartUntil(at.Item(1), header.Until) : at.Item(n);
    std::vector<std::string> items{column2,
                                   labelled ? labels[n - 1][0] : "",
                                   labelled ? labels[n - 1][1] : "",
                                   follows.Item(n),
                                   trimmed(on, n),
                                   trimmed(except, n)};
    const bool blank =
        at.Item(n).empty() && follows.Item(n).empty() && items[4].empty() && items[5].empty();
    rows.Add("", std::move(items));
    if (!labelled && blank) break;
  }

  const std::pair<const char*, const std::string*> blocks[] = {
      {"Opens", &header.Opens}, {"Prompts", &header.Prompts}, {"Needs", &header.Needs}};
  for (const auto& [label, text] : blocks) {
    const CommaItems items(*text);
    rows.Add("", {"", label, items.Item(1).empty() ? "<None>" : items.Item(1)});
    for (long long k = 2;; ++k) {
      rows.Add("", {"", "", items.Item(k)});
      if (items.Item(k).empty()) break;
    }
  }
}

void AddJob(DetailRows& rows, const ScheduleJob& job, long long sequence) {
  const CommaItems dependencies(job.Follows.empty() ? job.Opens : job.Follows + "," + job.Opens);
  const CommaItems needs(job.Needs), prompts(job.Prompt);
  const bool confirmed = !job.Confirmed.empty();
  rows.Add(SequenceCaption(sequence),
           {StartUntil(job.At, job.Until), job.Cpu, job.Name, dependencies.Item(1), job.Priority,
            confirmed ? "Confirmation" : needs.Item(1), job.Every, prompts.Item(1)});
  for (long long k = 2;; ++k) {
    const std::string& need = needs.Item(confirmed ? k - 1 : k);
    const bool blank = dependencies.Item(k).empty() && need.empty() && prompts.Item(k).empty();
    rows.Add("", {"", "", "", dependencies.Item(k), "", need, "", prompts.Item(k)});
    if (blank) break;
  }
}

void AddJobSection(DetailRows& rows, const std::vector<ScheduleJob>& jobs,
                   const std::vector<long long>& sequence) {
  rows.Add("Seq.", {"At/Until", "Workstation", "JobName", "Dependencies", "Priority", "Requires",
                    "Every", "Prompt"});
  std::vector<size_t> order(jobs.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&sequence](size_t a, size_t b) { return sequence[a] < sequence[b]; });
  for (size_t n : order) AddJob(rows, jobs[n], sequence[n]);
}

}  // namespace

void RunS4(ReportContext& ctx) {
  if (!ValidateSearchText(ctx.Panel, true)) return;
  const std::string key = ctx.Panel.SearchText;
  ResultList& results = ctx.Results;

  ScheduleHeader& header = results.Header;
  header = ScheduleHeader{};
  const size_t hash = key.find('#');
  header.Workstation = key.substr(0, std::min(hash, kHeaderPartLength));
  header.ScheduleName = key.substr(hash + 1, kHeaderPartLength);
  // Titles and audit line come before the lookup: a schedule that is not found still leaves
  // them, while the rows and the report number of the previous report stay.
  results.Title = "Schedule Report - Option #4";
  results.Subtitle = header.Workstation + " # " + header.ScheduleName;
  ctx.Audit.AppendAuditLine(AuditTextFor("S#4", key));

  const std::optional<long long> headerLine = FindScheduleHeader(ctx.Store, key, ctx.Progress);
  if (!headerLine) {
    ctx.Panel.StatusText = kScheduleNotFound;
    return;
  }
  const std::vector<ScheduleJob> jobs = ReadScheduleDetail(
      ctx.Store.ScheduleLines, ctx.Store.ScheduleLineCount, *headerLine, header, ctx.Progress);
  const std::vector<long long> sequence = SequenceJobs(jobs, ctx.Progress);

  results.ReportNumber = 4;
  results.Clear();
  results.SetWidths({40, 60, 90, 130, 130, 70, 60, 40, 60});
  DetailRows rows(ctx);
  AddScheduleSection(rows, header);
  results.DetailHeaderLastRow = rows.Count() - 1;
  AddJobSection(rows, jobs, sequence);
  rows.Add("<END>", {});
  results.DetailEndRow = rows.Count() - 1;
  FinishReport(ctx, std::nullopt);
}

}  // namespace vdbq
