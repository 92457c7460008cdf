#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts VarnoltDBQ on the bundled sample
# database.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

install_missing
build
if [ -x "$BUILD_DIR/bin/varnoltdbq" ]; then
  exec "$BUILD_DIR/bin/varnoltdbq" "$@"
fi
# Until the desktop program is built, show the sample database's catalogue.
exec "$BUILD_DIR/bin/varnoltdbq-cli" --db "$BUILD_DIR/bin/DBase" catalogue "$@"
