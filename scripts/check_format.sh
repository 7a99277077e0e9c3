#!/usr/bin/env bash
# Fails when a C++ source file differs from what clang-format makes of it (.clang-format
# at the top of the tree), and lists those files. `scripts/check_format.sh --fix`
# rewrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tree's own files; outside a git checkout (a copy without .git) every source below
# the top.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
fi
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
