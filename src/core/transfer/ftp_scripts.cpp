#include "core/transfer/ftp_scripts.h"

#include <filesystem>
#include <system_error>

#include "core/transfer/owner_only_file.h"

namespace vdbq {

namespace {

constexpr char kCrLf[] = "\r\n";

std::string GetLine(const Settings& settings, const std::string& file) {
  return "get \"" + settings.RemoteExtractDir + file + "\" \"" + settings.DatabaseDir + file + "\"";
}

std::string SingleQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

// One argument in the client's command syntax: inside double quotes everything is literal
// except the closing quote, so a quote of the text closes, adds an escaped quote and reopens.
std::string ClientQuoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c == '"' ? std::string("\"\\\"\"") : std::string(1, c);
  }
  return quoted + "\"";
}

// The client cannot pass an empty argument ("" is no argument at all), and "user NAME" alone
// would read the password from the script's next line, so an empty password is sent through
// the raw commands instead.
std::string LoginLines(const Settings& settings) {
  if (settings.FtpPassword.empty()) {
    return "quote USER " + ClientQuoted(settings.FtpUser) + kCrLf + "quote PASS" + kCrLf;
  }
  return "user " + ClientQuoted(settings.FtpUser) + " " + ClientQuoted(settings.FtpPassword) +
         kCrLf;
}

}  // namespace

std::string TransferPrompt(const Settings& settings) {
  return "This process will refresh the Varnolt extracts from:\r<" + settings.FtpHost + "> " +
         settings.RemoteExtractDir + "\rAre you sure you want to continue with the FTP Transfer?";
}

std::string FtpScriptText(const Settings& settings) {
  std::string text = "open " + settings.FtpHost + kCrLf;
  text += LoginLines(settings);
  for (const char* file : kFetchOrder) text += GetLine(settings, file) + kCrLf;
  text += std::string("quit") + kCrLf;
  return text;
}

std::string WindowsBatchText(const std::string& scriptPath) {
  return "ftp -vin < \"" + scriptPath + "\"" + kCrLf;
}

std::string ShellBatchText(const std::string& scriptPath) {
  return "#!/bin/sh\ntr -d '\\r' < " + SingleQuoted(scriptPath) + " | ftp -vin\n";
}

std::string FtpBatchText(const std::string& scriptPath) {
#ifdef _WIN32
  return WindowsBatchText(scriptPath);
#else
  return ShellBatchText(scriptPath);
#endif
}

std::string FtpScriptPath(const Settings& settings) { return settings.ProgramDir + kFtpScriptName; }

std::string FtpBatchPath(const Settings& settings) { return settings.ProgramDir + kFtpBatchName; }

BatchCommand FtpBatchCommand(const Settings& settings) {
#ifdef _WIN32
  return {"cmd.exe", {"/c", FtpBatchPath(settings)}};
#else
  return {"/bin/sh", {FtpBatchPath(settings)}};
#endif
}

ScriptsWritten WriteFtpScripts(const Settings& settings, AuditLog& audit) {
  const std::string scriptPath = FtpScriptPath(settings);
  if (const int error = WriteOwnerOnlyFile(scriptPath, FtpScriptText(settings), false)) {
    audit.AppendAuditLine(kParmFileNotWritten + std::to_string(error));
    return {false, "FTP Parm File NOT Written: " + std::to_string(error)};
  }
  audit.AppendAuditLine(kParmFileWrittenOk);
  if (const int error =
          WriteOwnerOnlyFile(FtpBatchPath(settings), FtpBatchText(scriptPath), true)) {
    audit.AppendAuditLine(kBatchFileNotWritten + std::to_string(error));
    return {false, "FTP Batch File NOT Written: " + std::to_string(error)};
  }
  audit.AppendAuditLine(kBatchFileWrittenOk);
  return {true, ""};
}

void DeleteFtpScripts(const Settings& settings) {
  std::error_code ignored;
  std::filesystem::remove(FtpScriptPath(settings), ignored);
  std::filesystem::remove(FtpBatchPath(settings), ignored);
}

}  // namespace vdbq
