#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/search/definition_search.h"
#include "core/text/display_text.h"

namespace vdbq::cli {
namespace {

struct SearchOptions {
  std::string Pattern;
  bool Regex = false;
  bool MatchCase = false;
  std::vector<std::string> Kinds;
  size_t Limit = kDefaultSearchLimit;
  std::string Format = "table";
};

// null for a line outside every definition.
nlohmann::ordered_json KindJson(const SearchHit& hit) {
  if (hit.Kind == ObjectKind::None) return nullptr;
  return KindName(hit.Kind);
}

void PrintJson(const SearchOptions& options, const SearchResult& result) {
  nlohmann::ordered_json hits = nlohmann::ordered_json::array();
  for (const SearchHit& hit : result.Hits) {
    hits.push_back({{"kind", KindJson(hit)},
                    {"key", hit.Kind == ObjectKind::None ? nlohmann::ordered_json(nullptr)
                                                         : nlohmann::ordered_json(DisplayText(hit.Key))},
                    {"file", hit.File},
                    {"line", hit.Line},
                    {"column", hit.Column},
                    {"text", DisplayText(hit.Text)}});
  }
  nlohmann::ordered_json out;
  out["pattern"] = DisplayText(options.Pattern);
  out["hits"] = std::move(hits);
  out["total"] = result.Total;
  out["truncated"] = result.Truncated;
  std::cout << out.dump(2) << '\n';
}

// One hit a line: where, the object, then the line as it stands.
void PrintTable(const SearchResult& result) {
  for (const SearchHit& hit : result.Hits) {
    std::cout << hit.File << ':' << hit.Line << ':' << hit.Column << "  "
              << (hit.Kind == ObjectKind::None ? std::string("(no object)")
                                               : KindName(hit.Kind) + (" " + DisplayText(hit.Key)))
              << "  " << DisplayText(hit.Text) << '\n';
  }
  std::cout << result.Total << (result.Total == 1 ? " line" : " lines") << " found";
  if (result.Truncated) std::cout << ", the first " << result.Hits.size() << " shown";
  std::cout << '\n';
}

int RunSearch(CliContext& context, const SearchOptions& options) {
  SearchQuery query;
  query.Pattern = options.Pattern;
  query.Regex = options.Regex;
  query.MatchCase = options.MatchCase;
  query.Limit = options.Limit;
  for (const std::string& name : options.Kinds) query.Kinds.push_back(*KindOfName(name));
  // A malformed pattern is told before the database is read.
  try {
    TextMatcher check(query.Pattern, query.Regex, query.MatchCase);
  } catch (const SearchPatternError& error) {
    throw CliExit{kExitFailure, error.what()};
  }
  context.LoadDatabase();
  const std::string dir = context.DatabaseDir();
  const SearchCorpus corpus(context.Store, ReadExtractText(dir, kParmsFile),
                            ReadExtractText(dir, kPromptsFile));
  Progress progress;
  const SearchResult result = SearchDefinitions(corpus, query, progress);
  if (options.Format == "json") {
    PrintJson(options, result);
  } else {
    PrintTable(result);
  }
  if (result.Total == 0) {
    if (options.Format != "json") PrintError("Nothing holds \"" + options.Pattern + "\".");
    return kExitNotCompleted;
  }
  return kExitDone;
}

std::vector<std::string> KindNames() {
  std::vector<std::string> names;
  for (ObjectKind kind : kObjectKinds) names.emplace_back(KindName(kind));
  return names;
}

}  // namespace

void AddSearchCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto* command =
      app.add_subcommand("search", "Find a text or regular expression in every definition");
  auto options = std::make_shared<SearchOptions>();
  command->add_option("PATTERN", options->Pattern, "the text (or with --regex the expression)")
      ->required();
  command->add_flag("--regex", options->Regex, "PATTERN is an RE2 regular expression");
  command->add_flag("--case", options->MatchCase, "letter case must match");
  command->add_option("--kind", options->Kinds, "only definitions of this kind (repeatable)")
      ->check(CLI::IsMember(KindNames()));
  command->add_option("--limit", options->Limit, "list at most N hits (default 10000)")
      ->check(CLI::NonNegativeNumber);
  command->add_option("--format", options->Format, "table or json")
      ->check(CLI::IsMember({"table", "json"}));
  command->footer(
      "Example:\n  varnoltdbq-cli --db /usr/share/varnoltdbq/sample-db search --regex "
      "'DW_(LOAD|MERGE)'\nExit status 1 when nothing was found, 2 for a malformed pattern.");
  command->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunSearch(context, *options); };
  });
}

}  // namespace vdbq::cli
