#!/bin/sh
# without_display.sh PROGRAM: runs the desktop program in an environment without a display.
printed=$("$1" 2>&1 </dev/null)
status=$?
expected="varnoltdbq: no display found (DISPLAY is not set); varnoltdbq-cli does the same work without one"
if [ "$status" -ne 1 ] || [ "$printed" != "$expected" ]; then
  echo "exit status $status, printed:"
  echo "$printed"
  exit 1
fi
