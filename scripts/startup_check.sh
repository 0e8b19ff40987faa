#!/usr/bin/env bash
# Starts the window program in a directory, as a user would from a desktop:
# waits for its window, then closes it with Alt+F4, asking again while the
# window manager may still be settling. Fails when no window appears or the
# program does not end, or ends in failure. Its standard error is left in
# the file "stderr" of the directory. Runs on the current display, which
# needs a window manager (scripts/desktop.sh).
#
# A PROGRAM ending in .exe is run by Wine ($WINE, else wine).
#
#   scripts/startup_check.sh PROGRAM DIRECTORY
set -uo pipefail
program=$1
cd "$2"
case $program in
  *.exe) ${WINE:-wine} "$program" 2>stderr & ;;
  *) "$program" 2>stderr & ;;
esac
pid=$!
read -r window < <(timeout 90 xdotool search --sync --onlyvisible --name '^kortavex$')
if [ -z "${window:-}" ]; then
  kill "$pid"
  exit 1
fi
for _ in $(seq 20); do
  xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4 2>/dev/null
  timeout 1 tail --pid="$pid" -f /dev/null && break
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  exit 1
fi
wait "$pid"
