#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "core/catalogue/object_kind.h"
#include "core/text/display_text.h"
#include "core/views/calendar_page.h"
#include "core/views/job_page.h"
#include "core/views/list_pages.h"
#include "core/views/resource_page.h"
#include "core/views/schedule_page.h"
#include "core/views/workstation_page.h"

namespace vdbq::cli {
namespace {

using Json = nlohmann::ordered_json;

struct ShowOptions {
  std::string Kind;
  std::string Key;
  std::string Format = "table";
};

// One page field: its JSON name (the heading in camelCase), the heading the table prints, its
// value.
struct PageField {
  std::string Name;
  std::string Heading;
  Json Value;
};
using PageFields = std::vector<PageField>;

Json Text(const std::string& bytes) { return DisplayText(bytes); }
Json PictureJson(Picture picture) { return std::string(PictureName(picture)); }

PageFields WorkstationFields(const WorkstationPage& page) {
  return {{"workstation", "Workstation", Text(page.Name)},
          {"operatingSystem", "Operating System", PictureJson(page.OperatingSystem)},
          {"description", "Description", Text(page.Description)},
          {"node", "As Node", Text(page.Node)},
          {"tcpPort", "TCP Comms Port", Text(page.TcpPort)},
          {"timeZone", "Timezone", Text(page.TimeZone)},
          {"domain", "Domain", Text(page.Domain)},
          {"forUser", "For User", Text(page.ForUser)},
          {"type", "Type", Text(page.Type)},
          {"host", "Host", Text(page.Host)},
          {"access", "Access", Text(page.Access)},
          {"autoLink", "Auto Link", PictureJson(page.AutoLink)},
          {"fullStatus", "Full Status", PictureJson(page.FullStatus)},
          {"resolveDependencies", "Resolve Dependencies", PictureJson(page.ResolveDependencies)},
          {"ignore", "Ignore", PictureJson(page.Ignore)},
          {"behindFirewall", "Behind Firewall", PictureJson(page.BehindFirewall)},
          {"server", "Server", Text(page.Server)}};
}

PageFields ScheduleFields(const SchedulePage& page) {
  Json lines = Json::array();
  for (const std::string& line : page.Lines) lines.push_back(Text(line));
  return {{"workstation", "Workstation", Text(page.Workstation)},
          {"schedule", "Schedule", Text(page.Schedule)},
          {"lines", "", std::move(lines)}};
}

PageFields JobFields(const JobPage& page) {
  return {{"job", "Job", Text(page.Job)},
          {"workstation", "Workstation", Text(page.Workstation)},
          {"operatingSystem", "Operating System", PictureJson(page.OperatingSystem)},
          {"jobName", "Job Name", Text(page.JobName)},
          {"commandType", "Command Type", Text(page.CommandType)},
          {"command", "Command", Text(page.Command)},
          {"runPlatform", "Run Platform", Text(page.RunPlatform)},
          {"logon", "Logon ID", Text(page.Logon)},
          {"description", "Description", Text(page.Description)},
          {"recovery", "Recovery", Text(page.Recovery)},
          {"interactive", "Interactive", PictureJson(page.Interactive)}};
}

PageFields CalendarFields(const CalendarPage& page) {
  return {{"calendar", "Calendar", Text(page.Name)},
          {"description", "Description", Text(page.Description)},
          {"dates", "Dates", Text(page.Dates)}};
}

PageFields ResourceFields(const ResourcePage& page) {
  Json row = Json::array();
  if (!page.History.empty()) {
    const ResourceRow& newest = page.History.front();
    for (const std::string* cell :
         {&newest.Resource, &newest.Workstation, &newest.Amount, &newest.Description}) {
      row.push_back(Text(*cell));
    }
  }
  return {{"resource", "Resource", Text(page.Name)},
          {"workstation", "Workstation", Text(page.Workstation)},
          {"row", "Row (Resource, Workstation, Amount, Description)", std::move(row)}};
}

PageFields ListPageFields(const char* titleName, const char* heading, const std::string& title,
                          long long selected, const std::string& description) {
  return {{titleName, heading, Text(title)},
          {"selected", "Selected Row", selected},
          {"description", "Description", Text(description)}};
}

// The kinds KIND accepts, in the order the help lists them.
constexpr ObjectKind kShownKinds[] = {
    ObjectKind::Workstation, ObjectKind::Schedule,  ObjectKind::Job,   ObjectKind::Calendar,
    ObjectKind::Resource,    ObjectKind::Parameter, ObjectKind::Prompt};

std::vector<std::string> ShownKindNames() {
  std::vector<std::string> names;
  for (ObjectKind kind : kShownKinds) names.emplace_back(KindName(kind));
  return names;
}

// WORKSTATION#NAME split at the first "#"; a key without one is a malformed call.
std::pair<std::string, std::string> SplitObjectKey(ObjectKind kind, const std::string& key) {
  const size_t hash = key.find('#');
  if (hash == std::string::npos) {
    throw CliExit{kExitFailure,
                  std::string("A ") + KindName(kind) + " key is WORKSTATION#NAME: " + key};
  }
  return {key.substr(0, hash), key.substr(hash + 1)};
}

PageFields ShowPage(CliContext& context, const ShowOptions& options) {
  // The option's check admits only the names of kShownKinds.
  const ObjectKind kind = KindOfName(options.Kind).value_or(ObjectKind::None);
  std::pair<std::string, std::string> cpuAndName;
  if (kind == ObjectKind::Schedule || kind == ObjectKind::Job) {
    cpuAndName = SplitObjectKey(kind, options.Key);
  }
  context.LoadDatabase();
  const ExtractStore& store = context.Store;
  const Catalogue& catalogue = context.Catalogue;
  const auto& [cpu, name] = cpuAndName;
  if (kind == ObjectKind::Workstation) {
    WorkstationPage page;
    ShowWorkstation(store, catalogue, options.Key, page);
    return WorkstationFields(page);
  }
  if (kind == ObjectKind::Schedule) {
    SchedulePage page;
    ShowSchedule(store, catalogue, cpu, name, page);
    return ScheduleFields(page);
  }
  if (kind == ObjectKind::Job) {
    JobPage page;
    ShowJob(store, catalogue, cpu, name, page);
    return JobFields(page);
  }
  if (kind == ObjectKind::Calendar) {
    CalendarPage page;
    ShowCalendar(store, catalogue, options.Key, page);
    return CalendarFields(page);
  }
  if (kind == ObjectKind::Resource) {
    ResourcePage page;
    ShowResource(store, catalogue, options.Key, page);
    return ResourceFields(page);
  }
  if (kind == ObjectKind::Parameter) {
    NameListPage page;
    ShowParameter(store, catalogue, options.Key, page);
    return ListPageFields("parameter", "Parameter", page.Name, page.Selected, page.Description);
  }
  NameListPage page;
  ShowPrompt(store, catalogue, options.Key, page);
  return ListPageFields("prompt", "Prompt", page.Name, page.Selected, page.Description);
}

void PrintTable(const PageFields& fields) {
  size_t width = 0;
  for (const PageField& field : fields) width = std::max(width, field.Heading.size());
  for (const PageField& field : fields) {
    if (field.Name == "lines") {
      std::cout << '\n';
      for (const Json& line : field.Value) std::cout << line.get<std::string>() << '\n';
      continue;
    }
    std::cout << field.Heading << std::string(width - field.Heading.size(), ' ') << " : ";
    if (field.Value.is_string()) {
      std::cout << field.Value.get<std::string>();
    } else if (field.Value.is_array()) {
      std::string separator;
      for (const Json& cell : field.Value) {
        std::cout << separator << cell.get<std::string>();
        separator = " | ";
      }
    } else {
      std::cout << field.Value.dump();
    }
    std::cout << '\n';
  }
}

int RunShow(CliContext& context, const ShowOptions& options) {
  const PageFields fields = ShowPage(context, options);
  if (options.Format == "json") {
    Json out = Json::object();
    for (const PageField& field : fields) out[field.Name] = field.Value;
    std::cout << out.dump(2) << '\n';
  } else {
    PrintTable(fields);
  }
  return kExitDone;
}

}  // namespace

void AddShowCommand(CLI::App& app, CliContext& context, CommandResult& result) {
  auto options = std::make_shared<ShowOptions>();
  auto* command = app.add_subcommand("show", "Show the page of one object");
  command->add_option("KIND", options->Kind, "the kind of object")
      ->required()
      ->check(CLI::IsMember(ShownKindNames()));
  command->add_option("KEY", options->Key, "the object as the catalogue tree shows it")->required();
  command->add_option("--format", options->Format, "table or json")
      ->check(CLI::IsMember({"table", "json"}));
  command->footer(
      "Example:\n  varnoltdbq-cli show job HFMASTER#VARNOLT_DBXTRACT --format json\n"
      "JSON names each field as the table's heading, in camelCase (jobName, runPlatform, ...).");
  command->callback([&context, &result, options] {
    result.Run = [&context, options] { return RunShow(context, *options); };
  });
}

}  // namespace vdbq::cli
