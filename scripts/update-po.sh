#!/usr/bin/env bash
# Takes the template the build made and brings every catalogue of
# po/LINGUAS up to it (new texts untranslated, changed ones fuzzy), for the
# translators. Run by the native tree's `update-po` target.
# Usage: update-po.sh TEMPLATE
set -euo pipefail
template=$1
po=$(cd "$(dirname "$0")/../po" && pwd)
cp "$template" "$po/quillmar-appearance.pot"
while read -r lang; do
  [[ -z $lang || $lang == \#* ]] && continue
  msgmerge --quiet --update --backup=none --no-wrap "$po/$lang.po" "$po/quillmar-appearance.pot"
done <"$po/LINGUAS"
