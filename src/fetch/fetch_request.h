#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vdbq::fetch {

enum class Protocol { kFtp, kFtps, kSftp };

// "ftp", "ftps", "sftp"; nothing for any other name.
std::optional<Protocol> ProtocolFromName(std::string_view name);
std::string ProtocolName(Protocol protocol);
// "SFTP", "FTPS", "FTP": the word the status texts and audit lines use.
std::string ProtocolLabel(Protocol protocol);

struct Endpoint {
  std::string Host;
  int Port = 0;
};
// The host setting may carry a port after a blank ("127.0.0.1 2222"); without one, the
// protocol's own (22 for SFTP, 21 otherwise). Nothing when the port is not a number 1-65535.
std::optional<Endpoint> ParseEndpoint(const std::string& hostSetting, Protocol protocol);

// What to do with an SFTP host key that known_hosts does not hold. A changed key is always
// refused.
enum class UnknownHostKey { kRefuse, kAcceptOnce, kAcceptAndRemember };

struct FetchRequest {
  Protocol Transport = Protocol::kSftp;
  Endpoint Server;
  std::string User;
  std::string Password;        // "" for none
  std::string RemoteDir;       // ends with "/"; absolute, or relative to the login directory
  std::string LocalDir;        // the database directory, ending with a separator
  std::string KnownHostsFile;  // SFTP: "" for ~/.ssh/known_hosts
  std::string IdentityFile;    // SFTP: "" for the SSH agent
  std::string CaFile;          // FTPS: "" for the system's trust store
  UnknownHostKey OnUnknownHostKey = UnknownHostKey::kRefuse;
  // The fingerprint the user was shown and accepted: an unknown key is accepted only when it is
  // this one, so a connection that offers yet another key is still refused.
  std::string AcceptedFingerprint;
  std::chrono::seconds ConnectTimeout{30};
  // A transfer that moves no byte for this long is given up.
  std::chrono::seconds StallTimeout{60};
};

struct FileProgress {
  std::string FileName;
  std::uint64_t Bytes = 0;
  std::optional<std::uint64_t> Total;  // when the server tells it
  bool Finished = false;               // the file arrived whole
};
// Called on the fetching thread; it must not block for long.
using ProgressListener = std::function<void(const FileProgress&)>;

enum class FetchStatus { kDone, kFailed, kCancelled, kUnknownHostKey, kChangedHostKey };

struct FetchResult {
  FetchStatus Status = FetchStatus::kFailed;
  // One line. When done, "" or a note that did not stop it (a known_hosts line not written).
  std::string Reason;
  // The server's host key, for kUnknownHostKey and kChangedHostKey: "SHA256:" and the digest
  // in unpadded base64, and the line that known_hosts would hold for it.
  std::string Fingerprint;
  std::string KnownHostsLine;
};

}  // namespace vdbq::fetch
