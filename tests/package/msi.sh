#!/usr/bin/env bash
# The Windows Installer package under Wine's own msiexec, in a fresh prefix,
# as a Windows user meets it: installed for the user alone without dialogs,
# the program, its texts, the Start-menu shortcut and the uninstall entry in
# place, the program started from the shortcut, a later version installed
# over it, the same one again and an older one refused, then removed with
# nothing left. The appearance settings set before the install are the same
# at the end. A failure says which step and shows msiexec's log. Skipped
# (77) where the machine cannot run ARCH's programs.
# Usage: msi.sh ARCH MSI SETTINGS MAKE_INSTALLER   (in a Wine test: QUILL_WINE_STATE)
set -euo pipefail
: "${QUILL_WINE_STATE:?}"
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/debian-tools.sh"
# Run bound to this script, so that Wine's processes end with it however it ends.
if [[ $1 != --bound ]]; then
  quill_bound "$0" --bound "$@"
  exit
fi
shift
source "$here/../../cmake/wine/loader.sh"
arch=$1 settings=$3 maker=$4
msi=$(realpath "$2")
quill_use_wine "$arch" || exit

work=$(mktemp -d "${TMPDIR:-/tmp}/quill-msi.XXXXXX")
trap '"$WINESERVER" -k 2>/dev/null || true; rm -rf -- "$work"' EXIT
# Wine's menu builder would copy the shortcut into this machine's own menus.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export DISPLAY=":$(cat "$QUILL_WINE_STATE/display")"
name="Registry editor for Quillmar"
step=""
log=""
fail() {
  echo "FAILED at: $step: $*" >&2
  [[ -z $log || ! -f $log ]] || { echo "--- msiexec's log:" && cat "$log"; } >&2
  exit 1
}
wine() { "$WINELOADER" "$@" </dev/null; }
unix_path() { "$WINELOADER" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# msiexec ACTION MSI LOG: the exit status, as Wine gives it to Unix (mod 256).
msiexec() {
  log=$work/$3.log
  local status=0
  wine msiexec "$1" "$(wine winepath -w "$2" | tr -d '\r')" /qn /l*v "$(wine winepath -w "$log" | tr -d '\r')" || status=$?
  return $status
}
# Wine 10 writes the list to its console, which is stderr here.
entries() { wine uninstaller --list 2>&1 | tr -d '\r' | grep -F "|||$name" || true; }
# The uninstall entry's field FIELD: wherever this Wine keeps per-user entries.
entry_field() {
  local code=$1 field=$2 key
  for key in "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code" \
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code"; do
    for view in /reg:64 /reg:32; do
      wine reg query "$key" /v "$field" "$view" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$field *REG_[A-Z_]* *//p" | grep . && return 0
    done
  done
  return 1
}
appearance() {
  local key
  for key in "Control Panel\\Colors" "Control Panel\\Desktop\\WindowMetrics"; do
    wine reg query "HKCU\\$key" | tr -d '\r' | sort
  done
}
# One entry of VERSION, and its fields as Windows Installer wrote them.
expect_one_entry() {
  local version=$1 found code
  found=$(entries)
  [[ $(grep -c . <<<"$found") == 1 ]] || fail "not one uninstall entry but: ${found:-none}"
  code=${found%%|*}
  [[ $(entry_field "$code" DisplayName) == "$name" ]] || fail "the entry's name"
  [[ $(entry_field "$code" DisplayVersion) == "$version" ]] || fail "the entry's version is not $version"
  [[ $(entry_field "$code" Publisher) == "The Quillmar appearance editor authors" ]] || fail "the publisher"
  [[ $(entry_field "$code" URLInfoAbout) == https://* ]] || fail "the about link"
}

step="a fresh prefix"
WINEARCH=$quill_prefix_arch wine wineboot -i >"$work/wineboot.log" 2>&1 || fail "$(cat "$work/wineboot.log")"
# Values of the program's own, which no install or removal may touch.
wine reg add "HKCU\\Control Panel\\Colors" /v ActiveTitle /d "1 2 3" /f >/dev/null
wine reg add "HKCU\\Control Panel\\Desktop\\WindowMetrics" /v CaptionHeight /d "-271" /f >/dev/null
before=$(appearance)
grep -q '"1 2 3"\|1 2 3' <<<"$before" || fail "the seeded colour is not read back"

step="what the package holds"
mkdir "$work/held"
msiextract -C "$work/held" "$msi" >/dev/null || fail "msiextract"
properties=$(msiinfo export "$msi" Property | tr -d '\r')
grep -qx $'ARPPRODUCTICON\tProgramIcon' <<<"$properties" || fail "no ARPPRODUCTICON"
grep -q $'\tProgramIcon\t' <(msiinfo export "$msi" Shortcut) || fail "the shortcut has not the program's icon"
grep -qx $'ALLUSERS\t.*' <<<"$properties" && fail "ALLUSERS is set: not a per-user package"
grep -q "A newer version of $name is already installed" <(msiinfo export "$msi" LaunchCondition) ||
  fail "no condition refusing a downgrade"

step="install"
msiexec /i "$msi" install || fail "msiexec /i exited with $?"
version=$(sed -n 's/^ProductVersion\t//p' <<<"$properties")
expect_one_entry "$version"
folder=$(unix_path "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')")/Programs/Quillmar\ Appearance
shortcut=$(unix_path "$(wine cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs/$name.lnk
for file in quillmar-appearance.exe README.txt LICENSE.txt NOTICES.txt GPL-3.txt; do
  held=$(find "$work/held" -name "$file" -print -quit)
  cmp -s "$held" "$folder/$file" || fail "$folder/$file is not the package's $file"
done
[[ -f $shortcut ]] || fail "no shortcut $shortcut"

step="start the program from the shortcut"
wine start /unix "$shortcut" || fail "start exited with $?"
# grep reads the whole list: with -q it would stop at the match, and
# xwininfo, still writing, would end by SIGPIPE, failing the pipeline.
shown() { xwininfo -root -tree | grep -F "\"$name\"" >/dev/null; }
for _ in $(seq 150); do
  shown && break
  sleep 0.2
done
shown || fail "no window captioned $name"
wine taskkill /f /im quillmar-appearance.exe >/dev/null || fail "taskkill"

step="install a later version over it"
next=${version%.*}.$((${version##*.} + 1))
cmake -DSETTINGS="$settings" -DVERSION="$next" -DSTAGE="$work/next" \
  -DOUT="$work/next.msi" -P "$maker" || fail "the later version was not made"
msiexec /i "$work/next.msi" upgrade || fail "msiexec /i exited with $?"
expect_one_entry "$next"
[[ -f $folder/quillmar-appearance.exe ]] || fail "the program is gone"

step="the same version again"
status=0
msiexec /i "$work/next.msi" again || status=$?
((status == 0 || status == 1638 % 256)) || fail "msiexec /i exited with $status"
expect_one_entry "$next"

step="an older version over it"
status=0
msiexec /i "$msi" older || status=$?
((status == 1603 % 256)) || fail "msiexec /i of the older version exited with $status, not 1603"
expect_one_entry "$next"

step="uninstall"
msiexec /x "$work/next.msi" uninstall || fail "msiexec /x exited with $?"
[[ -z $(entries) ]] || fail "an uninstall entry is left: $(entries)"
[[ ! -e $folder && ! -e $shortcut ]] || fail "files are left: $(ls -d "$folder" "$shortcut" 2>&1)"
[[ ! -e ${folder%/*} ]] || fail "the Programs folder, made by the package, is left"
wine reg query 'HKCU\Software\Quillmar' >/dev/null 2>&1 && fail "the program's key is left"
log=""
[[ $(appearance) == "$before" ]] || fail "the appearance settings changed: $(diff <(echo "$before") <(appearance))"
echo "installed, started, upgraded to $next, refused $version over it and removed: $msi"
