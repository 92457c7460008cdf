#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/diff/changes_csv.h"
#include "core/diff/database_diff.h"
#include "core/text/display_text.h"
#include "core/transfer/extract_history.h"

namespace vdbq::cli {
namespace {

struct DiffOptions {
  std::string OldDir;
  bool AgainstPrevious = false;
  std::string Format = "table";
};

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

nlohmann::ordered_json KeysJson(const std::vector<std::string>& keys) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const std::string& key : keys) list.push_back(DisplayText(key));
  return list;
}

std::string MarkedLine(const DiffLine& line) { return line.Mark + DisplayText(line.Text); }

void PrintJson(const std::string& oldDir, const std::string& newDir, const DatabaseDiff& diff) {
  nlohmann::ordered_json kinds = nlohmann::ordered_json::object();
  for (ObjectKind kind : kObjectKinds) {
    const KindChanges& changes = diff.Of(kind);
    nlohmann::ordered_json changed = nlohmann::ordered_json::array();
    for (const ChangedObject& object : changes.Changed) {
      nlohmann::ordered_json lines = nlohmann::ordered_json::array();
      for (const DiffLine& line : object.Lines) lines.push_back(MarkedLine(line));
      changed.push_back({{"key", DisplayText(object.Key)}, {"diff", std::move(lines)}});
    }
    kinds[KindListName(kind)] = {{"added", KeysJson(changes.Added)},
                                 {"removed", KeysJson(changes.Removed)},
                                 {"changed", std::move(changed)}};
  }
  nlohmann::ordered_json out;
  out["old"] = DisplayText(oldDir);
  out["new"] = DisplayText(newDir);
  out["kinds"] = std::move(kinds);
  std::cout << out.dump(2) << '\n';
}

void PrintTable(const std::string& oldDir, const std::string& newDir, const DatabaseDiff& diff) {
  std::cout << "Old: " << DisplayText(oldDir) << '\n' << "New: " << DisplayText(newDir) << "\n\n";
  for (ObjectKind kind : kObjectKinds) {
    const KindChanges& changes = diff.Of(kind);
    std::cout << KindHeading(kind) << ": " << changes.Added.size() << " added, "
              << changes.Removed.size() << " removed, " << changes.Changed.size() << " changed\n";
    for (const std::string& key : changes.Added)
      std::cout << "  added    " << DisplayText(key) << '\n';
    for (const std::string& key : changes.Removed) {
      std::cout << "  removed  " << DisplayText(key) << '\n';
    }
    for (const ChangedObject& object : changes.Changed) {
      std::cout << "  changed  " << DisplayText(object.Key) << '\n';
      for (const DiffLine& line : object.Lines) {
        if (line.AfterGap) std::cout << "      ...\n";
        std::cout << "      " << MarkedLine(line) << '\n';
      }
    }
  }
  std::cout << '\n' << ChangesStatusText(diff) << '\n';
}

int RunDiff(CliContext& context, const DiffOptions& options) {
  const std::string newDir = context.DatabaseDir();
  std::string oldDir = WithSeparator(options.OldDir);
  // The directories as they were named, for the output.
  std::string oldName = options.OldDir;
  const std::string newName =
      context.DatabaseDirOption.empty() ? newDir : context.DatabaseDirOption;
  if (options.AgainstPrevious) {
    oldDir = NewestExtractSet(newDir);
    oldName = oldDir;
    if (oldDir.empty()) {
      throw CliExit{kExitFailure, "No previous extracts kept in " + newDir + kHistoryDirName};
    }
  }
  DatabaseDiff diff;
  try {
    diff = DiffDatabases(oldDir, newDir);
  } catch (const DiffLoadError& error) {
    throw CliExit{kExitFailure, error.what()};
  }
  if (options.Format == "json") {
    PrintJson(oldName, newName, diff);
  } else {
    PrintTable(oldName, newName, diff);
  }
  return diff.Empty() ? kExitDone : kExitNotCompleted;
}

}  // namespace

void AddDiffCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto options = std::make_shared<DiffOptions>();
  auto* command = app.add_subcommand(
      "diff", "Compare the database of --db (new) with the extracts in OLD_DIR (old)");
  auto* oldDir = command->add_option("OLD_DIR", options->OldDir, "directory of the old extracts");
  auto* previous = command->add_flag("--against-previous", options->AgainstPrevious,
                                     "compare with the newest kept set of previous extracts");
  oldDir->excludes(previous);
  command->add_option("--format", options->Format, "table or json")
      ->check(CLI::IsMember({"table", "json"}));
  command->footer(
      "Examples:\n  varnoltdbq-cli --db new-extracts diff old-extracts\n"
      "  varnoltdbq-cli diff --against-previous --format json\n"
      "Exit status 0 when nothing differs, 1 when something does.");
  command->callback([&context, &result, options, oldDir] {
    if (!options->AgainstPrevious && oldDir->count() == 0) {
      throw CLI::RequiredError("OLD_DIR or --against-previous");
    }
    result.Run = [&context, options] { return RunDiff(context, *options); };
  });
}

}  // namespace vdbq::cli
