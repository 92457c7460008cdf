#!/usr/bin/env bash
# Writes the fuzzer's seed corpus into OUT_DIR: the bundled sample database with searches for
# its objects, and every extract set the core tests write (their inline fixtures), gathered by
# running the test programs in TEST_BIN_DIR with VARNOLTDBQ_FUZZ_SEED_DIR set. Without
# TEST_BIN_DIR only the sample database is written.
#
#   scripts/make-fuzz-corpus.sh OUT_DIR [TEST_BIN_DIR]
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:?usage: scripts/make-fuzz-corpus.sh OUT_DIR [TEST_BIN_DIR]}"
test_bin="${2:-}"
# Larger inputs are cut to this length by bench/fuzz.sh anyway.
max_len=200000
separator=$'\x1e'

mkdir -p "$out"
out="$(cd "$out" && pwd)"
sample="$source_dir/examples/sample-db"
{
  for name in Schedules Jobs Parms Resources Calendars Prompts Cpus; do
    cat "$sample/$name.Xtract"
    printf '%s' "$separator"
  done
  printf '%s\n' HFBKP01#BACKUP_DAILY HFBKP01#BACKUP_WEEKLY HFMASTER BKP_DB_DUMP WORKDAYS TAPES \
    BINDIR TAPE_MOUNTED
  printf '%s' "$separator"
} >"$out/sample-db"

if [[ -n "$test_bin" ]]; then
  shopt -s nullglob
  tests=("$test_bin"/core_*_tests)
  if [[ ${#tests[@]} -eq 0 ]]; then
    echo "make-fuzz-corpus.sh: no core_*_tests in $test_bin" >&2
    exit 1
  fi
  for test in "${tests[@]}"; do
    # A failing test still leaves its fixtures; the test runs themselves report failures.
    VARNOLTDBQ_FUZZ_SEED_DIR="$out" VARNOLTDBQ_SAMPLE_DB="$sample" "$test" >/dev/null 2>&1 || true
  done
fi
find "$out" -type f -size +"${max_len}"c -delete
echo "make-fuzz-corpus.sh: $(find "$out" -type f | wc -l) seeds in $out"
