#!/usr/bin/env bash
# Installs what is needed, builds Clavora with its tests and runs every test,
# including a short libFuzzer smoke run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci -j"$(nproc)" --timeout 600
bash scripts/fuzz-smoke.sh
