#!/usr/bin/env bash
# Makes the README's pictures of the main window in English and in Japanese: builds if
# needed, starts the program under Xvfb on a 1366 x 768 screen at 96 DPI, each time with
# a fresh home folder (default settings; only the language is written into Config.dat
# beforehand), and saves the main window without a frame as docs/main-window-en.png and
# docs/main-window-ja.png.
#   scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

# Waits for the main window (after the splash), saves it as a PNG, ends the program.
# Runs inside the Xvfb server that xvfb-run starts.
capture() {
  local out="$1" window="" state=""
  ./build/src/kvx35p &
  local program=$!
  for _ in $(seq 1 60); do
    sleep 1
    # The splash has gone and the main window is shown: the only viewable top-level
    # window whose title starts with the program's name and version.
    window=$(xwininfo -root -children | awk '/"KVX35P V[0-9.]+ \// { print $1; exit }')
    [ -n "$window" ] || continue
    state=$(xwininfo -id "$window" | awk '/Map State:/ { print $3 }')
    [ "$state" = IsViewable ] && break
    window=""
  done
  if [ -z "$window" ]; then
    kill "$program"
    echo "The main window did not show." >&2
    return 1
  fi
  sleep 2 # its first paint
  xwd -silent -id "$window" | xwdtopnm 2>/dev/null | pnmtopng > "$out"
  kill "$program"
  wait "$program" || true
}

if [ "${1:-}" = --capture ]; then
  capture "$2"
  exit 0
fi

kvx_install_packages "${KVX_PACKAGES[@]}" xvfb xauth x11-utils x11-apps netpbm
KVX_TARGETS=kvx35p kvx_build build "${KVX_BUILD_OPTIONS[@]}"
mkdir -p docs

# A home folder of a fixed name, so the pictures differ only where the program does.
home=/tmp/kvx35p-screenshots/home
for language in English Japanese; do
  rm -rf "$home"
  folder="$home/Documents/Telmarin/KVX35P"
  mkdir -p "$folder"
  # The default settings with the language chosen: port 1 at 38400,n,8,1, the default
  # model, tool tips on, the first series, the program's own folder, no revision B.
  {
    printf '"%s"\r\n' 5200seiV30b2 '*** InterFace ***' 1 38400,n,8,1 VX140X32_52K
    printf '%s\r\n' 8421631
    printf '"%s"\r\n' 5200 ''
    printf '%s\r\n' 0
    printf '"%s"\r\n' "$language"
  } >"$folder/Config.dat"
  case $language in
    English) out=docs/main-window-en.png ;;
    Japanese) out=docs/main-window-ja.png ;;
  esac
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_DOCUMENTS_DIR -u QT_QPA_PLATFORM \
    HOME="$home" LANG=C.UTF-8 \
    xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" "$0" --capture "$out"
  echo "Saved $out"
done
rm -rf "$(dirname "$home")"
