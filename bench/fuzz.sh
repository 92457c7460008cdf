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

# The committed seeds: the sample database and the core tests' fixtures (scripts/make-fuzz-corpus.sh).
seeds="$source_dir/fuzz/corpus"
corpus="$build_dir/fuzz-corpus"
findings="$build_dir/fuzz-findings"
mkdir -p "$corpus" "$findings"

options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=200000
  -dict="$source_dir/fuzz/extracts.dict" -artifact_prefix="$findings/" -print_final_stats=1)
if [[ "$fuzz_jobs" -gt 1 ]]; then options+=(-fork="$fuzz_jobs"); fi
echo "Fuzzing for ${seconds}s with $fuzz_jobs process(es); findings go to $findings"
"$build_dir/bin/extracts_fuzzer" "${options[@]}" "$corpus" "$seeds"
