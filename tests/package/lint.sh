#!/usr/bin/env bash
# Checks the Debian package with Debian's own tools: lintian (no error, no
# warning) on it and on its source package where given, desktop-file-validate
# on its menu entry and appstreamcli on its AppStream metadata, and that both
# carry every catalogue's translation. Prints each tool's output.
# Usage: lint.sh DEB [DSC]
set -euo pipefail
deb=$(realpath "$1")
sources=()
[[ -z ${2-} ]] || sources=("$(realpath "$2")")
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
dpkg-deb -x "$deb" "$files"
status=0
echo "== lintian $(lintian --version | awk '{print $2}')"
lintian --info --display-info --fail-on error,warning "$deb" "${sources[@]}" || status=1
for desktop in "$files"/usr/share/applications/*.desktop; do
  echo "== desktop-file-validate $(basename "$desktop")"
  desktop-file-validate "$desktop" || status=1
done
for metainfo in "$files"/usr/share/metainfo/*.xml; do
  echo "== appstreamcli validate $(basename "$metainfo")"
  appstreamcli validate --no-net --explain "$metainfo" || status=1
done
# Both carry the translations of every catalogue.
languages=$(grep -v '^#' "$(dirname "$0")/../../po/LINGUAS")
for lang in $languages; do
  grep -q "^Comment\[$lang\]=" "$files"/usr/share/applications/*.desktop ||
    { echo "the menu entry has no comment in $lang"; status=1; }
  # gettext 0.21 writes the catalogue's name (zh_CN), 0.23 the BCP 47 tag
  # (pt-BR, zh-Hans-CN): the same language and, where named, country.
  tag=${lang%%_*}
  [[ $lang != *_* ]] || tag+="[-_]([A-Za-z]{4}-)?${lang#*_}"
  grep -qE "<summary xml:lang=\"$tag\">" "$files"/usr/share/metainfo/*.xml ||
    { echo "the AppStream metadata has no summary in $lang"; status=1; }
done
((status == 0)) && echo "the package is clean, its menu entry and metadata in $(wc -w <<<"$languages") languages"
exit $status
