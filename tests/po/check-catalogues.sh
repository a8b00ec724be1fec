#!/usr/bin/env bash
# Checks the translations against the template the build made: po/'s
# template has its texts, each with a comment for translators, and every catalogue of po/LINGUAS passes
# `msgfmt --check`, translates every text of the template, has nothing fuzzy
# or left over, and keeps each text's leading and trailing spaces, line
# breaks, %1 and %2. One line per fault; status 1 if any.
# Usage: check-catalogues.sh TEMPLATE
set -euo pipefail
template=$1
po=$(cd "$(dirname "$0")/../../po" && pwd)
faults=0
fault() {
  echo "$*"
  faults=$((faults + 1))
}

# Where each text stands is left out: xgettext's line numbers for desktop
# entries differ between gettext releases.
# Each is read whole first: a failing msgcat ends the check instead of
# reading as a difference, or as none.
kept=$(msgcat --no-location "$po/quillmar-appearance.pot")
fresh=$(msgcat --no-location "$template")
[[ $kept == "$fresh" ]] || fault "po/quillmar-appearance.pot is stale: build the update-po target"

# Every text tells its translators where it shows (#.): the template's
# entries without a comment, the header aside.
uncommented=$(awk -v RS= '!/Project-Id-Version/ && !/(^|\n)#\. / { sub(/^(#[^\n]*\n)*/, ""); print }' "$template")
while IFS= read -r entry; do
  [[ $entry != msgid* ]] || fault "no translator comment for: $entry"
done <<<"$uncommented"

# What a translation must keep of its English: the spaces at either end, the
# line breaks and the placeholders, as one comparable line. Bash's own
# expansions only: msgexec starts the shell once a message.
# shellcheck disable=SC2016 # expanded by msgexec's shell, per message
shape='IFS= read -r -d "" s || true
shape() { local t=$1 counts="" d rest lines; for d in 0 1 2 3 4 5 6 7 8 9; do
  rest=${t//"%$d"/}; counts+=$(((${#t} - ${#rest}) / 2)),; done
  lines=${t//[!$'"'"'\n'"'"']/}; printf "%s|%s|%s|%s" "${t%%[! ]*}" "${t##*[! ]}" "$counts" "${#lines}"; }
[ -z "$MSGEXEC_MSGID" ] || [ "$(shape "$MSGEXEC_MSGID")" = "$(shape "$s")" ] ||
  printf "%s\n" "$MSGEXEC_MSGID"'

languages=0
while read -r lang; do
  [[ -z $lang || $lang == \#* ]] && continue
  languages=$((languages + 1))
  file=$po/$lang.po
  if [[ ! -f $file ]]; then
    fault "$lang: po/$lang.po is missing"
    continue
  fi
  if ! report=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$file" 2>&1); then
    fault "$lang: msgfmt --check: $report"
    continue
  fi
  [[ $report =~ ^[0-9]+\ translated\ messages?\.$ ]] || fault "$lang: $report"
  missing=$(msgcmp "$file" "$template" 2>&1) || fault "$lang: $missing"
  extra=$(msgattrib --only-obsolete --no-wrap "$file")
  [[ -z $extra ]] || fault "$lang: obsolete entries left"
  if ! changed=$(msgattrib --no-obsolete "$file" | msgexec bash -c "$shape"); then
    fault "$lang: msgattrib or msgexec failed"
    continue
  fi
  while IFS= read -r text; do
    [[ -z $text ]] || fault "$lang: the translation of \"$text\" changes its spaces, lines or %N"
  done <<<"$changed"
done <"$po/LINGUAS"

((faults == 0)) || exit 1
echo "$languages catalogues complete and checked against a fresh template"
