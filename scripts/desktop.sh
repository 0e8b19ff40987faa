#!/usr/bin/env bash
# Runs a command on a desktop of its own, as a user with a small screen sees
# the program: a virtual 1024 x 768 screen (Xvfb) with the openbox window
# manager, which gives windows a title bar and a frame. The environment
# passes through, so GTK_THEME or GDK_DPI_SCALE change the look.
#
#   scripts/desktop.sh COMMAND [ARGUMENT...]
set -euo pipefail

if [ "${1:-}" != --inside ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$@"
fi
shift

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager announces itself on the root window once it runs.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
status=0
"$@" || status=$?
kill "$wm" 2>/dev/null || true
wait "$wm" 2>/dev/null || true
exit "$status"
