#!/usr/bin/env bash
# Static analysis of all our code: clang-tidy (the checks in .clang-tidy) and
# cppcheck, over the native tree's compile database and the Windows tree's.
# Usage: analyse.sh NATIVE_BUILD_DIR [WIN32_BUILD_DIR [FUZZ_BUILD_DIR]].
# Fails on any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$(realpath "$1")
win32=${2:+$(realpath "$2")}
fuzz=${3:+$(realpath "$3")}
jobs=$(nproc)
status=0

ours="$root/(store|appearance|ports|preview|editor|win32|testing|tests|bench)/"

echo "== clang-tidy, native tree"
run-clang-tidy -quiet -p "$native" -j "$jobs" "$ours" >"$native/clang-tidy.log" 2>&1 || status=1
grep -E "(warning|error):" "$native/clang-tidy.log" | sort -u || true

if [[ -n "$win32" && -f "$win32/compile_commands.json" ]]; then
  echo "== clang-tidy, Windows tree"
  gcc_dir=$(dirname "$(i686-w64-mingw32-g++-posix -print-libgcc-file-name)")
  cxx="$gcc_dir/include/c++"
  run-clang-tidy -quiet -p "$win32" -j "$jobs" \
    -extra-arg=--target=i686-w64-mingw32 -extra-arg=-nostdinc++ \
    -extra-arg=-isystem"$cxx" -extra-arg=-isystem"$cxx/i686-w64-mingw32" \
    -extra-arg=-isystem"$cxx/backward" \
    "$root/(win32|testing|tests/win32|tests/editor|tests/e2e|bench)/" >"$win32/clang-tidy.log" 2>&1 || status=1
  grep -E "(warning|error):" "$win32/clang-tidy.log" | sort -u || true
fi

if [[ -n "$fuzz" && -f "$fuzz/compile_commands.json" ]]; then
  echo "== clang-tidy, fuzz targets"
  run-clang-tidy -quiet -p "$fuzz" -j "$jobs" "$root/tests/fuzz/" >"$fuzz/clang-tidy.log" 2>&1 || status=1
  grep -E "(warning|error):" "$fuzz/clang-tidy.log" | sort -u || true
fi

echo "== cppcheck"
# File by file with our own headers only: system and GoogleTest headers are
# described to cppcheck by its libraries, not parsed.
cppcheck_args=(--enable=warning,performance,portability --error-exitcode=1 --inline-suppr -q
  --library=googletest --library="$root/scripts/cppcheck-googletest.cfg"
  --suppress=missingIncludeSystem --suppress=unmatchedSuppression
  --suppress=normalCheckLevelMaxBranches
  --std=c++20 -j "$jobs" -I"$root")
windows_code='^(win32|testing|tests/win32|tests/editor|tests/e2e|bench)/'
# Listed from the folders, not from git: an exported tree has no repository.
mapfile -t sources < <(cd "$root" && find appearance store ports preview editor win32 testing tests bench \
  -name '*.cpp' | sort)
((${#sources[@]})) || { echo "cppcheck: no sources found below $root" >&2; exit 1; }
mapfile -t portable < <(printf '%s\n' "${sources[@]}" | grep -v -E "$windows_code")
mapfile -t windows < <(printf '%s\n' "${sources[@]}" | grep -E "$windows_code")
(cd "$root" && cppcheck "${cppcheck_args[@]}" "${portable[@]}") || status=1
# The end-to-end tests get the program's path from the build, as a macro.
(cd "$root" && cppcheck "${cppcheck_args[@]}" --library=windows -D_WIN32 -DWIN32 -DUNICODE \
  -D_UNICODE -DQUILL_PROGRAM_PATH='L"quillmar-appearance.exe"' "${windows[@]}") || status=1

[[ $status == 0 ]] && echo "static analysis: clean"
exit $status
