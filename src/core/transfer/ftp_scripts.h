#pragma once

#include <string>
#include <vector>

#include "core/audit/audit_log.h"
#include "core/settings/settings.h"

namespace vdbq {

inline constexpr const char* kFtpScriptName = "Ftp1.Ini";
// The one-line batch file that runs the client on the script: a command file on Windows, a
// shell script elsewhere.
#ifdef _WIN32
inline constexpr const char* kFtpBatchName = "Ftp1.Bat";
#else
inline constexpr const char* kFtpBatchName = "Ftp1.sh";
#endif

// The extract files in the order the script fetches them.
inline constexpr const char* kFetchOrder[] = {"Schedules.Xtract", "Jobs.Xtract", "Calendars.Xtract",
                                              "Prompts.Xtract",   "Cpus.Xtract", "Resources.Xtract",
                                              "Parms.Xtract"};

inline constexpr const char* kParmFileWrittenOk = " - Varnolt FTP Parm File Written Ok.";
inline constexpr const char* kParmFileNotWritten = " - Varnolt FTP Parm File NOT Written: ";
inline constexpr const char* kBatchFileWrittenOk = " - Varnolt FTP Batch File Written Ok.";
inline constexpr const char* kBatchFileNotWritten = " - Varnolt FTP Batch File NOT Written: ";

// The question the confirmation dialog asks before a transfer; CR is the single character 13.
std::string TransferPrompt(const Settings& settings);

// The client's command script, each line ending CR LF: open, the login, the seven gets, quit.
// User and password stand in clear, in the client's quoting so that blanks, quotes and
// backslashes reach the server unchanged; an empty password takes two login lines.
std::string FtpScriptText(const Settings& settings);

// The batch line of Windows, CR LF: the client with its commands read from the script.
std::string WindowsBatchText(const std::string& scriptPath);
// The shell script of other platforms. Their clients take a CR as part of a line's last word,
// so the script's line ends reach the client as bare LF; the path is single-quoted because the
// shell would expand "$", "`" and "\" inside double quotes.
std::string ShellBatchText(const std::string& scriptPath);
// The batch text of this platform.
std::string FtpBatchText(const std::string& scriptPath);

std::string FtpScriptPath(const Settings& settings);
std::string FtpBatchPath(const Settings& settings);

// The program and arguments that run the batch file on this platform.
struct BatchCommand {
  std::string Program;
  std::vector<std::string> Arguments;
};
BatchCommand FtpBatchCommand(const Settings& settings);

struct ScriptsWritten {
  bool Ok = false;
  // Why not, without the audit prefix: "FTP Parm File NOT Written: 13".
  std::string Reason;
};

// Writes the script (owner-only, as it holds the password) and then the batch file into
// ProgramDir, each followed by its audit line. Stops at the first file that cannot be written;
// a partly written file is removed.
ScriptsWritten WriteFtpScripts(const Settings& settings, AuditLog& audit);

// Removes both files; a file that is not there or cannot be removed is passed over.
void DeleteFtpScripts(const Settings& settings);

}  // namespace vdbq
