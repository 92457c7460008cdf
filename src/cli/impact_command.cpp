#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/impact/object_impact.h"
#include "core/text/display_text.h"

namespace vdbq::cli {
namespace {

using Json = nlohmann::ordered_json;

struct ImpactOptions {
  std::string Kind;
  std::string Key;
  std::string Format = "table";
};

// The kinds an impact is asked of: every kind of object but the workstation.
std::vector<std::string> ImpactKindNames() {
  std::vector<std::string> names;
  for (ObjectKind kind : kObjectKinds) {
    if (kind != ObjectKind::Workstation) names.emplace_back(KindName(kind));
  }
  return names;
}

Json FindingJson(const Finding& f) {
  return {{"rule", f.Rule},
          {"severity", SeverityText(f.Severity)},
          {"kind", KindName(f.Kind)},
          {"key", DisplayText(f.Key)},
          {"file", f.File},
          {"line", f.Line.Value},
          {"message", DisplayText(f.Message)}};
}

void PrintJson(const ImpactOptions& options, const ObjectImpact& impact) {
  Json direct = Json::array();
  for (const DirectUse& use : impact.Direct) {
    direct.push_back({{"kind", KindName(use.Kind)},
                      {"key", DisplayText(use.Key)},
                      {"file", use.File},
                      {"line", use.Line.Value},
                      {"how", use.How}});
  }
  Json downstream = Json::array();
  for (const DownstreamSchedule& schedule : impact.Downstream) {
    downstream.push_back({{"key", DisplayText(schedule.Key)}, {"steps", schedule.Steps}});
  }
  Json findings = Json::array();
  for (const Finding& f : impact.CheckFindingsIfRemoved) findings.push_back(FindingJson(f));
  Json out;
  out["kind"] = options.Kind;
  out["key"] = DisplayText(options.Key);
  out["direct"] = std::move(direct);
  out["downstream"] = std::move(downstream);
  out["checkFindingsIfRemoved"] = std::move(findings);
  std::cout << out.dump(2) << '\n';
}

// The text and blanks up to width, then two more.
std::string Padded(const std::string& text, size_t width) {
  return text + std::string(width - std::min(width, text.size()) + 2, ' ');
}

std::string Place(const std::string& file, LineNumber line) {
  return file + ":" + std::to_string(line.Value);
}

size_t Widest(const std::vector<std::string>& texts) {
  size_t width = 0;
  for (const std::string& text : texts) width = std::max(width, text.size());
  return width;
}

// Three sections, each headed by its count: the direct users (where, how, which), the
// schedules downstream (steps, key), the findings a removal would add (as check prints them).
void PrintTable(const ImpactOptions& options, const ObjectImpact& impact) {
  std::cout << "Impact of " << options.Kind << ' ' << DisplayText(options.Key) << '\n';
  std::cout << "Direct users: " << impact.Direct.size() << '\n';
  std::vector<std::string> places;
  for (const DirectUse& use : impact.Direct) places.push_back(Place(use.File, use.Line));
  const size_t placeWidth = Widest(places);
  for (size_t k = 0; k < impact.Direct.size(); ++k) {
    const DirectUse& use = impact.Direct[k];
    std::cout << "  " << Padded(places[k], placeWidth) << Padded(use.How, 8) << KindName(use.Kind)
              << ' ' << DisplayText(use.Key) << '\n';
  }
  std::cout << "Downstream schedules: " << impact.Downstream.size() << '\n';
  for (const DownstreamSchedule& schedule : impact.Downstream) {
    std::cout << "  " << Padded(std::to_string(schedule.Steps), 3) << DisplayText(schedule.Key)
              << '\n';
  }
  std::cout << "Check findings if removed: " << impact.CheckFindingsIfRemoved.size() << '\n';
  places.clear();
  for (const Finding& f : impact.CheckFindingsIfRemoved) places.push_back(Place(f.File, f.Line));
  const size_t findingPlaceWidth = Widest(places);
  for (size_t k = 0; k < impact.CheckFindingsIfRemoved.size(); ++k) {
    const Finding& f = impact.CheckFindingsIfRemoved[k];
    std::cout << "  " << Padded(places[k], findingPlaceWidth) << Padded(SeverityText(f.Severity), 7)
              << f.Rule << "  " << KindName(f.Kind) << ' ' << DisplayText(f.Key) << ": "
              << DisplayText(f.Message) << '\n';
  }
}

int RunImpact(CliContext& context, const ImpactOptions& options) {
  context.LoadDatabase();
  const ObjectKind kind = *KindOfName(options.Kind);
  Progress progress;
  LoadedFindingsCache loaded;
  const RemovalCheck check{loaded, CheckOptions{context.Today()}};
  const ObjectImpact impact =
      ImpactOf(context.Store, context.Catalogue, kind, options.Key, &check, progress);
  if (!impact.Exists) {
    throw CliExit{kExitNotCompleted,
                  std::string(KindTitle(kind)) + " not found: " + DisplayText(options.Key)};
  }
  if (options.Format == "json") {
    PrintJson(options, impact);
  } else {
    PrintTable(options, impact);
  }
  return kExitDone;
}

}  // namespace

void AddImpactCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto* command = app.add_subcommand("impact", "What depends on one object, directly and beyond");
  auto options = std::make_shared<ImpactOptions>();
  command
      ->add_option("KIND", options->Kind, "schedule, job, calendar, resource, parameter or prompt")
      ->required()
      ->check(CLI::IsMember(ImpactKindNames()));
  command->add_option("KEY", options->Key, "the object's key as the catalogue shows it")
      ->required();
  command->add_option("--format", options->Format, "table or json")
      ->check(CLI::IsMember({"table", "json"}));
  command->footer(
      "Example:\n  varnoltdbq-cli --db /usr/share/varnoltdbq/sample-db impact calendar "
      "HOLIDAYS\nExit status 1 when the object does not exist.");
  command->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunImpact(context, *options); };
  });
}

}  // namespace vdbq::cli
