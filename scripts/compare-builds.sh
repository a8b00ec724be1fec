#!/usr/bin/env bash
# Compares two builds of the package (folders as scripts/make-deb.sh leaves
# them): the .deb, the two release zips and the two programs must be the same
# bytes. Prints a line for each; for each that differs, how (diffoscope where
# it is installed, else the differing files inside the .deb and the first
# differing bytes). Exits 1 when any differs.
# Usage: compare-builds.sh DIR_A DIR_B
set -euo pipefail
a=$1
b=$2
status=0

# Says how A and B differ, as far as the tools here can tell.
explain() {
  local a=$1 b=$2 x y
  if command -v diffoscope >/dev/null; then
    diffoscope --text - "$a" "$b" | head -60 || true
    return 0
  fi
  if [[ $a == *.deb ]]; then
    x=$(mktemp -d) y=$(mktemp -d)
    dpkg-deb -R "$a" "$x" && dpkg-deb -R "$b" "$y"
    diff -rq "$x" "$y" | sed 's/^/    /' || true
    (cd "$x" && find . -type f | sort | xargs -d '\n' ls -l --time-style=+%s) >"$x.list"
    (cd "$y" && find . -type f | sort | xargs -d '\n' ls -l --time-style=+%s) >"$y.list"
    diff "$x.list" "$y.list" | sed 's/^/    /' || true
    rm -rf "$x" "$y" "$x.list" "$y.list"
  fi
  echo "    first differing bytes (offset, octal values):"
  cmp -l "$a" "$b" 2>&1 | head -8 | sed 's/^/    /' || true
}

files=$(cd "$a" && compgen -G '*.deb'; compgen -G '*.zip'; compgen -G 'programs/*/*.exe') || true
[[ $(wc -w <<<"$files") -eq 5 ]] || { echo "expected a .deb, two zips and two programs in $a, found: $files"; exit 1; }
for file in $files; do
  if [[ ! -f $b/$file ]]; then
    echo "MISSING $file in $b"
    status=1
  elif cmp -s "$a/$file" "$b/$file"; then
    echo "same    $file ($(sha256sum <"$a/$file" | cut -c1-16))"
  else
    echo "DIFFER  $file"
    explain "$a/$file" "$b/$file"
    status=1
  fi
done
exit $status
