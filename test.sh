#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

install_missing
build
# The settings and audit files of test runs stay out of the user's own configuration.
export XDG_CONFIG_HOME="$BUILD_DIR/test-config"
export QT_QPA_PLATFORM=offscreen
cd "$BUILD_DIR"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "$@"
