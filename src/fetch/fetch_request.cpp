#include "fetch/fetch_request.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>

#include "fetch/host_key.h"

namespace vdbq::fetch {

std::optional<Protocol> ProtocolFromName(std::string_view name) {
  if (name == "ftp") return Protocol::kFtp;
  if (name == "ftps") return Protocol::kFtps;
  if (name == "sftp") return Protocol::kSftp;
  return std::nullopt;
}

std::string ProtocolName(Protocol protocol) {
  switch (protocol) {
    case Protocol::kFtps:
      return "ftps";
    case Protocol::kSftp:
      return "sftp";
    case Protocol::kFtp:
      break;
  }
  return "ftp";
}

std::string ProtocolLabel(Protocol protocol) {
  std::string label = ProtocolName(protocol);
  for (char& c : label) c = static_cast<char>(c - 'a' + 'A');
  return label;
}

std::optional<Endpoint> ParseEndpoint(const std::string& hostSetting, Protocol protocol) {
  const auto first = hostSetting.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto hostEnd = hostSetting.find(' ', first);
  Endpoint endpoint{hostSetting.substr(first, hostEnd - first),
                    protocol == Protocol::kSftp ? 22 : 21};
  if (hostEnd == std::string::npos) return endpoint;
  const auto portStart = hostSetting.find_first_not_of(' ', hostEnd);
  if (portStart == std::string::npos) return endpoint;
  const auto portEnd = hostSetting.find_last_not_of(' ') + 1;
  const char* begin = hostSetting.data() + portStart;
  const char* end = hostSetting.data() + portEnd;
  int port = 0;
  const auto [stop, error] = std::from_chars(begin, end, port);
  if (error != std::errc() || stop != end || port < 1 || port > 65535) return std::nullopt;
  endpoint.Port = port;
  return endpoint;
}

// Beside the request's parsing rather than the host key's digest, so that the programs have it
// without the secure module.
std::string DefaultKnownHostsFile() {
#ifdef _WIN32
  const char* home = std::getenv("USERPROFILE");
#else
  const char* home = std::getenv("HOME");
#endif
  if (!home || !*home) return "";
  return (std::filesystem::path(home) / ".ssh" / "known_hosts").string();
}

}  // namespace vdbq::fetch
