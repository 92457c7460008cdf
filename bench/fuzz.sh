#!/usr/bin/env bash
# Builds the fuzzer (fuzz/, clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs it for SECONDS (default 60). The corpus it grows is kept in the build directory, so
# later runs go on from it; a finding is written to the findings directory and ends the run with
# a non-zero status.
#
#   bench/fuzz.sh [SECONDS]
#
# VARNOLTDBQ_FUZZ_BUILD: build directory (default build-fuzz beside the sources);
# VARNOLTDBQ_FUZZ_JOBS: fuzzing processes (default 1);
# VARNOLTDBQ_FUZZ_TEST_BIN: a directory holding built core_*_tests programs whose fixtures become
#   seeds; without it the core tests are built in the fuzzer's build directory for that once.
# VARNOLTDBQ_BUILD_JOBS: parallel build jobs (default 2).
set -euo pipefail

seconds="${1:-60}"
bench_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(dirname "$bench_dir")"
build_dir="${VARNOLTDBQ_FUZZ_BUILD:-$source_dir/build-fuzz}"
fuzz_jobs="${VARNOLTDBQ_FUZZ_JOBS:-1}"
build_jobs="${VARNOLTDBQ_BUILD_JOBS:-2}"

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVARNOLTDBQ_FUZZ=ON \
  -DBUILD_GUI=OFF >/dev/null
cmake --build "$build_dir" --target extracts_fuzzer -j "$build_jobs"

seeds="$build_dir/fuzz-seeds"
corpus="$build_dir/fuzz-corpus"
findings="$build_dir/fuzz-findings"
if [[ ! -d "$seeds" ]]; then
  test_bin="${VARNOLTDBQ_FUZZ_TEST_BIN:-}"
  if [[ -z "$test_bin" ]]; then
    mapfile -t core_tests < <(cd "$source_dir/tests/core" && for d in */; do echo "core_${d%/}_tests"; done)
    cmake --build "$build_dir" --target "${core_tests[@]}" -j "$build_jobs"
    test_bin="$build_dir/bin"
  fi
  "$source_dir/fuzz/make_corpus.sh" "$seeds.tmp" "$test_bin"
  mv "$seeds.tmp" "$seeds"
fi
mkdir -p "$corpus" "$findings"

options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=200000
  -dict="$source_dir/fuzz/extracts.dict" -artifact_prefix="$findings/" -print_final_stats=1)
if [[ "$fuzz_jobs" -gt 1 ]]; then options+=(-fork="$fuzz_jobs"); fi
echo "Fuzzing for ${seconds}s with $fuzz_jobs process(es); findings go to $findings"
"$build_dir/bin/extracts_fuzzer" "${options[@]}" "$corpus" "$seeds"
