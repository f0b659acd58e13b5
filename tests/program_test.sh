#!/bin/sh
# Runs the program as its users do and checks what it writes and how it exits. PROGRAM... is its
# path, after the emulator that runs it where it is built for another platform.
# Modes: report EXPECTED PROGRAM... (byte for byte); full|closed PROGRAM... (standard output on a
# full device, or closed); installed CMAKE BUILD_DIR EXPECTED PATH PAGE [EMULATOR...] (into a fresh
# prefix); dlls OBJDUMP PROGRAM (no MinGW runtime DLL); manual PAGE (77, "skipped", without man).
# LINE_END=crlf in the environment: the program writes the line ends of Windows text streams.
set -u
mode=$1
shift
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
case ${LINE_END:-lf} in
  lf) cr='' ;;
  crlf) cr=$(printf '\r') ;;
  *) echo "unknown LINE_END: $LINE_END" >&2 && exit 2 ;;
esac

fail() {
  echo "FAIL: $*" >&2
  [ ! -s "$work/err" ] || { echo "--- standard error:" && cat "$work/err"; } >&2
  exit 1
}

# check_report EXPECTED PROGRAM...: arguments are ignored.
check_report() {
  expected=$1
  shift
  "$@" --help extra >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq 0 ] || fail "exit status $status, expected 0"
  [ ! -s "$work/err" ] || fail "standard error is not empty"
  sed "s/\$/$cr/" "$expected" >"$work/expected"
  cmp "$work/out" "$work/expected" ||
    { diff "$work/expected" "$work/out" >&2; fail "report differs"; }
}

# A failed write must end in status 1 and one line on standard error naming the reason.
check_write_error() {
  [ "$1" -eq 1 ] || fail "exit status $1, expected 1"
  printf 'river-crossing: write error: %s%s\n' "$2" "$cr" | cmp -s - "$work/err" ||
    fail "standard error is not the write-error line for: $2"
}

case $mode in
  report) check_report "$@" ;;
  full) "$@" >/dev/full 2>"$work/err"; check_write_error $? "No space left on device" ;;
  closed) "$@" >&- 2>"$work/err"; check_write_error $? "Bad file descriptor" ;;
  installed)
    cmake=$1 build=$2 expected=$3 path=$4 page=$5
    shift 5
    "$cmake" --install "$build" --prefix "$work/prefix" >"$work/err" 2>&1 || fail "install failed"
    check_report "$expected" "$@" "$work/prefix/$path"
    [ -s "$work/prefix/$page" ] || fail "manual page not installed"
    ;;
  dlls)
    headers=$("$1" -p "$2" 2>"$work/err") || fail "$1 cannot read $2"
    dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [ -n "$dlls" ] || fail "$1 names no DLL that $2 loads"
    ! runtime=$(printf '%s\n' "$dlls" | grep -iE '^(libstdc|libgcc|libwinpthread)') ||
      fail "$2 loads $runtime"
    ;;
  manual)
    command -v man >/dev/null ||
      { echo "SKIPPED: no man command to render $1 (Debian package man-db)" && exit 77; }
    man --warnings -l "$1" >/dev/null 2>"$work/err" || fail "man cannot render $1"
    [ ! -s "$work/err" ] || fail "man warns about $1"
    ;;
  *) echo "unknown mode: $mode" >&2 && exit 2 ;;
esac
