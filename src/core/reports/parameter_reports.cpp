#include "core/reports/family_reports.h"
#include "core/reports/report_routines.h"
#include "core/reports/usage_answers.h"
#include "core/text/text_routines.h"

namespace vdbq {

std::string ParameterNameList(const ExtractStore& store) {
  return NamesOfRows(store.ParameterList);
}

namespace {

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

std::vector<std::string> JobsUsingParameter(ReportContext& ctx, const std::string& name) {
  std::vector<std::string> keys;
  for (long long line : JobLinesUsingParameter(ctx.Store, name, ctx.Progress)) {
    keys.push_back(JobKeyOfLine(ctx.Store.JobLines.At(line)));
  }
  return keys;
}

// Commands are compared in upper case, so a parameter written in lower case is found too.
std::vector<long long> JobLinesUsingParameter(const ExtractStore& store, const std::string& name,
                                              Progress& progress) {
  const std::string wanted = "^" + name + "^";
  std::vector<long long> lines;
  for (long long i = 0; i < store.JobLineCount; ++i) {
    progress.Tick();
    std::string_view line = store.JobLines.At(i);
    if (IsJobDefinitionLine(line) && Contains(UpperCase(CommandText(line)), wanted)) {
      lines.push_back(i);
    }
  }
  return lines;
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
