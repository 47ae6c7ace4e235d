#!/usr/bin/env bash
# Checks that no file under src/ includes a header from a floor above its own.
#
# Each folder is one floor, lowest first (docs/ARCHITECTURE.md): platform,
# model, storage, view, picking, commands, annotation, organisation, app,
# windows (with its subfolders); src/main.cpp stands above them all. A file
# may include headers of its own floor and of the floors below it, always
# named with their folder ("model/Top.h"): an include without a folder is
# refused, since its floor cannot be read from it.
#
# Usage: check_floors.sh [SOURCE_DIR]   (default: the src/ beside this script)
# Prints every offending include line and exits 1 when there is one.
set -euo pipefail

src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/src}"
[ -d "$src" ] || { echo "check_floors: no folder $src" >&2; exit 2; }

# The floor of a path relative to src/ ("model/DataHand.h" -> 1), read from
# its first folder alone; empty when the folder is no floor.
floor_of() {
  case "$1" in
    platform/*) echo 0 ;;
    model/*) echo 1 ;;
    storage/*) echo 2 ;;
    view/*) echo 3 ;;
    picking/*) echo 4 ;;
    commands/*) echo 5 ;;
    annotation/*) echo 6 ;;
    organisation/*) echo 7 ;;
    app/*) echo 8 ;;
    windows/*) echo 9 ;;
    main.cpp) echo 10 ;;
    *) echo "" ;;
  esac
}

status=0
while IFS= read -r -d '' file; do
  rel="${file#"$src"/}"
  own="$(floor_of "$rel")"
  if [ -z "$own" ]; then
    echo "$rel: not in any floor (add its folder to scripts/check_floors.sh)"
    status=1
    continue
  fi
  line_no=0
  while IFS= read -r line; do
    line_no=$((line_no + 1))
    [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
    target="${BASH_REMATCH[1]}"
    theirs="$(floor_of "$target")"
    if [[ "$target" != */* ]]; then
      echo "$rel:$line_no: includes \"$target\" without its folder"
      status=1
    elif [ -z "$theirs" ]; then
      echo "$rel:$line_no: includes \"$target\", which is in no floor"
      status=1
    elif [ "$theirs" -gt "$own" ]; then
      echo "$rel:$line_no: includes \"$target\" from a floor above its own"
      status=1
    fi
  done < "$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

exit $status
