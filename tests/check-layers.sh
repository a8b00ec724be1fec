#!/usr/bin/env bash
# Checks that dependencies run one way (docs/design.md): every project
# header that a file of the product includes lies in its own folder or one
# the folder may use. One line per fault; status 1 if any.
set -euo pipefail
cd "$(dirname "$0")/.."

# folder: the folders its files may include from, besides its own
declare -A may_use=(
  [appearance]=""
  [ports]="appearance"
  [store]="ports appearance"
  [preview]="ports appearance"
  [editor]="preview store ports appearance"
  [win32/profiling]=""
  [win32/services]="store ports appearance"
  [win32/controls]="win32/services preview store ports appearance"
  [win32/window]="win32/controls win32/services preview store ports appearance"
  [win32/program]="win32/window win32/controls win32/services win32/resources editor preview store ports appearance"
)

faults=0
for folder in "${!may_use[@]}"; do
  allowed=("$folder" ${may_use[$folder]})
  # grep finds nothing: status 1; unreadable: 2, which stops the check.
  includes=$(grep -rn --include='*.h' --include='*.cpp' '^#include "' "$folder") || [[ $? == 1 ]]
  while IFS=: read -r file _ included; do
    [[ -n "$file" ]] || continue
    header=${included#*\"}
    header=${header%\"*}
    ok=0
    for prefix in "${allowed[@]}"; do
      [[ "$header" == "$prefix"/* ]] && ok=1
    done
    # Headers beside the file; the resources' identifiers, which any room
    # may use (they are numbers, not code); the start-up profile, which any
    # Windows room may use (it is nothing in the program).
    [[ "$header" != */* || "$header" == win32/resources/* ]] && ok=1
    [[ "$folder" == win32/* && "$header" == win32/profiling/* ]] && ok=1
    if ((ok == 0)); then
      echo "$file includes $header, which $folder may not use"
      faults=$((faults + 1))
    fi
  done <<<"$includes"
done
if ((faults > 0)); then
  exit 1
fi
echo "every folder includes only what it may use"
