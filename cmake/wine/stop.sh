#!/usr/bin/env bash
# Ends what start.sh started.
set -u
state=$(realpath -m "$1")
source "$(dirname "$0")/loader.sh"
if quill_use_wineserver >/dev/null; then
  WINEPREFIX="$state/prefix" "$WINESERVER" -k 2>/dev/null || true
fi
if [[ -s "$state/xvfb.pid" ]]; then
  kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  rm -f "$state/xvfb.pid"
fi
rm -f "$state/started"
exit 0
