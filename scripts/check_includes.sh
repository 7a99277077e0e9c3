#!/usr/bin/env bash
# Checks the direction of every project include under src/ and fails on a violation:
#  - a logic folder (src/<subsystem>/*) includes no ui/ header;
#  - a subsystem includes no header of a subsystem above it, in the order
#      link <- shell <- image_list, macro_editor, tutorial <- panels <- ui <- app
#    where "ui" is every ui/ folder (the kvx_ui library) and the three in the middle
#    stand side by side (none includes another);
#  - no window or panel reaches the main window's class: only the main window's own
#    files and the program's start-up include shell/ui/main_window.h.
#   scripts/check_includes.sh [SOURCE_DIR]   (default: src/ beside this script)
set -euo pipefail
src="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"

declare -A rank=([link]=0 [shell]=1 [image_list]=2 [macro_editor]=2 [tutorial]=2 [panels]=3 [ui]=4 [app]=5)

# Sets LAYER to the layer of a path relative to src/: "ui" for any ui/ folder, else
# its top folder.
layer() {
  case "$1" in
    */ui/*) LAYER=ui ;;
    */*) LAYER="${1%%/*}" ;;
    *) LAYER="" ;;
  esac
}

failures=0
fail() {
  echo "$1: $2" >&2
  failures=$((failures + 1))
}

include_re='^([^:]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)"'
while IFS= read -r line; do
  [[ $line =~ $include_re ]] || continue
  rel="${BASH_REMATCH[1]#"$src"/}"
  header="${BASH_REMATCH[2]}"
  layer "$rel"
  from=$LAYER
  layer "$header"
  to=$LAYER
  [ -n "${rank[$from]+x}" ] && [ -n "${rank[$to]+x}" ] || continue
  if [ "$from" != ui ] && [ "$from" != app ] && [ "$to" = ui ]; then
    fail "$rel" "logic includes the window header $header"
  elif [ "${rank[$to]}" -gt "${rank[$from]}" ]; then
    fail "$rel" "$from includes $header of $to, a layer above it"
  elif [ "$from" != "$to" ] && [ "${rank[$to]}" -eq "${rank[$from]}" ] && [ "$from" != ui ]; then
    fail "$rel" "$from includes $header of $to, which stands beside it"
  fi
  if [ "$header" = shell/ui/main_window.h ]; then
    case "$rel" in
      shell/ui/main_window.* | app/*) ;;
      *) fail "$rel" "reaches the main window's class; use the panel host" ;;
    esac
  fi
done < <(grep -rHE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src" | sort)

if [ "$failures" -gt 0 ]; then
  echo "include check: $failures violation(s)" >&2
  exit 1
fi
echo "include check: passed"
