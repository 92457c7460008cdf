#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/settings.h"

namespace vdbq {

// The command-line clients end with status 0 after most failures, so their transcript says
// what went wrong. Ordered from the most fundamental: an earlier failure explains the later
// ones (a rejected login also fails every get).
enum class ClientFailure {
  kUnknownHost,
  kCannotConnect,
  kLoginFailed,
  kLocalFileError,
  kRemoteFileMissing,
  kServerError,
  kNone,
};

struct ClientVerdict {
  ClientFailure Failure = ClientFailure::kNone;
  // For kServerError: the first reply that reported an error.
  std::string Reply;
};

// Reads a client transcript (standard output and error) line by line.
ClientVerdict ReadClientOutput(std::string_view output);

// Why a transfer whose client has ended failed, "" when it worked. filesNotRefreshed lists the
// fetched files that are missing or unchanged since before the client started.
std::string TransferFailureReason(const ClientVerdict& verdict, int exitStatus,
                                  const std::vector<std::string>& filesNotRefreshed,
                                  const Settings& settings);

}  // namespace vdbq
