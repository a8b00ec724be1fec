# Sourced by the Wine scripts. Picks Wine's loader for a kind of Windows
# program from the program's own machine type, not from Debian's `wine`
# wrapper (which takes the 32-bit loader whenever it is installed, even where
# the machine cannot run it), and tells where a kind cannot run here.
#
# QUILL_NO_32BIT=1 makes a machine that runs 32-bit code behave as one that
# runs none, to try that path.

# The machine type in a Windows executable's PE header: i386 or x86_64.
quill_pe_arch() {
  local header machine
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')
  case $machine in
    014c) echo i386 ;;
    8664) echo x86_64 ;;
    *) echo "$1: not an i386 or x86-64 Windows program" >&2; return 1 ;;
  esac
}

# Wine's own programs, from its library folder: never Debian's wrappers in
# PATH (its `wine` starts the 64-bit loader where the 32-bit one is missing,
# and so would pass a probe for 32-bit code that cannot run).
quill_wine_dir=/usr/lib/wine

# Exports WINESERVER: the 64-bit server serves prefixes of both kinds, the
# 32-bit one only where Wine has no other. Returns 1 if neither is there.
quill_use_wineserver() {
  local server
  for server in "$quill_wine_dir/wineserver64" "$quill_wine_dir/wineserver32"; do
    if [[ -x $server ]]; then
      export WINESERVER=$server
      return 0
    fi
  done
  echo "Wine's server is not installed in $quill_wine_dir (scripts/setup.sh installs it)"
  return 1
}

# Exports WINELOADER and WINESERVER for ARCH, and sets quill_prefix_arch to
# the kind of prefix to make for it. Only a new prefix is given a kind: the
# 32-bit program runs in a 64-bit prefix too, and Wine refuses a WINEARCH
# that an existing prefix does not have. Where this machine cannot run ARCH
# it prints why and returns 77, ctest's skip code for the Wine tests; where
# the 64-bit loader is missing it prints why and returns 1.
quill_use_wine() {
  local name=wine arch=win32 kind=32-bit
  [[ $1 == x86_64 ]] && name=wine64 arch=win64 kind=64-bit
  local loader=$quill_wine_dir/$name
  if [[ ! -x $loader ]]; then
    echo "Wine's $kind loader is not installed ($loader; scripts/setup.sh installs it)"
    [[ $1 == i386 ]] && return 77
    return 1
  fi
  if [[ $1 == i386 ]]; then
    if [[ -n ${QUILL_NO_32BIT:-} && ${QUILL_NO_32BIT} != 0 ]]; then
      echo "QUILL_NO_32BIT is set, so this machine counts as one that runs no 32-bit code"
      return 77
    fi
    # The probe: Wine's 32-bit loader itself, run once.
    local answer
    if ! answer=$("$loader" --version 2>&1); then
      echo "this machine runs no 32-bit code (Wine's 32-bit loader: ${answer##*: })"
      return 77
    fi
  fi
  quill_use_wineserver || return 1
  export WINELOADER=$loader
  quill_prefix_arch=$arch
}

# Whether the machine runs 32-bit x86 code at all, asked of the kernel itself
# with the smallest such program, so that it can be told before Wine's
# 32-bit loader is installed: an ELF header and one program header of an
# i386 program whose code is `xor ebx,ebx; xor eax,eax; inc eax; int 0x80`
# (exit 0). QUILL_NO_32BIT=1 makes it answer no.
quill_runs_32bit_code() {
  [[ -z ${QUILL_NO_32BIT:-} || ${QUILL_NO_32BIT} == 0 ]] || return 1
  local probe status=0
  probe=$(mktemp) || return 1
  local elf='\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0\0\0\0\0'
  elf+='\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08'
  elf+='\x5b\0\0\0\x5b\0\0\0\x05\0\0\0\0\x10\0\0\x31\xdb\x31\xc0\x40\xcd\x80'
  # shellcheck disable=SC2059 # the escapes are the format
  printf "$elf" >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=1
  rm -f "$probe"
  return $status
}

# Wine's messages silenced and no offer to install Mono or Gecko into a new
# prefix, unless the caller asks otherwise.
quill_quiet_wine() {
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
}
