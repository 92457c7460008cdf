#pragma once

#include "core/extracts/extract_store.h"

namespace vdbq::testing {

// When VARNOLTDBQ_FUZZ_SEED_DIR names a directory, writes the extract set there as one fuzzer
// input, so that every fixture of the test runs becomes a seed of the fuzzer's corpus
// (fuzz/make_corpus.sh). Does nothing otherwise.
void NoteFuzzSeed(const ExtractTexts& texts);

}  // namespace vdbq::testing
