#!/usr/bin/env bash
# Sets up Godsmith on Debian 12 and then starts it or runs every test.
#   ./setup.sh run            install what is missing, build, lay out the sample installation, start the editor
#   ./setup.sh test           the same set-up, then every test headless
#   ./setup.sh test-windows   everything below the Qt view and its tests built for Windows, the tests run under Wine
# All are safe to run again; they only redo what changed.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in run|test|test-windows) ;; *) echo "usage: $0 run|test|test-windows" >&2; exit 2 ;; esac

packages=(cmake ninja-build g++ qt6-base-dev libfontconfig-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev)
[ "$mode" = test-windows ] && packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine64 wine locales)
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

if [ "$mode" = test-windows ]; then
  [ -f build/windows/CMakeCache.txt ] || cmake --preset windows
  cmake --build --preset windows
  # Each test program runs once under Wine, in a Wine folder of its own, as
  # on a Russian Windows: its code page 1251 is not the editor's Windows-1252,
  # so a name converted by the system's code page instead shows. Wine takes
  # its code page from the locale, built here (no system locale is changed).
  [ -f build/windows/locale/ru_RU.UTF-8/LC_CTYPE ] || { mkdir -p build/windows/locale && localedef -i ru_RU -f UTF-8 build/windows/locale/ru_RU.UTF-8; }
  export WINEPREFIX="$PWD/build/windows/wine-1251" WINEDEBUG=-all LOCPATH="$PWD/build/windows/locale"
  status=0
  for t in build/windows/tests/test_*.exe; do
    echo "== $t"
    LC_ALL=ru_RU.UTF-8 timeout 900 wine "$t" --gtest_brief=1 || status=1
  done
  exit $status
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
