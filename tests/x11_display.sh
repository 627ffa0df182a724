# Starts a private Xvfb on a free display and exports DISPLAY; sourced by the
# tests that need a real X server. x11_display_stop ends it.
x11_display_start() {
  x11_dir="$(mktemp -d)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$x11_dir/display" 2>"$x11_dir/xvfb.log" &
  x11_server=$!
  local i
  for i in $(seq 200); do
    [ -s "$x11_dir/display" ] && break
    sleep 0.05
  done
  if [ ! -s "$x11_dir/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$x11_dir/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$x11_dir/display")"
}

x11_display_stop() {
  [ -n "${x11_server:-}" ] && kill "$x11_server" 2>/dev/null && wait "$x11_server" 2>/dev/null
  x11_server=""
  return 0
}
