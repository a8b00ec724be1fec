# shellcheck shell=bash
# Recipes for kept roots (scripts/lib/debian-root.sh) that carry files of the
# committed tree with them: the root's key follows those files' contents.
#
#   quill_recipe_with_files REPO COMMAND FILE...
#       Prints a bash script that lays out FILE... (paths in the repository,
#       as committed at HEAD, or as in the tree where REPO has no .git) in
#       /var/lib/quillmar/tree and runs COMMAND there.
#
#   quill_lane_recipe REPO
#       Prints the Debian lane's recipe.
quill_recipe_with_files() {
  local repo=$1 command=$2 file
  shift 2
  echo 'set -euo pipefail'
  echo 'mkdir -p /var/lib/quillmar/tree && cd /var/lib/quillmar/tree'
  for file in "$@"; do
    printf "mkdir -p %q && base64 -d >%q <<'QUILL_FILE'\n" "$(dirname "$file")" "$file"
    if git -C "$repo" rev-parse --git-dir >/dev/null 2>&1; then
      git -C "$repo" show "HEAD:$file" | base64 || return 1
    else
      base64 <"$repo/$file" || return 1
    fi
    echo QUILL_FILE
  done
  echo "$command"
}

# The Debian lane's recipe: the committed scripts/setup.sh, which installs
# the build dependencies from debian/control and the test tools.
quill_lane_recipe() {
  quill_recipe_with_files "$1" 'bash scripts/setup.sh' scripts/setup.sh debian/control
}
