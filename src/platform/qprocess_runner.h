#pragma once

#include <QProcess>
#include <chrono>
#include <string>
#include <vector>

#include "core/transfer/process_runner.h"

namespace vdbq {

// Runs the process with QProcess. Elsewhere than on Windows the process leads a process group
// of its own, so that Kill also ends what it started (a shell's client).
class QProcessRunner : public ProcessRunner {
 public:
  QProcessRunner();
  ~QProcessRunner() override;

  bool Start(const std::string& program, const std::vector<std::string>& arguments,
             const std::string& workingDir) override;
  bool WaitForEnd(std::chrono::milliseconds bound) override;
  void Kill() override;
  int ExitStatus() const override;
  std::string Output() const override { return output_; }
  std::string ErrorOutput() const override { return errorOutput_; }

  // The most each of the two outputs keeps; the rest is dropped.
  static constexpr std::size_t kMaxOutput = 1 << 20;

 private:
  void TakeOutput();

  QProcess process_;
  qint64 processId_ = 0;
  std::string output_;
  std::string errorOutput_;
};

}  // namespace vdbq
