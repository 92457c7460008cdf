#include "core/transfer/client_output.h"

#include <algorithm>
#include <cctype>

namespace vdbq {

namespace {

constexpr std::size_t kMaxReplyLength = 120;
constexpr int kShellCommandNotFound = 127;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Drops the prompts and program-name prefixes the clients put in front of their messages.
std::string_view Bare(std::string_view line) {
  for (;;) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (StartsWith(line, "ftp> ")) {
      line.remove_prefix(5);
    } else if (StartsWith(line, "ftp: ")) {
      line.remove_prefix(5);
    } else if (StartsWith(line, "> ")) {
      line.remove_prefix(2);
    } else {
      return line;
    }
  }
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The reply code of a server reply line, 0 for other lines. Transfer statistics
// ("550 bytes received in ...") begin like a reply and are no reply.
int ReplyCode(std::string_view line) {
  if (line.size() < 3 || !IsDigit(line[0]) || !IsDigit(line[1]) || !IsDigit(line[2])) return 0;
  if (line.size() > 3 && line[3] != ' ' && line[3] != '-') return 0;
  if (Contains(line, " bytes received") || Contains(line, " bytes sent")) return 0;
  return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

ClientFailure FailureOfLine(std::string_view line) {
  if (StartsWith(line, "Can't lookup") || StartsWith(line, "Unknown host")) {
    return ClientFailure::kUnknownHost;
  }
  if (StartsWith(line, "Can't connect") || StartsWith(line, "connect:") ||
      StartsWith(line, "connect :") || StartsWith(line, "Not connected.")) {
    return ClientFailure::kCannotConnect;
  }
  if (StartsWith(line, "Login failed") || StartsWith(line, "Login incorrect")) {
    return ClientFailure::kLoginFailed;
  }
  if (StartsWith(line, "Can't access") || StartsWith(line, "Error opening local file")) {
    return ClientFailure::kLocalFileError;
  }
  const int code = ReplyCode(line);
  if (code == 530) return ClientFailure::kLoginFailed;
  if (code == 550) return ClientFailure::kRemoteFileMissing;
  if (code >= 400 && code < 600) return ClientFailure::kServerError;
  return ClientFailure::kNone;
}

std::string Joined(const std::vector<std::string>& files) {
  std::string text;
  for (const std::string& file : files) text += (text.empty() ? "" : ", ") + file;
  return text;
}

std::string WithFiles(const std::string& reason, const std::vector<std::string>& files) {
  return files.empty() ? reason : reason + ": " + Joined(files);
}

}  // namespace

ClientVerdict ReadClientOutput(std::string_view output) {
  ClientVerdict verdict;
  std::size_t start = 0;
  while (start < output.size()) {
    std::size_t end = output.find('\n', start);
    if (end == std::string_view::npos) end = output.size();
    std::string_view line = output.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Bare(line);
    const ClientFailure failure = FailureOfLine(line);
    if (failure == ClientFailure::kServerError && verdict.Reply.empty()) {
      verdict.Reply = std::string(line.substr(0, kMaxReplyLength));
    }
    verdict.Failure = std::min(verdict.Failure, failure);
  }
  return verdict;
}

std::string TransferFailureReason(const ClientVerdict& verdict, int exitStatus,
                                  const std::vector<std::string>& filesNotRefreshed,
                                  const Settings& settings) {
  switch (verdict.Failure) {
    case ClientFailure::kUnknownHost:
      return "Unknown Host: " + settings.FtpHost;
    case ClientFailure::kCannotConnect:
      return "Cannot Connect To Host: " + settings.FtpHost;
    case ClientFailure::kLoginFailed:
      return "Login Failed For User: " + settings.FtpUser;
    case ClientFailure::kLocalFileError:
      return WithFiles("Cannot Write Local File", filesNotRefreshed);
    case ClientFailure::kRemoteFileMissing:
      return WithFiles("Remote File Not Found", filesNotRefreshed);
    case ClientFailure::kServerError:
      return "Server Reply: " + verdict.Reply;
    case ClientFailure::kNone:
      break;
  }
#ifndef _WIN32
  if (exitStatus == kShellCommandNotFound) return "FTP Client Not Found";
#endif
  if (exitStatus < 0) return "FTP Client Ended Abnormally";
  if (exitStatus != 0) return "FTP Client Ended With Exit Status " + std::to_string(exitStatus);
  if (!filesNotRefreshed.empty()) return WithFiles("File Not Refreshed", filesNotRefreshed);
  return "";
}

}  // namespace vdbq
