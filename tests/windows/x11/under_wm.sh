#!/usr/bin/env bash
# Runs a command on a private X display with a window manager (openbox), for
# what the offscreen platform cannot show: what the window manager is told.
# Usage: under_wm.sh COMMAND [ARGS...]
set -u
source "$(dirname "${BASH_SOURCE[0]}")/../../x11_display.sh"
wm=""
stop() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
  x11_display_stop
}
trap stop EXIT
x11_display_start || exit 1

openbox --sm-disable >"$x11_dir/wm.log" 2>&1 &
wm=$!
for i in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  echo "the window manager did not start:"
  cat "$x11_dir/wm.log"
  exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
