# shellcheck shell=bash
# Output folders that scripts make and may delete: a folder is deleted only
# when it holds the mark that a script of ours left in it, so that an
# argument such as "." or a home folder is refused, never emptied.
#   quill_fresh_output_dir DIR   empties DIR (made if missing) and marks it,
#                                or fails with one line when DIR holds
#                                anything and no mark.
quill_fresh_output_dir() {
  local dir=$1
  if [[ -e $dir && ! -f $dir/.quillmar-output ]] && { [[ ! -d $dir ]] || [[ -n $(ls -A "$dir") ]]; }; then
    echo "$dir is not a folder that these scripts made; give a new or empty folder." >&2
    return 1
  fi
  rm -rf --one-file-system "$dir" || return 1
  mkdir -p "$dir" && : >"$dir/.quillmar-output"
}
