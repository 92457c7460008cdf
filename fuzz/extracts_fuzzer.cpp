// The fuzzer's entry: one input is one database with search texts (support/fuzz_input.h), and
// everything a user can do with it is done (support/database_exercise.h). A crash, a sanitizer
// report, a broken invariant (an uncaught ExerciseFailure) or a run over the time limit is a
// finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/database_exercise.h"

namespace {

// The audit directory, created once for the whole run and emptied after every input: an
// input's search texts go into its audit lines, so a long run would otherwise fill the disk.
class AuditDirectory {
 public:
  AuditDirectory() {
    std::error_code ignored;
    const std::string pattern =
        (std::filesystem::temp_directory_path(ignored) / "varnoltdbq-fuzz-XXXXXX").string();
    std::string path = pattern;
    // Without a directory the audit lines are dropped, as the program drops them.
    path_ = mkdtemp(path.data()) != nullptr ? path + "/" : "/nonexistent-varnoltdbq-fuzz/";
  }
  ~AuditDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::string& Path() const { return path_; }

  void Clear() const {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(path_, ignored)) {
      std::filesystem::remove_all(entry.path(), ignored);
    }
  }

 private:
  std::string path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static AuditDirectory audit;
  using namespace vdbq::testing;
  ExerciseDatabase(SplitFuzzInput(std::string_view(reinterpret_cast<const char*>(data), size)),
                   audit.Path());
  audit.Clear();
  return 0;
}
