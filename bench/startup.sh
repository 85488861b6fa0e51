#!/usr/bin/env bash
# Start-up of the editor against two bare Qt windows, side by side.
#   bench/startup.sh [RUNS]        (default 11 runs of each, after one warm-up)
# Each run starts the program and ends it right after its window's first
# paint (GODSMITH_EXIT_WHEN_SHOWN): the editor on its sample installation up
# to the shown main window; the bare window (nothing in it) and the bare text
# window (one line of text in the system's fonts, so it pays fontconfig's
# set-up, which the editor leaves until a file dialog) up to themselves. The three take turns, so a drift of the machine's
# speed hits all. Prints the median wall time and peak resident memory of
# each, the editor's ratio to the bare text window (of the medians and the
# median of the run-by-run ratios), its memory over it and the page faults
# each takes (a first touch of a page costs a fault, which on a virtual
# machine takes as long as tens of thousands of instructions); then, unless
# INSTRUCTIONS=0, the instructions each executes up to its shown window
# (valgrind), in all and on the editor's main thread, which the machine's
# load does not disturb.
# Needs a build (./setup.sh test or run); BUILD=folder picks another one.
# Without a DISPLAY the windows go to Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-11}
build=${BUILD:-build/dev}
editor=$build/install/godsmith
bare=$build/bench/gs_bare_window
for p in "$editor" "$bare"; do
  [ -x "$p" ] || { echo "missing $p: build first (./setup.sh test)" >&2; exit 2; }
done
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export GODSMITH_EXIT_WHEN_SHOWN=1
# A settings folder of its own: a scale kept by whoever last enlarged the
# window would make the editor lay out and paint it larger.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# One run: "<wall microseconds> <peak KiB> <page faults>".
once() {
  local mem start end
  mem=$(mktemp)
  start=$(date +%s%N)
  /usr/bin/time -f '%M %R' -o "$mem" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(tail -n1 "$mem")"
  rm -f "$mem"
}

# Instructions up to the shown window, in millions: "<all threads> <main thread>".
# The main thread's are what the window waits for; other threads (Qt's pool)
# may run beside it on a second core.
instructions() {
  local out
  out=$(mktemp -d)
  valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out/cg" "$@" >/dev/null 2>&1
  awk '/^totals:/ { all += $2; if (FILENAME ~ /-01$/) main = $2 } END { printf "%.1f %.1f\n", all / 1e6, main / 1e6 }' \
    "$out"/cg-*
  rm -rf "$out"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

once "$editor" >/dev/null
once "$bare" >/dev/null
once "$bare" --text >/dev/null
et=() em=() ef=() bt=() bm=() tt=() tm=() tf=() ratios=()
for ((i = 0; i < runs; i++)); do
  read -r t m f < <(once "$editor"); et+=("$t"); em+=("$m"); ef+=("$f")
  read -r u n _ < <(once "$bare"); bt+=("$u"); bm+=("$n")
  read -r v w g < <(once "$bare" --text); tt+=("$v"); tm+=("$w"); tf+=("$g")
  ratios+=("$(awk -v a="$t" -v b="$v" 'BEGIN { printf "%.3f", a / b }')")
done

med() { printf '%s\n' "$@" | median; }
awk -v runs="$runs" -v et="$(med "${et[@]}")" -v em="$(med "${em[@]}")" -v bt="$(med "${bt[@]}")" \
  -v bm="$(med "${bm[@]}")" -v tt="$(med "${tt[@]}")" -v tm="$(med "${tm[@]}")" -v r="$(med "${ratios[@]}")" \
  -v ef="$(med "${ef[@]}")" -v tf="$(med "${tf[@]}")" 'BEGIN {
  printf "runs of each:             %d (medians below)\n", runs
  printf "editor to main window:    %6.1f ms  peak %6.1f MiB\n", et / 1000, em / 1024
  printf "bare text window:         %6.1f ms  peak %6.1f MiB\n", tt / 1000, tm / 1024
  printf "bare window:              %6.1f ms  peak %6.1f MiB\n", bt / 1000, bm / 1024
  printf "editor / text window:     %6.2f (ratio of medians), %.2f (median of run ratios)\n", et / tt, r
  printf "memory over text window:  %6.1f MiB\n", (em - tm) / 1024
  printf "page faults:              editor %d, bare text window %d\n", ef, tf
}'

if [ "${INSTRUCTIONS:-1}" != 0 ] && command -v valgrind >/dev/null; then
  read -r ie iem < <(instructions "$editor")
  read -r it _ < <(instructions "$bare" --text)
  read -r ib _ < <(instructions "$bare")
  awk -v e="$ie" -v m="$iem" -v t="$it" -v b="$ib" 'BEGIN {
    printf "instructions (valgrind):  editor %.1f M (main thread %.1f M), bare text window %.1f M, bare window %.1f M\n", e, m, t, b
    printf "editor / text window:     %6.2f in instructions (main thread %.2f)\n", e / t, m / t
  }'
fi
