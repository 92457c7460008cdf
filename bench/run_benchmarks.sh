#!/usr/bin/env bash
# Builds the benchmarks in Release, generates the largest standard extract set into a
# temporary directory and runs every bench_* program briefly on it. bench_load generates its
# own three sizes there. Arguments are passed on to every benchmark program, after the
# defaults (so --benchmark_min_time=1 overrides the short default).
#
#   bench/run_benchmarks.sh [benchmark options]
#
# VARNOLTDBQ_BENCH_BUILD: build directory (default build-bench beside the sources);
# VARNOLTDBQ_BUILD_JOBS: parallel build jobs (default 2).
set -euo pipefail

bench_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(dirname "$bench_dir")"
build_dir="${VARNOLTDBQ_BENCH_BUILD:-$source_dir/build-bench}"
build_jobs="${VARNOLTDBQ_BUILD_JOBS:-2}"

benches=()
for source in "$bench_dir"/bench_*.cpp; do
  benches+=("$(basename "$source" .cpp)")
done

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_GUI=ON \
  -DBUILD_TESTING=OFF -DBUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" --target gen_extracts "${benches[@]}" -j "$build_jobs"

data="$(mktemp -d "${TMPDIR:-/tmp}/varnoltdbq-bench.XXXXXX")"
trap 'rm -rf "$data"' EXIT

bin="$build_dir/bin"
"$bin/gen_extracts" --schedules 20000 --jobs 100000 --workstations 200 --seed 7 \
  --out "$data/large"

export VARNOLTDBQ_GEN_EXTRACTS="$bin/gen_extracts"
for bench in "${benches[@]}"; do
  echo "== $bench"
  if [[ "$bench" == bench_load ]]; then
    TMPDIR="$data" "$bin/$bench" --benchmark_min_time=0.1 "$@"
  else
    TMPDIR="$data" VARNOLTDBQ_BENCH_DB="$data/large" "$bin/$bench" --benchmark_min_time=0.1 "$@"
  fi
done
