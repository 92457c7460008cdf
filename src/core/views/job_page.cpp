#include "core/views/job_page.h"

#include "core/text/text_routines.h"
#include "core/views/view_text.h"

namespace vdbq {
namespace {

struct CommandClause {
  std::string_view Keyword;
  std::string_view Type;
  std::string_view Platform;
};

constexpr CommandClause kCommandClauses[] = {
    {"DOCOMMAND ", "Command ", "UNIX/NT/MPE"},
    {"SCRIPTNAME ", "Scriptname ", "UNIX/NT"},
    {"JOBFILENAME ", "Jobfilename ", "MPE"},
};

void ReadCommandClause(const std::string& clause, JobPage& page) {
  for (const CommandClause& command : kCommandClauses) {
    if (StartsWith(clause, command.Keyword)) {
      page.Command = CopyFrom(clause, static_cast<long long>(command.Keyword.size()) + 1);
      page.CommandType = std::string(command.Type);
      page.RunPlatform = std::string(command.Platform);
      return;
    }
  }
}

// Reads the definition's indented lines from index `from`; stops after RECOVERY, or before
// the next definition line when RECOVERY is missing.
void ReadDefinitionLines(const LineList& lines, long long from, JobPage& page) {
  for (long long i = from; i < lines.Count(); ++i) {
    std::string_view line = lines.At(i);
    if (line.empty()) continue;
    const std::string current = TrimBlanks(line);
    if (StartsWith(current, "RECOVERY ")) {
      page.Recovery = CopyFrom(current, 10);
      return;
    }
    if (IsJobDefinitionLine(line)) return;
    if (StartsWith(current, "STREAMLOGON ")) {
      page.Logon = StripEnclosingQuotes(CopyFrom(current, 13));
    } else if (StartsWith(current, "DESCRIPTION ")) {
      const std::string description = CopyFrom(current, 13);
      page.Description = description == "\"\"" ? "<Empty>" : description;
    } else if (current == "INTERACTIVE") {
      page.Interactive = Picture::Yes;
    }
  }
}

}  // namespace

long long FindJobDefinition(const LineList& jobLines, std::string_view key) {
  for (long long i = 0; i < jobLines.Count(); ++i) {
    std::string_view line = jobLines.At(i);
    if (!StartsWith(line, key)) continue;
    if (line.size() == key.size() || line[key.size()] == ' ' || line[key.size()] == '\t') {
      return i;
    }
  }
  return -1;
}

void ShowJob(const ExtractStore& store, const Catalogue& catalogue, std::string_view selectedCpu,
             std::string_view selectedName, JobPage& page) {
  const std::string os = catalogue.OsOfCpu(selectedCpu);
  if (!os.empty()) page.OperatingSystem = OsPicture(os);
  page.Job = std::string(selectedName);
  page.Workstation = std::string(selectedCpu);
  page.JobName = std::string(selectedName);
  page.Interactive = Picture::No;

  std::string target(selectedCpu);
  target += '#';
  target += selectedName;
  const long long definition = FindJobDefinition(store.JobLines, target);
  if (definition >= 0) {
    std::string_view line = store.JobLines.At(definition);
    ReadCommandClause(CopyFrom(line, static_cast<long long>(target.size()) + 2), page);
    ReadDefinitionLines(store.JobLines, definition + 1, page);
  }
  if (!catalogue.IsDefinedCpu(selectedCpu)) page.OperatingSystem = Picture::Unknown;
}

}  // namespace vdbq
