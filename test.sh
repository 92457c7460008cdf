#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Then builds every test again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs them, and fuzzes the core for a
# minute (bench/fuzz.sh). VARNOLTDBQ_QUICK_TESTS=1 skips those two stages, except in CI
# (CI=true), which always runs all three.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

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
(cd "$BUILD_DIR" && ctest --output-on-failure -j "$jobs" "$@")
stage_done "tests"

if [[ "${VARNOLTDBQ_QUICK_TESTS:-0}" == 1 && "${CI:-}" != true ]]; then
  exit 0
fi

install_missing "${FUZZ_PACKAGES[@]}"
build_sanitized
stage_done "sanitizer build"
export XDG_CONFIG_HOME="$SANITIZE_BUILD_DIR/test-config"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
(cd "$SANITIZE_BUILD_DIR" && ctest --output-on-failure -j "$jobs" "$@")
stage_done "sanitizer tests"

# The fixtures of the sanitizer build's core tests become the fuzzer's seeds.
VARNOLTDBQ_FUZZ_BUILD="$BUILD_DIR-fuzz" VARNOLTDBQ_FUZZ_TEST_BIN="$SANITIZE_BUILD_DIR/bin" \
  "$ROOT/bench/fuzz.sh" 60
stage_done "fuzzing"
