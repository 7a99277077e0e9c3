# Shared by run.sh and test.sh: install the Debian packages that are missing, then
# configure and build into build/ (or the folder given in KVX_BUILD_DIR).

KVX_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
  fonts-ipafont-gothic fonts-liberation fonts-dejavu-core
  socat srecord xvfb xauth
  clang libclang-rt-14-dev clang-format
)

kvx_install_packages() {
  local missing=()
  local p
  for p in "${KVX_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

kvx_build() {
  local dir="$1"; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j"$(nproc)"
}
