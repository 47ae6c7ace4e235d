#!/usr/bin/env bash
# Compares whole processes on the same lines: our program's start, File,
# Open, fit and full redraw (lintavo_open_and_draw on a stored drawing)
# against LibreCAD 2.2's "librecad dxf2pdf" on the same lines as a DXF file
# (LINE entities only), offscreen. The two run alternately, RUNS times each
# per size; the script prints each side's median wall time, peak memory and
# the ratio ours / LibreCAD.
#
# Usage: bench/compare_whole_process.sh [BUILD_DIR] [RUNS] [SIZES...]
#   BUILD_DIR  the build folder (default: build)
#   RUNS       runs of each program per size (default: 5)
#   SIZES      numbers of lines (default: 10000 1000000)
# Needs the Debian package librecad (apt-get install -y librecad) and GNU time.
set -euo pipefail

build=${1:-build}
runs=${2:-5}
shift $(( $# > 2 ? 2 : $# )) || true
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(10000 1000000)

build=$(cd "$build" && pwd)
ours="$build/bin/lintavo_open_and_draw"
maker="$build/bench/lintavo_make_lines"
for program in "$ours" "$maker"; do
  [ -x "$program" ] || { echo "missing $program: build the project first" >&2; exit 1; }
done
command -v librecad >/dev/null || { echo "missing librecad: apt-get install -y librecad" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time: apt-get install -y time" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# Runs a command in $work; prints "milliseconds peak-KiB". Fails when the command fails.
run_timed() {
  local start end
  start=$(date +%s%N)
  (cd "$work" && /usr/bin/time -o "$work/rss" -f "%M" "$@" >"$work/out" 2>"$work/err") || {
    echo "failed: $*" >&2; cat "$work/err" >&2; return 1; }
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000000 )) $(cat "$work/rss")"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-9s %14s %14s %14s %14s %8s\n' lines "ours ms" "ours MiB" "LibreCAD ms" "LibreCAD MiB" ratio
for lines in "${sizes[@]}"; do
  "$maker" "$lines" "$work/Lines${lines}_dwg.mdb" "$work/Lines${lines}.dxf"
  our_ms=() our_kib=() their_ms=() their_kib=()
  for ((run = 1; run <= runs; run++)); do
    result=$(run_timed "$ours" "$work/Lines${lines}_dwg.mdb")
    read -r ms kib <<<"$result"
    grep -q "^lines $lines\$" "$work/out" || { echo "ours did not draw $lines lines" >&2; cat "$work/out" >&2; exit 1; }
    our_ms+=("$ms") our_kib+=("$kib")
    rm -f "$work/Lines${lines}.pdf"
    result=$(run_timed librecad dxf2pdf "Lines${lines}.dxf")
    read -r ms kib <<<"$result"
    [ -s "$work/Lines${lines}.pdf" ] || { echo "LibreCAD wrote no PDF" >&2; cat "$work/err" >&2; exit 1; }
    their_ms+=("$ms") their_kib+=("$kib")
  done
  ours_median=$(median "${our_ms[@]}")
  theirs_median=$(median "${their_ms[@]}")
  printf '%-9s %14s %14.1f %14s %14.1f %8.3f\n' "$lines" "$ours_median" "$(echo "$(median "${our_kib[@]}") / 1024" | bc -l)" \
    "$theirs_median" "$(echo "$(median "${their_kib[@]}") / 1024" | bc -l)" "$(echo "$ours_median / $theirs_median" | bc -l)"
  rm -f "$work/Lines${lines}_dwg.mdb" "$work/Lines${lines}.dxf" "$work/Lines${lines}.pdf"
done
echo "aims: ratio at most 0.8 at 10000 lines and at most 0.15 at 1000000 lines"
