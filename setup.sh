#!/usr/bin/env bash
# Sets up Godsmith on Debian 12 and then starts it or runs every test.
#   ./setup.sh run    install what is missing, build, lay out the sample installation, start the editor
#   ./setup.sh test   the same set-up, then every test headless
# Both are safe to run again; they only redo what changed.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

[ -f build/dev/CMakeCache.txt ] || cmake --preset dev
cmake --build --preset dev

# The sample installation beside the executable: data tables, sprites,
# RK.cfg (kept when present) and a demo Quillmap folder.
build/dev/tools/sampledata/godsmith-sampledata build/dev/install

if [ "$mode" = run ]; then
  exec build/dev/install/godsmith
fi
QT_QPA_PLATFORM=offscreen ctest --preset dev -j2
