#!/usr/bin/env bash
# Manual check of the real input paths on a Linux desktop with /dev/uhid and a keyboard:
# the uhid virtual device, the key filter's grab of a configured keyboard and udev hot-plug.
# The test suite covers the same logic through stand-ins; this is for machines with hardware.
#
#   scripts/check-real-input.sh [VVVV:PPPP]
#
# VVVV:PPPP is the keyboard to grab (default: the first wired mode of data/config.xml).
# Steps that need more rights than the user has are run through sudo when it is available.
set -euo pipefail
cd "$(dirname "$0")/.."

ids=${1:-}
if [ -z "$ids" ]; then
    ids=$(sed -n 's/.*<mode value="0"[^>]* vid="\([0-9A-Fa-f]\{4\}\)" pid="\([0-9A-Fa-f]\{4\}\)".*/\1:\2/p' \
        data/config.xml | head -n 1)
fi
case "$ids" in
[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]:[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]) ;;
*) echo "usage: $0 [VVVV:PPPP]" >&2; exit 2 ;;
esac

echo "== building the check program"
cmake --preset debug >/dev/null
cmake --build --preset debug --target clavora-inputcheck
tool=build/debug/bin/clavora-inputcheck

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else return 1; fi
}

echo "== prerequisites"
if [ ! -e /dev/uhid ]; then
    echo "/dev/uhid is missing: loading uhid"
    as_root modprobe uhid || { echo "FAIL: uhid cannot be loaded on this kernel"; exit 1; }
fi
if [ ! -w /dev/uhid ]; then
    echo "/dev/uhid is not writable by $(id -un): installing the udev rules through pkexec"
    pkexec "$PWD/data/driver/install.sh" "$ids" || { echo "FAIL: installation refused or failed"; exit 1; }
fi
ls -l /dev/uhid
getfacl -p /dev/uhid 2>/dev/null | grep -E "^user:" || true

echo "== virtual device: reports come back as input events (reading them needs root)"
as_root "$tool" virtual

echo "== key filter on $ids: 20 s of typing; A types B, everything else as usual"
"$tool" keyboard "$ids" 20

echo "== hot-plug: 20 s; unplug and plug the keyboard, each change prints its interface path"
"$tool" hotplug 20

echo "== done: check that no key stayed held after the steps above"
