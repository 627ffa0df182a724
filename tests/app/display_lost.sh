#!/usr/bin/env bash
# The game started under X ends with an exit status, not a signal, when its
# X display goes away: here the X server itself ends under the running game.
# Usage: display_lost.sh PROGRAM
set -u
program="$1"
source "$(dirname "${BASH_SOURCE[0]}")/../x11_display.sh"
trap x11_display_stop EXIT
x11_display_start || exit 1

export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "${BASH_SOURCE[0]}")/display_lost.supp"
QT_QPA_PLATFORM=xcb "$program" 2>"$x11_dir/game.log" &
game=$!
shown=no
for i in $(seq 400); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Pelloric"'; then shown=yes; break; fi
  kill -0 "$game" 2>/dev/null || break
  sleep 0.05
done
if [ "$shown" != yes ]; then
  echo "FAIL: the main window never showed"
  cat "$x11_dir/game.log"
  kill -9 "$game" 2>/dev/null
  exit 1
fi

x11_display_stop
for i in $(seq 100); do
  kill -0 "$game" 2>/dev/null || break
  sleep 0.05
done
if kill -0 "$game" 2>/dev/null; then
  echo "FAIL: the game still runs 5 seconds after its display went away"
  kill -9 "$game"
  exit 1
fi
wait "$game"
status=$?
if [ "$status" -gt 128 ]; then
  echo "FAIL: the game was ended by signal $((status - 128))"
  cat "$x11_dir/game.log"
  exit 1
fi
if grep -q -E 'Sanitizer|runtime error' "$x11_dir/game.log"; then
  echo "FAIL: a sanitizer reported an error"
  cat "$x11_dir/game.log"
  exit 1
fi
echo "PASS: the game ended with exit status $status when its display went away"
