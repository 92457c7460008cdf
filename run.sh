#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts VarnoltDBQ on the bundled sample
# database.
source "$(dirname "${BASH_SOURCE[0]}")/scripts/common.sh"

install_missing
build
CLI=("$BUILD_DIR/bin/varnoltdbq-cli" --db "$BUILD_DIR/bin/DBase")
# The desktop program cannot start without a display (X11 or Wayland): show the sample database
# through the command-line program, which does the same work without one.
if [ "$(uname -s)" = Linux ] && [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] &&
  [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found, so varnoltdbq cannot open its window. varnoltdbq-cli does the same work"
  echo "without one; the sample database through it (varnoltdbq-cli --help for more):"
  echo
  "${CLI[@]}" catalogue | sed -n '/^Last Update/,$p'
  echo
  exec "${CLI[@]}" report S#1
fi
if [ -x "$BUILD_DIR/bin/varnoltdbq" ]; then
  exec "$BUILD_DIR/bin/varnoltdbq" "$@"
fi
# Until the desktop program is built, show the sample database's catalogue.
exec "${CLI[@]}" catalogue "$@"
