#!/usr/bin/env bash
# Builds the package a second time (scripts/make-deb.sh) in a folder of
# another name and length, later, with another umask, locale and time zone
# (scripts/lib/build-variant.sh), and compares it with the build in
# FIRST_DIR (scripts/compare-builds.sh): the same bytes, or the differences.
# Usage: test-reproducible.sh FIRST_DIR
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/build-variant.sh"
first=$(realpath "$1")
second=$(dirname "$first")/second-build-in-a-folder-with-a-much-longer-name
# shellcheck disable=SC2046 # one word each
(umask "$(quill_variant_umask)" && env $(quill_variant_env) bash "$repo/scripts/make-deb.sh" "$second" >/dev/null)
echo "Built again in $second ($(quill_variant_env), umask $(quill_variant_umask)):"
bash "$repo/scripts/compare-builds.sh" "$first" "$second"
