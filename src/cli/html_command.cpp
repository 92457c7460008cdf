#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/report_session.h"
#include "core/output/html_report.h"
#include "core/text/display_text.h"

namespace vdbq::cli {
namespace {

int RunHtmlCommand(CliContext& context, const std::string& key) {
  ReportSession session(context);
  session.Run(*FindReportByCode("S#4"), key);
  if (!session.Completed) {
    PrintError(DisplayText(session.Panel.StatusText));
    return kExitNotCompleted;
  }
  const std::string document = ScheduleHtmlDocument(session.Results);
  std::cout.write(document.data(), static_cast<std::streamsize>(document.size()));
  std::cout.flush();
  return kExitDone;
}

}  // namespace

void AddHtmlCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto key = std::make_shared<std::string>();
  auto* command =
      app.add_subcommand("html", "Print the HTML document of one schedule's detail report");
  command->add_option("KEY", *key, "WORKSTATION#SCHEDULE")->required();
  command->footer("Example:\n  varnoltdbq-cli html HFDWH01#DW_NIGHTLY > DW_NIGHTLY.html");
  command->callback([&context, &result, key] {
    result.Run = [&context, key] { return RunHtmlCommand(context, *key); };
  });
}

}  // namespace vdbq::cli
