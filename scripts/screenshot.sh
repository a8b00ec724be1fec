#!/usr/bin/env bash
# Takes the README's picture of the window, docs/window.png (or the file
# given), from build/win32's program (build/win64's where the machine runs
# no 32-bit code): under Xvfb, in a scratch Wine prefix of its own, it
# presses "XP Default" and Apply, closes, restarts the Wine server (as a new
# sign-in would) and starts the program again, so that the default scheme
# shows in the previews and the controls. With a LOCALE (de_DE.UTF-8), the
# program runs in it and shows that language. Run as root on Debian 12
# after a build (scripts/run.sh or scripts/test.sh makes the program); it
# installs what it needs from Debian's packages.
# With --dpi N, the desktop's resolution is N dots per inch (144: 150 %).
# Usage: screenshot.sh [--framed] [--dpi N] [PICTURE [LOCALE]]
set -euo pipefail
cd "$(dirname "$0")/.."
managed=Y dpi=96
[[ ${1-} != --framed ]] || { managed=N && shift; }
[[ ${1-} != --dpi ]] || { dpi=${2:?--dpi needs a number} && shift 2; }
[[ $dpi =~ ^[0-9]+$ ]] || { echo "--dpi $dpi: not a number" >&2; exit 2; }
source cmake/wine/loader.sh
tree=win32 arch=i386
quill_use_wine i386 >/dev/null || tree=win64 arch=x86_64
program=$PWD/build/$tree/bin/quillmar-appearance.exe
picture=$(realpath -m "${1:-docs/window.png}")
locale=${2:-C}
[[ -f $program ]] || { echo "no $program: build it first (bash scripts/run.sh)" >&2; exit 1; }

# X's window dump, ImageMagick to make it a PNG, xdotool for the keys.
packages=(x11-apps imagemagick xdotool)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The test environment's scripts make a scratch prefix of the program's kind
# on a virtual display. Unlike the tests, the prefix marks windows as
# managed (Managed=Y): Wine then leaves the frame to a window manager, and
# with none running the window shows no frame at all, so the picture is the
# window's inside. With --framed, Wine draws the frame itself, in the
# applied scheme's title-bar colours and caption font, as it does for its
# windows on a desktop whose window manager is told to leave them alone.
scratch=$(mktemp -d)
trap 'cmake/wine/stop.sh "$scratch"; rm -rf "$scratch"' EXIT
cmake/wine/start.sh "$scratch" "$arch" >/dev/null
export QUILL_WINE_STATE=$scratch WINEPREFIX=$scratch/prefix DISPLAY=":$(cat "$scratch/display")"
quill_use_wine "$arch"
if [[ $locale != C ]]; then
  cmake/wine/make-locales.sh "$scratch/locales" "$locale" >/dev/null
  export LOCPATH=$scratch/locales
fi
unset LC_ALL LC_MESSAGES LANGUAGE
"$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d $managed /f >/dev/null 2>&1
"$WINELOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

# Starts the program and prints its window once that is shown.
start() {
  LANG=$locale cmake/wine/run.sh "$program" >/dev/null 2>&1 </dev/null &
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --classname '^quillmar-appearance.exe$' 2>/dev/null | head -1)
    [[ -n $window ]] && { echo "$window"; return; }
    sleep 0.1
  done
  echo "the program's window did not appear" >&2
  return 1
}

# The focus starts on the first preview: two Tabs reach "XP Default", three
# back reach Apply; Escape presses Cancel.
# Apply reports in the caption, in the program's language.
window=$(start)
caption=$(xdotool getwindowname "$window")
xdotool windowfocus --sync "$window"
xdotool key Tab Tab space
xdotool key shift+Tab shift+Tab shift+Tab space
for _ in $(seq 100); do
  [[ $(xdotool getwindowname "$window") != "$caption" ]] && break
  sleep 0.1
done
[[ $(xdotool getwindowname "$window") != "$caption" ]] || { echo "Apply did not report" >&2; exit 1; }
xdotool key Escape
"$WINESERVER" -k
"$WINESERVER" -w

window=$(start)
sleep 2  # its first paint
xwd -silent -id "$window" | convert xwd:- -strip "png:$picture"
echo "wrote $picture"
