# Starts a private Xvfb on a free display and exports DISPLAY; sourced by the
# tests that need a real X server. x11_display_stop ends it.
#
# Servers start one at a time, and a server is used only once a client can
# reach it: when several tests started theirs together, a test has seen its
# display named but not reachable.
x11_display_start() {
  local lock attempt started=no
  exec {lock}>"${TMPDIR:-/tmp}/pelloric-xvfb.lock"
  flock "$lock"
  for attempt in 1 2 3; do
    if x11_try_start; then started=yes; break; fi
    x11_display_stop
  done
  exec {lock}>&-
  if [ "$started" != yes ]; then
    echo "Xvfb did not start:" >&2
    cat "$x11_dir/xvfb.log" >&2
    return 1
  fi
}

x11_try_start() {
  x11_dir="$(mktemp -d)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$x11_dir/display" 2>"$x11_dir/xvfb.log" {lock}>&- &
  x11_server=$!
  local i
  for i in $(seq 200); do
    [ -s "$x11_dir/display" ] && break
    sleep 0.05
  done
  [ -s "$x11_dir/display" ] || return 1
  export DISPLAY=":$(head -n 1 "$x11_dir/display")"
  for i in $(seq 100); do
    xprop -root >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

x11_display_stop() {
  [ -n "${x11_server:-}" ] && kill "$x11_server" 2>/dev/null && wait "$x11_server" 2>/dev/null
  x11_server=""
  return 0
}
