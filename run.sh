#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

kvx_install_packages
kvx_build build
exec ./build/src/kvx35p "$@"
