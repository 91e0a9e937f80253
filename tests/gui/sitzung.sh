#!/bin/bash
# Runs a command inside a private desktop session: Xvfb on a free display, a session D-Bus with the
# accessibility bus, and the openbox window manager (without one GTK never activates a new dialog,
# so it gets no focus). Everything started here is stopped again by its process id.
#
#   sitzung.sh COMMAND [ARGS...]
set -u
if [ "${1:-}" != "--innen" ]; then
  [ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
  ORDNER=$(mktemp -d /tmp/orvanto-sitzung.XXXXXX)
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset 9>"$ORDNER/display" 2>"$ORDNER/xvfb.log" &
  XVFB=$!
  ende() { kill "$XVFB" 2>/dev/null; wait "$XVFB" 2>/dev/null; rm -rf "$ORDNER"; }
  trap ende EXIT
  trap 'exit 143' TERM INT
  for _ in $(seq 100); do [ -s "$ORDNER/display" ] && break; sleep 0.1; done
  [ -s "$ORDNER/display" ] || { echo "Xvfb did not start:" >&2; cat "$ORDNER/xvfb.log" >&2; exit 3; }
  export DISPLAY=":$(head -n1 "$ORDNER/display")"
  unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS NO_AT_BRIDGE GTK_MODULES SESSION_MANAGER WAYLAND_DISPLAY
  export GSETTINGS_BACKEND=memory XDG_RUNTIME_DIR="$ORDNER/run" HOME="$ORDNER/home"
  mkdir -p "$XDG_RUNTIME_DIR" "$HOME"; chmod 700 "$XDG_RUNTIME_DIR"
  timeout -k 5 240 dbus-run-session -- "$0" --innen "$@"
  exit $?
fi

shift
innen_ende() { [ -n "${WM:-}" ] && kill "$WM" 2>/dev/null; wait 2>/dev/null; }
trap innen_ende EXIT
trap 'exit 143' TERM INT
# The accessibility bus starts on its first address request.
adresse=""
for _ in $(seq 100); do
  adresse=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
  [ -n "$adresse" ] && break; sleep 0.1
done
[ -n "$adresse" ] || { echo "the AT-SPI bus did not come up" >&2; exit 4; }
export AT_SPI_BUS_ADDRESS="$adresse"
dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null 2>&1
openbox >/dev/null 2>&1 & WM=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1
done
"$@"
