#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Clavora needs.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

PACKAGES=(
  # toolchain
  g++ cmake ninja-build pkg-config git
  # libraries
  libsqlite3-dev libhidapi-dev zlib1g-dev libminizip-dev libcurl4-openssl-dev
  libsdl2-dev libcairo2-dev libpango1.0-dev libgdk-pixbuf-2.0-dev libglib2.0-dev
  libfftw3-dev libpulse-dev libx11-dev libxext-dev libudev-dev libevdev-dev libsystemd-dev
  # fonts: Arial-compatible metrics and a CJK fallback
  fonts-liberation2 fonts-wqy-microhei fontconfig
  # tests, benchmarks, fuzzing
  libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev
  # running under a virtual display, driving it, sound and session bus for whole-program runs
  xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick openbox
  pulseaudio pulseaudio-utils dbus dbus-bin dbus-daemon python3 procps
  # stacks of a program that stops answering in a whole-program test
  gdb
  # the desktop's opener for web links and files
  xdg-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
