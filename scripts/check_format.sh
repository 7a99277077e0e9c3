#!/usr/bin/env bash
# Fails when a C++ source file differs from what clang-format makes of it (.clang-format
# at the top of the tree), and lists those files. `scripts/check_format.sh --fix`
# rewrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  printf '%s\0' "${files[@]}" | xargs -0 -P"$(nproc)" -n 20 clang-format -i
  exit 0
fi
bad=$(printf '%s\0' "${files[@]}" | xargs -0 -P"$(nproc)" -n 20 clang-format --dry-run 2>&1 \
  | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$bad" ]; then
  echo "Not formatted as .clang-format says (scripts/check_format.sh --fix rewrites them):" >&2
  echo "$bad" | sed 's/^/  /' >&2
  exit 1
fi
