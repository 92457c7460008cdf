#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/report_session.h"
#include "cli/result_printers.h"
#include "core/text/display_text.h"

namespace vdbq::cli {
namespace {

struct ReportOptions {
  std::string Code;
  std::string Search;
  std::string Format = "table";
  bool Styles = false;
};

int RunReportCommand(CliContext& context, const ReportOptions& options) {
  const ReportEntry* entry = FindReportByCode(options.Code);
  if (entry == nullptr) {
    throw CliExit{kExitFailure, "Unknown report code: " + options.Code};
  }
  ReportSession session(context);
  session.Run(*entry, options.Search);
  if (options.Format == "json") {
    PrintResultJson(std::cout, *entry, session, options.Styles);
  } else if (options.Format == "csv") {
    PrintResultCsv(std::cout, session.Results);
  } else {
    PrintResultTable(std::cout, session);
    if (!session.Completed) PrintError(DisplayText(session.Panel.StatusText));
  }
  return session.Completed ? kExitDone : kExitNotCompleted;
}

}  // namespace

void AddReportCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto options = std::make_shared<ReportOptions>();
  auto* command = app.add_subcommand("report", "Run one of the twenty-four reports");
  command->add_option("CODE", options->Code, "S#1..S#5, J#1..J#6, W#1..W#3, C#1..C#4, R#1, "
                                              "R#2, P#1, P#2, D#1, D#2")
      ->required();
  command->add_option("SEARCH", options->Search, "the search text, as typed");
  command->add_option("--format", options->Format, "table, json or csv")
      ->check(CLI::IsMember({"table", "json", "csv"}));
  command->add_flag("--styles", options->Styles, "add each row's drawing to the JSON");
  command->footer(
      "Examples:\n  varnoltdbq-cli report S#4 HFDWH01#DW_NIGHTLY --format json\n"
      "  varnoltdbq-cli report J#3 -- -X        (a search text that begins with \"-\")");
  command->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunReportCommand(context, *options); };
  });
}

}  // namespace vdbq::cli
