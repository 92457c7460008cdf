#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace vdbq {

// Runs one external program at a time: the FTP client's batch file. The transfer only ever
// waits in bounded steps, so a window can keep painting between them.
class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;

  // Starts program with its arguments in workingDir; false when it could not be started.
  virtual bool Start(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& workingDir) = 0;
  // Waits at most bound for the process to end; true once it has ended.
  virtual bool WaitForEnd(std::chrono::milliseconds bound) = 0;
  // Ends the process and everything it started, and waits for that.
  virtual void Kill() = 0;
  // The exit status of the ended process; -1 when it was killed or crashed.
  virtual int ExitStatus() const = 0;
  // What the process wrote to its standard output and standard error so far.
  virtual std::string Output() const = 0;
  virtual std::string ErrorOutput() const = 0;
};

}  // namespace vdbq
