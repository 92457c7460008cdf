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
  return {{"workstation", "Workstation", Text(page.LabCpuName)},
          {"operatingSystem", "Operating System", PictureJson(page.ImageCpu)},
          {"description", "Description", Text(page.LabCpuDesc)},
          {"node", "As Node", Text(page.LabCpuAsNode)},
          {"tcpPort", "TCP Comms Port", Text(page.LabCpuTcp)},
          {"timeZone", "Timezone", Text(page.LabCpuTz)},
          {"domain", "Domain", Text(page.LabCpuDomain)},
          {"forUser", "For User", Text(page.LabCpuForUser)},
          {"type", "Type", Text(page.LabCpuType)},
          {"host", "Host", Text(page.LabCpuHost)},
          {"access", "Access", Text(page.LabCpuAccess)},
          {"autoLink", "Auto Link", PictureJson(page.ImageCpuAutoLink)},
          {"fullStatus", "Full Status", PictureJson(page.ImageCpuFullStatus)},
          {"resolveDependencies", "Resolve Dependencies", PictureJson(page.ImageCpuResDep)},
          {"ignore", "Ignore", PictureJson(page.ImageCpuIgnore)},
          {"behindFirewall", "Behind Firewall", PictureJson(page.ImageCpuBFire)},
          {"server", "Server", Text(page.LabCpuServer)}};
}

PageFields ScheduleFields(const SchedulePage& page) {
  Json lines = Json::array();
  for (const std::string& line : page.CM1) lines.push_back(Text(line));
  return {{"workstation", "Workstation", Text(page.LabTabSchCpu)},
          {"schedule", "Schedule", Text(page.LabTabSchName)},
          {"lines", "", std::move(lines)}};
}

PageFields JobFields(const JobPage& page) {
  return {{"job", "Job", Text(page.LabJobJob)},
          {"workstation", "Workstation", Text(page.LabJobCpu)},
          {"operatingSystem", "Operating System", PictureJson(page.ImageJobType)},
          {"jobName", "Job Name", Text(page.LabJobName2)},
          {"commandType", "Command Type", Text(page.LabJobCmdType)},
          {"command", "Command", Text(page.LabJobCmd)},
          {"runPlatform", "Run Platform", Text(page.LabJobPlatform)},
          {"logon", "Logon ID", Text(page.LabJobLogon)},
          {"description", "Description", Text(page.LabJobDesc)},
          {"recovery", "Recovery", Text(page.LabJobRecovery)},
          {"interactive", "Interactive", PictureJson(page.ImageJobInteractive)}};
}

PageFields CalendarFields(const CalendarPage& page) {
  return {{"calendar", "Calendar", Text(page.LabCal1)},
          {"description", "Description", Text(page.LabCal1Desc)},
          {"dates", "Dates", Text(page.Cal1Memo)}};
}

PageFields ResourceFields(const ResourcePage& page) {
  Json row = Json::array();
  if (!page.ListView1.empty()) {
    const ResourceRow& newest = page.ListView1.front();
    for (const std::string* cell :
         {&newest.Resource, &newest.Workstation, &newest.Amount, &newest.Description}) {
      row.push_back(Text(*cell));
    }
  }
  return {{"resource", "Resource", Text(page.LabResName)},
          {"workstation", "Workstation", Text(page.LabResCpu)},
          {"row", "Row (Resource, Workstation, Amount, Description)", std::move(row)}};
}

PageFields ListPageFields(const char* titleName, const char* heading, const std::string& title,
                          long long selected, const std::string& description) {
  return {{titleName, heading, Text(title)},
          {"selected", "Selected Row", selected},
          {"description", "Description", Text(description)}};
}

// The kinds KIND accepts, in the order the help lists them.
constexpr ObjectKind kShownKinds[] = {ObjectKind::Workstation, ObjectKind::Schedule,
                                      ObjectKind::Job,         ObjectKind::Calendar,
                                      ObjectKind::Resource,    ObjectKind::Parameter,
                                      ObjectKind::Prompt};

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
    ParameterPage page;
    ShowParameter(store, catalogue, options.Key, page);
    return ListPageFields("parameter", "Parameter", page.LabPar, page.Selected, page.Description);
  }
  PromptPage page;
  ShowPrompt(store, catalogue, options.Key, page);
  return ListPageFields("prompt", "Prompt", page.LabPro, page.Selected, page.Description);
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
