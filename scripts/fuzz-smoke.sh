#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each briefly from its seed corpus.
# Longer runs by hand: build/fuzz/bin/fuzz_<name> -max_total_time=600 fuzz/corpus/<name>
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET=${FUZZ_SECONDS:-20}

cmake --preset fuzz >/dev/null
targets=$(cmake --build --preset fuzz --target help | sed -n 's/^\(fuzz_[A-Za-z0-9_]*\): .*/\1/p' | grep -v '_replay$' || true)
if [ -z "$targets" ]; then
  echo "no fuzz targets"
  exit 0
fi
for t in $targets; do
  cmake --build --preset fuzz --target "$t"
  name=${t#fuzz_}
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  echo "fuzzing $name for ${SECONDS_PER_TARGET}s"
  (cd "$work" && "$OLDPWD/build/fuzz/bin/$t" -max_total_time="$SECONDS_PER_TARGET" -print_final_stats=1 \
      -rss_limit_mb=2048 -timeout=10 "$work" 2>&1 | tail -n 12)
  rm -rf "$work"
done
