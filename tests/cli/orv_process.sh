#!/usr/bin/env bash
# orv as a process: failed writes through a full device, a closed standard output and a
# closed pipe with SIGPIPE ignored, and today's date read from a clock past 2262.
# Usage: orv_process.sh ORV
set -u
orv=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() { # name expected-status expected-stderr status stderr-file
  if [ "$4" != "$2" ] || [ "$(cat "$5")" != "$3" ]; then
    echo "FAIL $1: status $4, stderr: $(cat "$5")"
    failures=$((failures + 1))
  fi
}

full="orv: write error: No space left on device"
"$orv" 2000-01-01 >/dev/full 2>"$work/err"
expect "argument to /dev/full" 1 "$full" $? "$work/err"
printf '2000-01-01\n' | "$orv" --json >/dev/full 2>"$work/err"
expect "batch to /dev/full" 1 "$full" "${PIPESTATUS[1]}" "$work/err"
"$orv" --help >/dev/full 2>"$work/err"
expect "help to /dev/full" 1 "$full" $? "$work/err"
"$orv" 2000-01-01 2>"$work/err" >&-
expect "closed output" 1 "orv: write error: Bad file descriptor" $? "$work/err"

# With SIGPIPE ignored the reader of a closed pipe must stop writing and end.
(
  trap '' PIPE
  yes 2000-01-01 2>/dev/null | timeout 60 "$orv" 2>"$work/err" | head -1 >/dev/null
  echo "${PIPESTATUS[1]}" >"$work/status"
)
expect "closed pipe, SIGPIPE ignored" 1 "orv: write error: Broken pipe" "$(cat "$work/status")" \
  "$work/err"

# libfaketime sits in front of the sanitizers' runtime: tell them so.
if command -v faketime >/dev/null; then
  got=$(TZ=UTC ASAN_OPTIONS=verify_asan_link_order=0 faketime '2262-04-12 12:00:00' "$orv" today)
  if [ "$got" != "2262-04-12" ]; then
    echo "FAIL today past 2262: $got"
    failures=$((failures + 1))
  fi
else
  echo "faketime missing: the clock past 2262 is not checked"
fi
exit $((failures > 0))
