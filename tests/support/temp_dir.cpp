#include "support/temp_dir.h"

#include <atomic>
#include <fstream>
#include <random>
#include <system_error>

#include "support/fuzz_seed.h"

namespace vdbq::testing {

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device seed;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("varnoltdbq-test-" + std::to_string(seed()) + "-" +
                             std::to_string(counter++));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::DirText() const { return path_.string() + "/"; }

std::filesystem::path TempDir::Write(const std::string& name, const std::string& bytes) const {
  const auto file = path_ / name;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

void WriteExtractSet(const TempDir& dir, const std::map<std::string, std::string>& texts) {
  const std::map<std::string, std::string> defaults = {
      {"Schedules.Xtract", ""},       {"Jobs.Xtract", ""},
      {"Parms.Xtract", "$PARM\n"},    {"Resources.Xtract", "$RESOURCE\n"},
      {"Calendars.Xtract", "$CALENDAR\n"}, {"Prompts.Xtract", "$PROMPT\n"},
      {"Cpus.Xtract", ""}};
  for (const auto& [name, fallback] : defaults) {
    auto given = texts.find(name);
    dir.Write(name, given != texts.end() ? given->second : fallback);
  }
  ExtractTexts written;
  for (size_t k = 0; k < written.size(); ++k) {
    const auto given = texts.find(kExtractLoadOrder[k]);
    written[k] = given != texts.end() ? given->second : defaults.at(kExtractLoadOrder[k]);
  }
  NoteFuzzSeed(written);
}

}  // namespace vdbq::testing
