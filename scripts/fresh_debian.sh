#!/usr/bin/env bash
# Runs a command of this tree (./test.sh by default) on a fresh Debian 13 (trixie) or
# Debian 12 (bookworm), as a new user would: a root file system made with debootstrap
# from the Debian mirror this machine's apt already uses, a clean clone of this tree's
# HEAD copied in, then the command there. Needs root (debootstrap, chroot, mounts).
#   scripts/fresh_debian.sh 13                  ./test.sh on Debian 13
#   scripts/fresh_debian.sh 12 scripts/check_run.sh
#                                               any command, run from the tree's top
#   KVX_FRESH_KEEP=1 scripts/fresh_debian.sh …  leaves the root in place to look at
#
# The bare base system is kept in /var/cache/kvx35p (made again when missing or older
# than a week), and so are the packages apt downloads there; every run starts from a
# copy of the bare base, so what the project's scripts install is tried each time.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "scripts/fresh_debian.sh needs root" >&2; exit 1; }
case "${1:-}" in
  13 | trixie) release=trixie ;;
  12 | bookworm) release=bookworm ;;
  *) echo "usage: scripts/fresh_debian.sh 12|13 [COMMAND...]" >&2; exit 2 ;;
esac
shift
[ $# -gt 0 ] || set -- ./test.sh

cache=/var/cache/kvx35p
base="$cache/$release-base"
archives="$cache/$release-apt-archives"
mkdir -p "$cache" "$archives/partial"

host_pkgs=()
command -v debootstrap >/dev/null || host_pkgs+=(debootstrap)
command -v git >/dev/null || host_pkgs+=(git)
if [ ${#host_pkgs[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${host_pkgs[@]}"
fi

# The mirror apt already uses here (the first deb.debian.org-style URI of its sources).
mirror=$(grep -rhoE '^(URIs:|deb)[[:space:]]+https?://[^[:space:]]+/debian/?' /etc/apt/sources.list \
  /etc/apt/sources.list.d/ 2>/dev/null | grep -v security | head -1 | awk '{print $2}' || true)
mirror=${mirror:-http://deb.debian.org/debian}

if [ ! -f "$base/.complete" ] || [ -n "$(find "$base/.complete" -mtime +7 2>/dev/null)" ]; then
  echo "Making a $release base system in $base from $mirror"
  rm -rf "$base"
  debootstrap --variant=minbase "$release" "$base" "$mirror" >"$cache/debootstrap-$release.log" 2>&1 \
    || { tail -20 "$cache/debootstrap-$release.log" >&2; exit 1; }
  touch "$base/.complete"
fi

root=$(mktemp -d "$cache/$release-run.XXXXXX")
cleanup() {
  [ -n "${KVX_FRESH_KEEP:-}" ] && { echo "$release root kept in $root"; return; }
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q --no-hardlinks . "$root/root/kvx35p"

# The mounts live in a mount namespace of their own, so they go when the run ends,
# however it ends.
status=0
unshare --mount --propagation private /bin/bash -s -- "$root" "$archives" "$@" <<'EOF' || status=$?
set -euo pipefail
root=$1 archives=$2; shift 2
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount -t tmpfs tmpfs "$root/dev"
for d in null zero full random urandom tty ptmx; do
  touch "$root/dev/$d"; mount --bind "/dev/$d" "$root/dev/$d"
done
ln -s /proc/self/fd "$root/dev/fd"
ln -s /proc/self/fd/0 "$root/dev/stdin"; ln -s /proc/self/fd/1 "$root/dev/stdout"; ln -s /proc/self/fd/2 "$root/dev/stderr"
mkdir -p "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
mount --bind "$root/dev/pts/ptmx" "$root/dev/ptmx"
mount -t tmpfs tmpfs "$root/dev/shm"
mount -t tmpfs tmpfs "$root/tmp"
mount --bind "$archives" "$root/var/cache/apt/archives"
cmd=$(printf '%q ' "$@")
exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 TERM=dumb ${CI:+CI=$CI} /bin/bash -c "cd /root/kvx35p && $cmd"
EOF
exit $status
