#!/usr/bin/env bash
# Start-up of the editor against a bare Qt window, side by side.
#   bench/startup.sh [RUNS]        (default 11 runs of each, after one warm-up)
# Each run starts the program and ends it right after its window's first
# paint (GODSMITH_EXIT_WHEN_SHOWN): the editor on its sample installation up
# to the shown main window, the bare window up to itself. The two take turns,
# so a drift of the machine's speed hits both. Prints the median wall time
# and peak resident memory of each, the ratio of the median times and the
# median of the run-by-run ratios, and the memory difference.
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

# One run: "<wall microseconds> <peak KiB>".
once() {
  local mem start end
  mem=$(mktemp)
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$mem" "$1" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(tail -n1 "$mem")"
  rm -f "$mem"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

once "$editor" >/dev/null
once "$bare" >/dev/null
et=() em=() bt=() bm=() ratios=()
for ((i = 0; i < runs; i++)); do
  read -r t m < <(once "$editor"); et+=("$t"); em+=("$m")
  read -r u n < <(once "$bare"); bt+=("$u"); bm+=("$n")
  ratios+=("$(awk -v a="$t" -v b="$u" 'BEGIN { printf "%.3f", a / b }')")
done

met=$(printf '%s\n' "${et[@]}" | median); mem_e=$(printf '%s\n' "${em[@]}" | median)
mbt=$(printf '%s\n' "${bt[@]}" | median); mem_b=$(printf '%s\n' "${bm[@]}" | median)
mratio=$(printf '%s\n' "${ratios[@]}" | median)
awk -v runs="$runs" -v et="$met" -v bt="$mbt" -v em="$mem_e" -v bm="$mem_b" -v r="$mratio" 'BEGIN {
  printf "runs of each:           %d (medians below)\n", runs
  printf "editor to main window:  %6.1f ms  peak %6.1f MiB\n", et / 1000, em / 1024
  printf "bare window:            %6.1f ms  peak %6.1f MiB\n", bt / 1000, bm / 1024
  printf "ratio of medians:       %6.2f\n", et / bt
  printf "median of run ratios:   %6.2f\n", r
  printf "memory over bare:       %6.1f MiB\n", (em - bm) / 1024
}'
