#!/usr/bin/env bash
# Installs what is needed, builds Clavora and runs it.
# With no configured keyboard attached it runs against the stand-in keyboard; with no
# display it runs under a virtual X server (Xvfb) with a window manager.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

BIN=build/release/bin

# Is a keyboard of a configured model on the USB bus? config.xml lists each
# connection's vendor and product ID in hexadecimal.
real_keyboard_attached() {
  local wanted dev id
  wanted=$(grep -o '<mode[^>]*>' "$BIN/config.xml" 2>/dev/null |
           sed -n 's/.*vid="\([0-9A-Fa-f]*\)".*pid="\([0-9A-Fa-f]*\)".*/\1 \2/p' |
           while read -r v p; do printf '%04X:%04X\n' "0x$v" "0x$p"; done)
  [ -n "$wanted" ] || return 1
  for dev in /sys/bus/hid/devices/*; do
    [ -e "$dev" ] || continue
    id=$(basename "$dev" | cut -d. -f1 | cut -d: -f2,3 | tr 'a-f' 'A-F')   # BUS:VVVV:PPPP.N
    grep -qx "$id" <<<"$wanted" && return 0
  done
  return 1
}

if [ -z "${CLAVORA_EMULATOR:-}" ] && ! real_keyboard_attached; then
  echo "No configured keyboard attached: using the stand-in keyboard."
  export CLAVORA_EMULATOR=1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export DISPLAY=:77
  echo "No display: starting Xvfb on $DISPLAY (take screenshots with: DISPLAY=$DISPLAY import -window root shot.png)"
  Xvfb "$DISPLAY" -screen 0 1920x1080x24 -noreset >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  # Wait until the window manager runs: a window mapped while it is still starting can be
  # left unmanaged and never shown.
  ready=$(mktemp -u)
  openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
  for _ in $(seq 100); do [ -e "$ready" ] && break; sleep 0.1; done
  rm -f "$ready"
fi

"$BIN/clavora"
