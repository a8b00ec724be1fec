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

# Exports WINELOADER for ARCH, and sets quill_prefix_arch to the kind of
# prefix to make for it. Only a new prefix is given a kind: the 32-bit
# program runs in a 64-bit prefix too, and Wine refuses a WINEARCH that an
# existing prefix does not have. Where this machine cannot run ARCH it
# prints why and returns 77, ctest's skip code for the Wine tests.
quill_use_wine() {
  local name=wine arch=win32
  [[ $1 == x86_64 ]] && name=wine64 arch=win64
  local loader=/usr/lib/wine/$name
  [[ -x $loader ]] || loader=$(command -v "$name") || {
    echo "Wine's $name loader is not installed (scripts/setup.sh installs it)" >&2
    return 1
  }
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
  export WINELOADER=$loader
  quill_prefix_arch=$arch
}
