#!/usr/bin/env bash
# Compares whole processes on the same drawing: our program's start, File,
# Open, fit and full redraw (lintavo_open_and_draw on a stored drawing)
# against LibreCAD 2.2's "librecad dxf2pdf" on the same entities as a DXF
# file, offscreen. Two drawings: "lines", two-point lines only (LINE
# entities; lintavo_make_lines), and "mixed", the mixed benchmark drawing
# (lines, arcs, circles, polylines, text, dimensions and hatched areas;
# lintavo_make_mixed). The two programs run alternately, RUNS times each
# per drawing; the script prints each side's median wall time, peak memory
# and the ratio ours / LibreCAD.
#
# Before timing, each drawing is checked to be drawn by both: our picture
# (written by lintavo_open_and_draw) and LibreCAD's PDF (through pdftoppm)
# must hold ink. With PICTURES=FOLDER both are kept there to be looked at.
#
# Usage: bench/compare_whole_process.sh [BUILD_DIR] [RUNS] [DRAWINGS...]
#   BUILD_DIR  the build folder (default: build)
#   RUNS       runs of each program per drawing (default: 5)
#   DRAWINGS   KIND:SIZE, KIND lines or mixed, SIZE its entities; a bare
#              number is a lines drawing of that size (default: lines:10000
#              lines:1000000 mixed:10000 mixed:1000000)
# Needs the Debian packages librecad, poppler-utils, imagemagick and time.
set -euo pipefail

build=${1:-build}
runs=${2:-5}
shift $(( $# > 2 ? 2 : $# )) || true
drawings=("$@")
[ ${#drawings[@]} -eq 0 ] && drawings=(lines:10000 lines:1000000 mixed:10000 mixed:1000000)

build=$(cd "$build" && pwd)
ours="$build/bin/lintavo_open_and_draw"
for program in "$ours" "$build/bench/lintavo_make_lines" "$build/bench/lintavo_make_mixed"; do
  [ -x "$program" ] || { echo "missing $program: build the project first" >&2; exit 1; }
done
for tool in librecad pdftoppm convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool: apt-get install -y librecad poppler-utils imagemagick" >&2; exit 1; }
done
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
mib() { echo "$1 / 1024" | bc -l; }

# Whether the picture holds ink: its mean grey is below white.
inked() { [ "$(convert "$1" -colorspace Gray -format '%[fx:mean < 0.9999 ? 1 : 0]' info:)" = 1 ]; }

# Makes the stored drawing and the DXF of kind $1 and size $2 as $work/$3_dwg.mdb and $work/$3.dxf.
make_drawing() {
  case "$1" in
    lines) "$build/bench/lintavo_make_lines" "$2" "$work/$3_dwg.mdb" "$work/$3.dxf" ;;
    mixed) "$build/bench/lintavo_make_mixed" "$2" "$work/$3_dwg.mdb" "$work/$3.dxf" >/dev/null 2>"$work/err" || {
             cat "$work/err" >&2; return 1; } ;;
    *) echo "unknown drawing kind $1 (lines or mixed)" >&2; return 1 ;;
  esac
}

drawing_name() { [ "$1" = mixed ] && echo "Bench Mixed" || echo "Bench Lines"; }

# Ours draws the drawing whole and LibreCAD prints it: both pictures hold ink.
check_drawn() {
  local kind=$1 size=$2 name=$3
  (cd "$work" && "$ours" "$name""_dwg.mdb" "$(drawing_name "$kind")" "$name-ours.png" >"$work/out" 2>"$work/err") || {
    echo "ours failed on $name" >&2; cat "$work/err" >&2; return 1; }
  grep -q "^lines $size\$" "$work/out" || { echo "ours did not load $size entities" >&2; cat "$work/out" >&2; return 1; }
  inked "$work/$name-ours.png" || { echo "ours drew nothing of $name" >&2; return 1; }
  (cd "$work" && librecad dxf2pdf "$name.dxf" >/dev/null 2>&1) && [ -s "$work/$name.pdf" ] || {
    echo "LibreCAD wrote no PDF of $name" >&2; return 1; }
  pdftoppm -png -r 150 -singlefile "$work/$name.pdf" "$work/$name-librecad"
  inked "$work/$name-librecad.png" || { echo "LibreCAD drew nothing of $name" >&2; return 1; }
  if [ -n "${PICTURES:-}" ]; then
    mkdir -p "$PICTURES"
    cp "$work/$name-ours.png" "$work/$name-librecad.png" "$PICTURES/"
  fi
}

# One row of the table: kind $1, size $2.
compare() {
  local kind=$1 size=$2 name="${1^}$2" our_ms=() our_kib=() their_ms=() their_kib=() result ms kib
  make_drawing "$kind" "$size" "$name"
  check_drawn "$kind" "$size" "$name"
  for ((run = 1; run <= runs; run++)); do
    result=$(run_timed "$ours" "$work/${name}_dwg.mdb" "$(drawing_name "$kind")")
    read -r ms kib <<<"$result"
    grep -q "^lines $size\$" "$work/out" || { echo "ours did not draw $size entities" >&2; cat "$work/out" >&2; exit 1; }
    our_ms+=("$ms") our_kib+=("$kib")
    rm -f "$work/$name.pdf"
    result=$(run_timed librecad dxf2pdf "$name.dxf")
    read -r ms kib <<<"$result"
    [ -s "$work/$name.pdf" ] || { echo "LibreCAD wrote no PDF" >&2; cat "$work/err" >&2; exit 1; }
    their_ms+=("$ms") their_kib+=("$kib")
  done
  local ours_median theirs_median
  ours_median=$(median "${our_ms[@]}")
  theirs_median=$(median "${their_ms[@]}")
  printf '%-7s %9s %12s %10.1f %12s %12.1f %8.3f\n' "$kind" "$size" "$ours_median" "$(mib "$(median "${our_kib[@]}")")" \
    "$theirs_median" "$(mib "$(median "${their_kib[@]}")")" "$(echo "$ours_median / $theirs_median" | bc -l)"
  rm -f "$work/$name"*
}

printf '%-7s %9s %12s %10s %12s %12s %8s\n' drawing entities "ours ms" "ours MiB" "LibreCAD ms" "LibreCAD MiB" ratio
for drawing in "${drawings[@]}"; do
  case "$drawing" in
    *:*) compare "${drawing%%:*}" "${drawing#*:}" ;;
    *) compare lines "$drawing" ;;
  esac
done
echo "aims: lines at most 0.15 at 1000000; mixed at most 0.5 at 10000 and at most 0.10 at 1000000"
