#include "support/fuzz_seed.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "support/fuzz_input.h"

namespace vdbq::testing {

void NoteFuzzSeed(const ExtractTexts& texts) {
  const char* dir = std::getenv("VARNOLTDBQ_FUZZ_SEED_DIR");
  if (dir == nullptr || *dir == '\0') return;
  const std::string data = JoinFuzzInput(texts, {});
  // Named after the content, so a fixture written by many tests gives one seed.
  char name[32];
  std::snprintf(name, sizeof name, "fixture-%016zx", std::hash<std::string>{}(data));
  std::ofstream out(std::string(dir) + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

}  // namespace vdbq::testing
