#include "core/catalogue/catalogue.h"
#include "core/reports/report_routines.h"
#include "core/reports/usage_answers.h"
#include "core/reports/usage_reports.h"
#include "core/text/text_routines.h"

namespace vdbq {
namespace {

std::string ParameterNameList(const ExtractStore& store) {
  std::string list;
  for (const NameValue& row : store.ParameterList) {
    if (row.Name.empty()) continue;
    list += TrimBlanks(row.Name);
    list += ',';
  }
  return list;
}

// The command clause of a job definition line: the text after its first blank.
std::string CommandText(std::string_view line) { return CopyFrom(line, Find(" ", line) + 1); }

// Appends every name that stands between a pair of carets, each followed by a comma; a caret
// without its partner ends the search.
void AppendCaretNames(std::string_view command, std::string& uses) {
  for (;;) {
    const size_t open = command.find('^');
    if (open == std::string_view::npos) return;
    command.remove_prefix(open + 1);
    const size_t close = command.find('^');
    if (close == std::string_view::npos) return;
    uses.append(command.substr(0, close));
    uses += ',';
    command.remove_prefix(close + 1);
  }
}

}  // namespace

void RunP1(ReportContext& ctx) {
  const ExtractStore& store = ctx.Store;
  const FindInput input{ctx.Catalogue.Totals.ParameterTotal, "P#1", "No Parameter Name Entered!",
                        "Parameter Name Entered Is Invalid!"};
  const std::optional<std::string> name =
      AcceptFindName(ctx, input, [&store] { return ParameterNameList(store); });
  if (!name) return;
  BeginReportAfterAudit(ctx, ReportFrame{51, "P#1", "Parameter Report - Option #1",
                                         "Jobs Using: ^" + *name + "^", kFindWidths});

  // Commands are compared in upper case, so a parameter written in lower case is found too.
  const std::string wanted = "^" + *name + "^";
  std::vector<std::string> keys;
  for (long long i = 0; i < store.JobLineCount; ++i) {
    ctx.Progress.Tick();
    std::string_view line = store.JobLines.At(i);
    if (IsJobDefinitionLine(line) && Contains(UpperCase(CommandText(line)), wanted)) {
      keys.push_back(JobKeyOfLine(line));
    }
  }
  const long long rows = AddKeyRows(ctx, std::move(keys), true);
  FinishReport(ctx, "Found " + std::to_string(rows) + " Jobs Containing Parameter ^" + *name +
                        "^... Ready.");
}

void RunP2(ReportContext& ctx) {
  const ExtractStore& store = ctx.Store;
  if (ctx.Catalogue.Totals.ParameterTotal == 0) return;
  const std::string nameList = ParameterNameList(store);
  BeginReport(ctx,
              ReportFrame{52, "P#2", "Parameter Report - Option #2", "Check Usage:", kUsageWidths});

  const std::string uses = CollectParameterUses(store, ctx.Progress);
  FinishReport(ctx, UsageStatus(AddUsageRows(ctx, nameList, uses), "Parameters"));
}

std::string CollectParameterUses(const ExtractStore& store, Progress& progress) {
  std::string uses;
  for (long long i = 0; i < store.JobLineCount; ++i) {
    progress.Tick();
    std::string_view line = store.JobLines.At(i);
    if (IsJobDefinitionLine(line)) AppendCaretNames(CommandText(line), uses);
  }
  return uses;
}

}  // namespace vdbq
