#!/usr/bin/env bash
# Checks the includes among the files under src/: no file includes a header
# from a floor above its own, and no two modules include each other.
#
# Floors. Each folder is one floor, lowest first (docs/ARCHITECTURE.md):
# platform, model, storage, view, picking, commands, annotation,
# organisation, app, windows (with its subfolders); src/main.cpp stands
# above them all. A file may include headers of its own floor and of the
# floors below it, always named with their folder ("model/Top.h"): an
# include without a folder is refused, since its floor cannot be read from
# it.
#
# Circles. A module is a header and its source (model/UndoRedo.h and
# model/UndoRedo.cpp). Module X stands below module Y when a file of Y
# includes X's header; when a file of X also includes Y's header, the two
# stand on each other, a circle of includes, and the check names the two
# includes. Circles that stood when this check came are listed in the file
# of known circles (default: known_include_circles.txt beside this script),
# one pair of modules a line; a listed pair that no longer forms a circle
# fails too, so that its line goes and the circle cannot come back. Floors
# keep every circle within one floor.
#
# Usage: check_floors.sh [SOURCE_DIR [KNOWN_CIRCLES]]
#   (default: the src/ beside this script, and the list beside it)
# Prints every offending include line and circle, and exits 1 when there is one.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="${1:-$here/../src}"
known="${2:-$here/known_include_circles.txt}"
[ -d "$src" ] || { echo "check_floors: no folder $src" >&2; exit 2; }
[ -f "$known" ] || { echo "check_floors: no list of known circles $known" >&2; exit 2; }
src="$(cd "$src" && pwd)"

# One awk pass reads every file (names on standard input, sorted) and the
# list; the floor of a path relative to src/ is read from its first folder
# alone, -1 when that folder is no floor.
find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | LC_ALL=C sort | LC_ALL=C awk -v src="$src" -v known="$known" '
function floor_of(path) {
  if (path ~ /^platform\//) return 0
  if (path ~ /^model\//) return 1
  if (path ~ /^storage\//) return 2
  if (path ~ /^view\//) return 3
  if (path ~ /^picking\//) return 4
  if (path ~ /^commands\//) return 5
  if (path ~ /^annotation\//) return 6
  if (path ~ /^organisation\//) return 7
  if (path ~ /^app\//) return 8
  if (path ~ /^windows\//) return 9
  if (path == "main.cpp") return 10
  return -1
}
function module_of(path) {
  sub(/\.(h|cpp)$/, "", path)
  return path
}
function pair_key(a, b) { return a < b ? a SUBSEP b : b SUBSEP a }
function refuse(message) {
  print message
  status = 1
}

BEGIN {
  status = 0
  while ((getline entry < known) > 0) {
    sub(/#.*/, "", entry)
    count = split(entry, names, " ")
    if (count == 0) continue
    if (count != 2) {
      refuse(known ": \"" entry "\" is no pair of modules")
      continue
    }
    listed[pair_key(names[1], names[2])] = 1
  }
  close(known)
}

{
  file = $0
  rel = substr(file, length(src) + 2)
  own = floor_of(rel)
  if (own < 0) {
    refuse(rel ": not in any floor (add its folder to scripts/check_floors.sh)")
    next
  }
  from = module_of(rel)
  present[from] = 1
  line_no = 0
  while ((getline line < file) > 0) {
    line_no++
    if (line !~ /^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"/) continue
    target = line
    sub(/^[[:space:]]*#[[:space:]]*include[[:space:]]*"/, "", target)
    sub(/".*$/, "", target)
    theirs = floor_of(target)
    if (target !~ /\//) {
      refuse(rel ":" line_no ": includes \"" target "\" without its folder")
    } else if (theirs < 0) {
      refuse(rel ":" line_no ": includes \"" target "\", which is in no floor")
    } else if (theirs > own) {
      refuse(rel ":" line_no ": includes \"" target "\" from a floor above its own")
    }
    # The first include of each module by each other module, in file order.
    to = module_of(target)
    if (target ~ /\.h$/ && to != from && !((from, to) in includes))
      includes[from, to] = rel ":" line_no " includes \"" target "\""
  }
  close(file)
}

END {
  for (edge in includes) {
    split(edge, ends, SUBSEP)
    if (ends[1] > ends[2] || !((ends[2], ends[1]) in includes)) continue
    key = pair_key(ends[1], ends[2])
    if (key in listed) {
      circling[key] = 1
      continue
    }
    print includes[edge] " and " includes[ends[2], ends[1]] ": a circle of includes between " ends[1] " and " ends[2] | "LC_ALL=C sort"
    status = 1
  }
  for (key in listed) {
    split(key, ends, SUBSEP)
    if (!(ends[1] in present) || !(ends[2] in present) || (key in circling)) continue
    print ends[1] " and " ends[2] " no longer include each other: remove their line from " known | "LC_ALL=C sort"
    status = 1
  }
  close("LC_ALL=C sort")
  exit status
}'
