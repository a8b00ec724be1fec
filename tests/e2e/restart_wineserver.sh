#!/usr/bin/env bash
# Restarts the Wine server of the test environment (QUILL_WINE_STATE), as a
# new sign-in would: every Wine process ends, the registry is saved, and the
# next program starts in a fresh desktop session. ARCH (i386 or x86_64) is
# the tree's kind of program; skipped (77) where the machine cannot run it.
set -eu
: "${QUILL_WINE_STATE:?}"
source "$(dirname "$0")/../../cmake/wine/loader.sh"
quill_use_wine "$1" || exit
export WINEPREFIX="$QUILL_WINE_STATE/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[[ -s "$QUILL_WINE_STATE/display" ]] && export DISPLAY=":$(cat "$QUILL_WINE_STATE/display")"
"$WINESERVER" -k || true
"$WINESERVER" -w || true
setsid "$WINESERVER" -p >/dev/null 2>&1 </dev/null &
"$WINELOADER" cmd /c exit >/dev/null 2>&1 </dev/null
echo "Wine server restarted for $WINEPREFIX"
