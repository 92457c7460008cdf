#pragma once

#include <string>
#include <string_view>

#include "fetch/fetch_request.h"

namespace vdbq::fetch {

std::string Base64(std::string_view bytes, bool padded);
// As ssh prints it: "SHA256:" and the digest of the key blob in unpadded base64.
std::string HostKeyFingerprint(std::string_view keyBlob);
// The known_hosts line for the key: the host alone on port 22, else "[host]:port".
std::string KnownHostsLine(const Endpoint& server, std::string_view keyType,
                           std::string_view keyBlob);
// ~/.ssh/known_hosts of the user (%USERPROFILE% on Windows); "" when there is no home.
std::string DefaultKnownHostsFile();
// Adds the line to the end of the file, creating it (and its directory) owner-only when
// missing. "" when done, else why not.
std::string AppendKnownHostsLine(const std::string& file, const std::string& line);

}  // namespace vdbq::fetch
