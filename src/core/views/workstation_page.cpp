#include "core/views/workstation_page.h"

#include "core/text/text_routines.h"

namespace vdbq {
namespace {

enum class CpuField {
  Description,
  Os,
  Node,
  TcpAddr,
  Domain,
  For,
  Type,
  AutoLink,
  FullStatus,
  ResolveDep,
  Host,
  Access,
  Server,
  TimeZone,
  Ignore,
  BehindFirewall
};

struct CpuKeyword {
  std::string_view Keyword;
  CpuField Field;
};

// Tested in this order; the first keyword a line starts with takes the whole rest of the line.
constexpr CpuKeyword kCpuKeywords[] = {
    {"DESCRIPTION ", CpuField::Description},
    {"OS ", CpuField::Os},
    {"NODE ", CpuField::Node},
    {"TCPADDR ", CpuField::TcpAddr},
    {"DOMAIN ", CpuField::Domain},
    {"FOR ", CpuField::For},
    {"TYPE ", CpuField::Type},
    {"AUTOLINK ", CpuField::AutoLink},
    {"FULLSTATUS ", CpuField::FullStatus},
    {"RESOLVEDEP ", CpuField::ResolveDep},
    {"HOST ", CpuField::Host},
    {"ACCESS ", CpuField::Access},
    {"SERVER ", CpuField::Server},
    {"TIMEZONE ", CpuField::TimeZone},
    {"TZ ", CpuField::TimeZone},
    {"IGNORE", CpuField::Ignore},
    {"BEHINDFIREWALL ", CpuField::BehindFirewall},
};

// Every field that has a default takes it; the three pictures without one stay.
void ResetToDefaults(std::string_view selectedName, WorkstationPage& page) {
  WorkstationPage defaults;
  defaults.Name = std::string(selectedName);
  defaults.OperatingSystem = page.OperatingSystem;
  defaults.AutoLink = page.AutoLink;
  defaults.FullStatus = page.FullStatus;
  page = std::move(defaults);
}

void Apply(CpuField field, const std::string& value, WorkstationPage& page) {
  switch (field) {
    case CpuField::Description:
      page.Description = value;
      break;
    case CpuField::Os:
      page.OperatingSystem = OsPicture(UpperCase(value));
      break;
    case CpuField::Node:
      page.Node = value;
      break;
    case CpuField::TcpAddr:
      page.TcpPort = value;
      break;
    case CpuField::Domain:
      page.Domain = value;
      break;
    case CpuField::For:
      page.ForUser = value;
      break;
    case CpuField::Type:
      page.Type = WorkstationTypeText(value);
      break;
    case CpuField::AutoLink:
      page.AutoLink = OnOffPicture(UpperCase(value));
      break;
    case CpuField::FullStatus:
      page.FullStatus = OnOffPicture(UpperCase(value));
      break;
    case CpuField::ResolveDep:
      page.ResolveDependencies = OnOffPicture(UpperCase(value));
      break;
    case CpuField::Host:
      page.Host = value;
      break;
    case CpuField::Access:
      page.Access = value;
      break;
    case CpuField::Server:
      page.Server = value;
      break;
    case CpuField::TimeZone:
      page.TimeZone = value;
      break;
    case CpuField::Ignore:
      page.Ignore = Picture::Yes;
      break;
    case CpuField::BehindFirewall:
      page.BehindFirewall = OnOffPicture(UpperCase(value));
      break;
  }
}

bool IsCpuNameLine(std::string_view line) {
  return StartsWith(UpperCase(TrimBlanks(line)), "CPUNAME");
}

}  // namespace

std::string WorkstationTypeText(std::string_view value) {
  std::string type = TrimBlanks(value);
  const std::string upper = UpperCase(type);
  if (upper == "FTA") return "Fault-Tolerant Agent";
  if (upper == "X-AGENT") return "Extended Agent";
  if (upper == "S-AGENT") return "Standard Agent";
  return type;
}

void ShowWorkstation(const ExtractStore& store, const Catalogue& /*catalogue*/,
                     std::string_view selectedName, WorkstationPage& page) {
  ResetToDefaults(selectedName, page);
  const LineList& lines = store.CpuLines;
  long long i = 0;
  while (i < lines.Count() &&
         !(IsCpuNameLine(lines.At(i)) && CopyFrom(lines.At(i), 9) == selectedName)) {
    ++i;
  }
  for (++i; i < lines.Count(); ++i) {
    std::string_view line = lines.At(i);
    if (line.empty()) continue;
    const std::string trimmed = TrimBlanks(line);
    const std::string upper = UpperCase(trimmed);
    // A definition that lost its END line ends where the next definition begins, so it never
    // takes the next workstation's values for its own.
    if (StartsWith(upper, "END") || StartsWith(upper, "CPUNAME") || StartsWith(upper, "CPUCLASS")) {
      break;
    }
    for (const CpuKeyword& keyword : kCpuKeywords) {
      if (StartsWith(upper, keyword.Keyword)) {
        Apply(keyword.Field, CopyFrom(trimmed, static_cast<long long>(keyword.Keyword.size()) + 1),
              page);
        break;
      }
    }
  }
}

}  // namespace vdbq
