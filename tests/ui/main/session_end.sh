#!/usr/bin/env bash
# The program as started from main: SIGTERM and SIGHUP end it the way Quit does, so it exits
# normally and the settings file is written. Usage: session_end.sh PATH-TO-ORVANDEL
set -euo pipefail
program=$1
status=0
for signal in TERM HUP; do
  config=$(mktemp -d)
  XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$program" &
  pid=$!
  # The handler is in place once the signal is among the process's caught ones.
  mask=$((1 << ($(kill -l "$signal") - 1)))
  for _ in $(seq 200); do
    caught=$(sed -n 's/^SigCgt:\t//p' "/proc/$pid/status" 2>/dev/null || echo 0)
    (((0x${caught:-0} & mask) != 0)) && break
    sleep 0.05
  done
  kill "-$signal" "$pid"
  code=0
  wait "$pid" || code=$?
  saved=$(od -An -c "$config/orvandel/orv5.usr" 2>/dev/null | tr -s ' \n' ' ' || true)
  if [ "$code" -ne 0 ] || [ "$saved" != " 0 \r \n 2 , 4 5 , 4 4 \r \n 0 , 0 , 0 \r \n " ]; then
    echo "SIG$signal: exit status $code, settings file:$saved"
    status=1
  fi
  rm -rf "$config"
done
# Started under nohup (SIGHUP ignored) and with one of Qt's own options: the window starts,
# SIGHUP stays ignored once the other handlers are in place, and SIGTERM still ends it.
config=$(mktemp -d)
(trap '' HUP; XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen exec "$program" -reverse) &
pid=$!
for _ in $(seq 200); do
  caught=$(sed -n 's/^SigCgt:\t//p' "/proc/$pid/status" 2>/dev/null || echo 0)
  (((0x${caught:-0} & (1 << 14)) != 0)) && break # SIGTERM
  sleep 0.05
done
ignored=$(sed -n 's/^SigIgn:\t//p' "/proc/$pid/status" 2>/dev/null || echo 0)
caught=$(sed -n 's/^SigCgt:\t//p' "/proc/$pid/status" 2>/dev/null || echo 0)
kill -TERM "$pid" 2>/dev/null || true
code=0
wait "$pid" || code=$?
if (((0x${ignored:-0} & 1) == 0)) || (((0x${caught:-0} & 1) != 0)) || [ "$code" -ne 0 ]; then
  echo "nohup -reverse: SIGHUP ignored ${ignored:-?}, caught ${caught:-?}, exit status $code"
  status=1
fi
rm -rf "$config"
exit "$status"
