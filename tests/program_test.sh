#!/bin/sh
# Runs the program as its users do and checks what it writes and how it exits.
#   program_test.sh report PROGRAM EXPECTED    the report matches EXPECTED byte for byte
#   program_test.sh full PROGRAM               standard output on a full device
#   program_test.sh closed PROGRAM             standard output closed
#   program_test.sh installed CMAKE BUILD_DIR EXPECTED
#                                              installed into a fresh prefix, the program reports
#                                              as built and its manual page is in place
set -u
mode=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$work/err" ]; then
    echo "--- standard error:" >&2
    cat "$work/err" >&2
  fi
  exit 1
}

check_report() {
  # Arguments are ignored.
  "$1" --help extra >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq 0 ] || fail "exit status $status, expected 0"
  [ ! -s "$work/err" ] || fail "standard error is not empty"
  cmp "$work/out" "$2" || { diff "$2" "$work/out" >&2; fail "report differs"; }
}

# A failed write must end in status 1 and one line on standard error naming the reason.
check_write_error() {
  [ "$1" -eq 1 ] || fail "exit status $1, expected 1"
  printf 'river-crossing: write error: %s\n' "$2" | cmp -s - "$work/err" ||
    fail "standard error is not the write-error line for: $2"
}

case $mode in
  report)
    check_report "$2" "$3"
    ;;
  full)
    "$2" >/dev/full 2>"$work/err"
    check_write_error $? "No space left on device"
    ;;
  closed)
    "$2" >&- 2>"$work/err"
    check_write_error $? "Bad file descriptor"
    ;;
  installed)
    "$2" --install "$3" --prefix "$work/prefix" >"$work/err" 2>&1 || fail "install failed"
    check_report "$work/prefix/bin/river-crossing" "$4"
    [ -s "$work/prefix/share/man/man1/river-crossing.1" ] || fail "manual page not installed"
    ;;
  *)
    echo "unknown mode: $mode" >&2
    exit 2
    ;;
esac
