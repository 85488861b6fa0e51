#!/usr/bin/env bash
# Clean-room check: builds a minimal Debian 12 root, clones this project into
# it, runs the README's test command (./setup.sh test) there in a chroot and
# prints how long each step took. Needs root, debootstrap and a Debian mirror.
#
#   sudo tools/cleanroom.sh [ROOT] [MIRROR]
#
# ROOT (default /tmp/godsmith-cleanroom) is made fresh unless it already holds
# a root from an earlier run; MIRROR defaults to the one apt uses here.
# Afterwards the root holds the built project in /godsmith: to look at the
# window, run `./setup.sh run` there with a DISPLAY (see the README).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-/tmp/godsmith-cleanroom}
mirror=${2:-$(grep -rhoE '(URIs:|^deb) +http[^ ]*/debian( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null |
  awk '{print $2}' | head -n1 || true)}
mirror=${mirror:-http://deb.debian.org/debian}

[ "$(id -u)" -eq 0 ] || { echo "cleanroom: run as root" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "cleanroom: debootstrap is missing" >&2; exit 1; }

seconds() { date +%s; }
took() { echo "cleanroom: $1 took $(($(seconds) - $2)) s"; }
all=$(seconds)

step=$(seconds)
if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" "$mirror"
fi
took "debootstrap ($mirror)" "$step"

mounted=()
cleanup() { for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" || true; done; }
trap cleanup EXIT
for m in proc sys dev; do
  mountpoint -q "$root/$m" && continue
  case $m in
    proc) mount -t proc proc "$root/proc" ;;
    sys) mount -t sysfs sys "$root/sys" ;;
    dev) mount --bind /dev "$root/dev" ;;
  esac
  mounted+=("$root/$m")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"

rm -rf "$root/godsmith"
git clone --quiet --no-hardlinks "$repo" "$root/godsmith"
echo "cleanroom: testing $(git -C "$root/godsmith" log -1 --format='%h %s')"

step=$(seconds)
status=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  bash -c 'cd /godsmith && ./setup.sh test' || status=$?
took "./setup.sh test (install, build, every test)" "$step"
took "everything" "$all"
exit "$status"
