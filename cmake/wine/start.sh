#!/usr/bin/env bash
# Prepares the Wine test environment in STATE_DIR for programs of ARCH (i386
# or x86_64): a prefix of its own (never the user's) of that kind, an Xvfb
# display and one persistent wineserver for the run. Where the machine cannot
# run ARCH it says why and exits 77 (skipped). They end with stop.sh, or else
# when the process that called this one ends (ctest, whose fixture cleanup a
# killed run never reaches, or a script), however it ends.
set -eu
source "$(dirname "$0")/loader.sh"
state=$(realpath -m "$1")
quill_use_wine "$2" || exit
mkdir -p "$state"
export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

"$(dirname "$0")/stop.sh" "$state" || true

: >"$state/display"
setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
  3>"$state/display" >"$state/xvfb.log" 2>&1 </dev/null &
echo $! >"$state/xvfb.pid"
for _ in $(seq 100); do [[ -s "$state/display" ]] && break; sleep 0.1; done
[[ -s "$state/display" ]] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$state/display")"

# A prefix of another kind (left by an older build) is made anew.
if [[ -f "$WINEPREFIX/system.reg" ]] && ! grep -qx "#arch=$quill_prefix_arch" "$WINEPREFIX/system.reg"; then
  rm -rf "$WINEPREFIX"
fi
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  echo "creating Wine prefix $WINEPREFIX ($quill_prefix_arch)"
  WINEARCH=$quill_prefix_arch "$WINELOADER" wineboot -i >"$state/wineboot.log" 2>&1
fi
setsid "$WINESERVER" -p >/dev/null 2>&1 </dev/null &
# The test prefix's settings (Wine's drive Z: is "/"). This also starts the
# server's session once, so later test processes start fast; the session's
# services must not hold this script's output open.
settings="Z:$(realpath "$(dirname "$0")/test-prefix.reg" | tr / '\\')"
"$WINELOADER" reg import "$settings" >/dev/null 2>&1 </dev/null
# A watcher ends this start's environment after its caller; not a later
# start's, which writes a token of its own (stop.sh removes it).
token="$$.$(date +%s%N)"
echo "$token" >"$state/started"
# shellcheck disable=SC2016 # expanded by the watcher's shell
setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done
  [[ $(cat "$2/started" 2>/dev/null) != "$3" ]] || exec "$4" "$2"' \
  watch "$PPID" "$state" "$token" "$(realpath "$(dirname "$0")/stop.sh")" </dev/null >/dev/null 2>&1 &
echo "Wine ready: prefix $WINEPREFIX ($quill_prefix_arch), display $DISPLAY"
