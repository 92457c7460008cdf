#pragma once

#include <CLI/CLI.hpp>
#include <functional>

#include "cli/cli_context.h"

namespace vdbq::cli {

// What the parsed command line asks for: parsing only records it, so that the database is
// loaded after every option has been read.
struct CommandResult {
  std::function<int()> Run;
};

void AddCatalogueCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddReportCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddTransferCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddHtmlCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddShowCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddDiffCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddGraphCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddCheckCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddSearchCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddForecastCommand(CLI::App& app, CliContext& context, CommandResult& result);
void AddImpactCommand(CLI::App& app, CliContext& context, CommandResult& result);

}  // namespace vdbq::cli
