#!/usr/bin/env bash
# Installs what is missing, checks the include directions and the source format, builds
# with warnings as errors, and runs every test on the offscreen platform.
#   ./test.sh             the normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

kvx_install_packages "${KVX_PACKAGES[@]}" "${KVX_TEST_PACKAGES[@]}"
scripts/check_includes.sh
scripts/check_format.sh
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  kvx_build "$dir" -DKVX_SANITIZE=ON -DKVX_WERROR=ON -DKVX_TESTS=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir=build
  kvx_build "$dir" "${KVX_BUILD_OPTIONS[@]}" -DKVX_TESTS=ON
fi
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j"$(nproc)"
