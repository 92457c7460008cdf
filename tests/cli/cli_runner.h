#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vdbq::testing {

// The built command-line program and the sample database it ships with.
inline constexpr const char* kCliPath = VARNOLTDBQ_CLI;
inline constexpr const char* kSampleDbDir = VARNOLTDBQ_SAMPLE_DB;

struct CliCall {
  std::vector<std::string> Arguments;
  // Variables to set (a value) or to remove (nullopt) in the program's environment.
  std::map<std::string, std::optional<std::string>> Environment;
  std::string Program = kCliPath;
  std::string WorkingDir;  // "" for the test's own
  std::chrono::milliseconds TimeLimit = std::chrono::seconds(60);
};

struct CliRun {
  int ExitStatus = -1;  // -1 when the program crashed, could not start or ran out of time
  std::string Out;
  std::string Err;
};

CliRun RunCli(const CliCall& call);
inline CliRun RunCli(std::vector<std::string> arguments) {
  CliCall call;
  call.Arguments = std::move(arguments);
  return RunCli(call);
}

}  // namespace vdbq::testing
