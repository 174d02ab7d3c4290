#!/bin/sh
# Runs a command on $DISPLAY under openbox, a window manager that frames windows with a
# title bar and tells the frame and the work area: up before the command starts, stopped
# after it ends. Without a running openbox the run says it skipped, which the ctest entry
# counts as a failure.
if ! command -v openbox >/dev/null 2>&1; then
  echo "[  SKIPPED ] openbox is not installed (tools/packages.sh lists it)"
  exit 0
fi
home=$(mktemp -d) || exit 1
trap 'rm -rf "$home"' EXIT
# Its settings, cache and log stay in a folder of its own, off the user's.
XDG_CONFIG_HOME=$home XDG_CACHE_HOME=$home XDG_DATA_HOME=$home \
  openbox --sm-disable --startup "touch $home/up" >"$home/log" 2>&1 &
wm=$!
waited=0
until [ -e "$home/up" ]; do
  waited=$((waited + 1))
  if [ "$waited" -gt 100 ] || ! kill -0 "$wm" 2>/dev/null; then
    echo "[  SKIPPED ] openbox did not start"
    cat "$home/log"
    kill "$wm" 2>/dev/null
    exit 0
  fi
  sleep 0.1
done
"$@"
status=$?
kill "$wm"
wait "$wm"
exit $status
