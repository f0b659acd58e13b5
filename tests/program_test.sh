#!/bin/sh
# Runs the built program as a user would and checks what it writes and how it exits.
#   program_test.sh report PROGRAM EXPECTED   the report matches EXPECTED byte for byte
#   program_test.sh full PROGRAM              standard output on a full device
#   program_test.sh closed PROGRAM            standard output closed
set -u
mode=$1
program=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- standard error:" >&2
  cat "$work/err" >&2
  exit 1
}

# A failed write must end in status 1 and one line on standard error naming the reason.
expect_write_error() {
  [ "$1" -eq 1 ] || fail "exit status $1, expected 1"
  printf 'river-crossing: write error: %s\n' "$2" | cmp -s - "$work/err" ||
    fail "standard error is not the write-error line for: $2"
}

case $mode in
  report)
    # Arguments are ignored.
    "$program" --help extra >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 0 ] || fail "exit status $status, expected 0"
    [ ! -s "$work/err" ] || fail "standard error is not empty"
    cmp "$work/out" "$3" || { diff "$3" "$work/out" >&2; fail "report differs"; }
    ;;
  full)
    "$program" >/dev/full 2>"$work/err"
    expect_write_error $? "No space left on device"
    ;;
  closed)
    "$program" >&- 2>"$work/err"
    expect_write_error $? "Bad file descriptor"
    ;;
  *)
    echo "unknown mode: $mode" >&2
    exit 2
    ;;
esac
