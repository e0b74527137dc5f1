#!/bin/sh
# Gives the logged-in user access to the configured keyboards and to the virtual HID device:
# installs udev rules that tag the keyboards' hidraw and event nodes and /dev/uhid with
# "uaccess" (an ACL for the user of the active seat, never a world-writable mode), makes uhid
# load at boot and now, and applies the rules to the devices already present.
#
# Run as root (the program starts it through pkexec):
#   install.sh [--rules-dir DIR] [--no-reload] VVVV:PPPP...
# VVVV:PPPP are the USB vendor and product IDs of the configured keyboards, four hex digits each.
# --rules-dir and --no-reload only serve checks of the generated rules.
set -eu

RULES_DIR=/etc/udev/rules.d
RULES_NAME=70-clavora.rules
RELOAD=1

usage() {
    echo "usage: install.sh [--rules-dir DIR] [--no-reload] VVVV:PPPP..." >&2
    exit 2
}

while [ $# -gt 0 ]; do
    case "$1" in
    --rules-dir)
        [ $# -ge 2 ] || usage
        RULES_DIR=$2
        shift 2
        ;;
    --no-reload)
        RELOAD=0
        shift
        ;;
    --)
        shift
        break
        ;;
    -*) usage ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || usage

HEX4='[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]'
for id in "$@"; do
    case "$id" in
    $HEX4:$HEX4) ;;
    *)
        echo "install.sh: not a vendor:product pair of hex digits: $id" >&2
        exit 2
        ;;
    esac
done

[ -d "$RULES_DIR" ] || { echo "install.sh: no folder $RULES_DIR" >&2; exit 1; }

# Written beside the target and renamed over it, so udev never reads half a file.
tmp=$(mktemp "$RULES_DIR/.$RULES_NAME.XXXXXX")
trap 'rm -f "$tmp"' EXIT INT TERM
{
    echo "# Clavora: access for the logged-in user to the configured keyboards and the virtual device."
    echo 'KERNEL=="uhid", SUBSYSTEM=="misc", TAG+="uaccess"'
    for id in "$@"; do
        vid=$(printf '%s' "${id%%:*}" | tr 'A-F' 'a-f')
        pid=$(printf '%s' "${id##*:}" | tr 'A-F' 'a-f')
        echo "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"$vid\", ATTRS{idProduct}==\"$pid\", TAG+=\"uaccess\""
        echo "SUBSYSTEM==\"input\", KERNEL==\"event*\", ATTRS{idVendor}==\"$vid\", ATTRS{idProduct}==\"$pid\", TAG+=\"uaccess\""
    done
} >"$tmp"
chmod 0644 "$tmp"
mv -f "$tmp" "$RULES_DIR/$RULES_NAME"
trap - EXIT INT TERM

if [ "$RELOAD" = 1 ]; then
    mkdir -p /etc/modules-load.d
    echo uhid >/etc/modules-load.d/clavora-uhid.conf
    chmod 0644 /etc/modules-load.d/clavora-uhid.conf
    modprobe uhid
    udevadm control --reload-rules
    udevadm trigger --action=change --subsystem-match=misc --sysname-match=uhid
    udevadm trigger --action=change --subsystem-match=hidraw
    udevadm trigger --action=change --subsystem-match=input
    udevadm settle || true
fi
