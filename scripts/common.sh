# Shared by run.sh, test.sh and the other scripts: install the Debian packages that are
# missing, then configure and build into a build folder.

# What building and running the program needs (Qt's own catalogues put Qt's buttons
# and file dialogs in Japanese with the rest of the interface; Qt's private headers
# give the window system's queue, where the user's input waits during a send).
KVX_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-serialport-dev libgl-dev qt6-translations-l10n
  fonts-ipafont-gothic fonts-liberation fonts-dejavu-core
)
# What only the tests, the benchmarks and the fuzz targets need besides: the stand-in
# module and file readers, the display server, the sanitizer and fuzzer runtime and
# the format check (each release's default clang, by the names both releases have),
# and git, which lists the tree's files for the format check.
KVX_TEST_PACKAGES=(
  socat srecord xvfb xauth
  clang libclang-rt-dev clang-format git
)
# run.sh and test.sh configure build/ alike, so each reuses what the other built.
KVX_BUILD_OPTIONS=(-DKVX_WERROR=ON)

# kvx_install_packages PACKAGE...: installs those not installed yet.
kvx_install_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  # What dpkg says while it unpacks goes to a log, shown only when the install fails.
  local log
  log=$(mktemp)
  if ! { "${sudo[@]}" apt-get update -qq \
    && DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; \
  } >"$log" 2>&1; then
    tail -40 "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

# kvx_build DIR [CMAKE OPTION...]: configures DIR with those options and builds all of
# it, or only the targets named in KVX_TARGETS.
kvx_build() {
  local dir="$1"; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  local targets=()
  [ -n "${KVX_TARGETS:-}" ] && targets=(--target ${KVX_TARGETS})
  cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
