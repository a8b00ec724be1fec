#!/usr/bin/env bash
# Ends what start.sh started.
set -u
state=$(realpath -m "$1")
WINEPREFIX="$state/prefix" wineserver -k 2>/dev/null || true
if [[ -s "$state/xvfb.pid" ]]; then
  kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  rm -f "$state/xvfb.pid"
fi
exit 0
