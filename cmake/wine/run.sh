#!/usr/bin/env bash
# Runs a Windows program under Wine's loader for its own machine type. In a
# test run the prefix and the X display come from the state folder that
# start.sh prepared (QUILL_WINE_STATE); otherwise the caller's WINEPREFIX and
# DISPLAY are used. A 32-bit program on a machine that runs no 32-bit code
# is skipped (exit 77) with the reason.
set -eu
source "$(dirname "$0")/loader.sh"
arch=$(quill_pe_arch "$1")
quill_use_wine "$arch" || exit
if [[ -n "${QUILL_WINE_STATE:-}" ]]; then
  export WINEPREFIX="$QUILL_WINE_STATE/prefix"
  [[ -s "$QUILL_WINE_STATE/display" ]] && export DISPLAY=":$(cat "$QUILL_WINE_STATE/display")"
fi
quill_quiet_wine
exec "$WINELOADER" "$@"
