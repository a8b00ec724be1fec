#!/usr/bin/env bash
# Runs a Windows program under Wine. In a test run the prefix and the X
# display come from the state folder that start.sh prepared
# (QUILL_WINE_STATE); otherwise the caller's WINEPREFIX and DISPLAY are used.
set -eu
if [[ -n "${QUILL_WINE_STATE:-}" ]]; then
  export WINEPREFIX="$QUILL_WINE_STATE/prefix"
  [[ -s "$QUILL_WINE_STATE/display" ]] && export DISPLAY=":$(cat "$QUILL_WINE_STATE/display")"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
