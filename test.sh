#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the quick run.
#
#   ./test.sh          build and every test (core, CLI end to end, desktop on Qt Test)
#   ./test.sh --full   then also every test again with AddressSanitizer and
#                      UndefinedBehaviorSanitizer, and a minute of fuzzing (bench/fuzz.sh)
#
# CI (CI=true) always runs the full set. Other arguments go to ctest.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

full=false
[[ "${CI:-}" == true ]] && full=true
ctest_args=()
for arg in "$@"; do
  if [[ "$arg" == --full ]]; then full=true; else ctest_args+=("$arg"); fi
done

stage_start=$SECONDS
stage_done() {
  echo "== $1 took $((SECONDS - stage_start)) s"
  stage_start=$SECONDS
}

install_missing
build
stage_done "build"
# The settings and audit files of test runs stay out of the user's own configuration.
export XDG_CONFIG_HOME="$BUILD_DIR/test-config"
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc 2>/dev/null || echo 2)"
(cd "$BUILD_DIR" && ctest --output-on-failure -j "$jobs" "${ctest_args[@]}")
stage_done "tests"

if [[ "$full" != true ]]; then
  exit 0
fi

install_missing "${FUZZ_PACKAGES[@]}"
build_sanitized
stage_done "sanitizer build"
export XDG_CONFIG_HOME="$SANITIZE_BUILD_DIR/test-config"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$ROOT/scripts/lsan-suppressions.txt:print_suppressions=0}"
(cd "$SANITIZE_BUILD_DIR" && ctest --output-on-failure -j "$jobs" "${ctest_args[@]}")
stage_done "sanitizer tests"

"$ROOT/bench/fuzz.sh" 60
stage_done "fuzzing"
