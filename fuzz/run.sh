#!/usr/bin/env bash
# Builds the fuzz targets (clang, ASan + UBSan) into build-fuzz/ and runs each.
#   fuzz/run.sh            every target over its corpus once (what CI does)
#   fuzz/run.sh SECONDS    every target for SECONDS of fuzzing; new inputs that
#                          crash are kept in fuzz/crashes/<target>/ to become corpus
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
kvx_install_packages "${KVX_PACKAGES[@]}" "${KVX_TEST_PACKAGES[@]}"
CC=clang CXX=clang++ kvx_build build-fuzz -DKVX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
seconds="${1:-0}"
status=0
for exe in build-fuzz/fuzz/fuzz_*; do
  [ -x "$exe" ] && [ -f "$exe" ] || continue
  name=$(basename "$exe")
  corpus="fuzz/corpus/$name"
  mkdir -p "$corpus"
  if [ "$seconds" = 0 ]; then
    if ! "$exe" -runs=0 "$corpus" >"/tmp/$name.log" 2>&1; then
      echo "FAILED: $name"; tail -30 "/tmp/$name.log"; status=1
    else
      echo "ok: $name ($(ls "$corpus" | wc -l) inputs)"
    fi
  else
    work=$(mktemp -d)
    mkdir -p "fuzz/crashes/$name"
    if ! "$exe" -max_total_time="$seconds" -max_len=65536 -artifact_prefix="fuzz/crashes/$name/" \
        "$work" "$corpus" >"/tmp/$name.log" 2>&1; then
      echo "CRASH: $name (see fuzz/crashes/$name)"; tail -30 "/tmp/$name.log"; status=1
    else
      echo "ok: $name, $(grep -o 'stat::number_of_executed_units: [0-9]*' "/tmp/$name.log" || true) ran ${seconds}s"
    fi
    rm -rf "$work"
  fi
done
exit $status
