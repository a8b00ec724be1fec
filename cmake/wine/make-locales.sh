#!/usr/bin/env bash
# Makes the named UTF-8 locales (de_DE.UTF-8 ...) from glibc's sources into
# DIR, for processes run with LOCPATH=DIR: the language tests do not depend
# on the locales a machine has generated. Locales already made are kept.
# Usage: make-locales.sh DIR LOCALE...
set -euo pipefail
dir=$1
shift
mkdir -p "$dir"
pids=()
for locale in "$@"; do
  [[ -s $dir/$locale/LC_CTYPE ]] && continue
  # localedef's status is 1 for warnings too: the locale's files decide.
  { localedef -i "${locale%%.*}" -f UTF-8 "$dir/$locale" >"$dir/$locale.log" 2>&1 || true; } &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done
status=0
for locale in "$@"; do
  if [[ ! -s $dir/$locale/LC_CTYPE ]]; then
    echo "localedef could not make $locale:" >&2
    cat "$dir/$locale.log" >&2
    status=1
  fi
done
((status == 0)) && echo "$# locales in $dir"
exit $status
