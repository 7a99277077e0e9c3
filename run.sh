#!/usr/bin/env bash
# Installs what building the program needs, builds the program alone (no tests, no
# benchmarks), and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

kvx_install_packages "${KVX_PACKAGES[@]}"
KVX_TARGETS=kvx35p kvx_build build "${KVX_BUILD_OPTIONS[@]}" -DKVX_TESTS=OFF
exec ./build/src/kvx35p "$@"
