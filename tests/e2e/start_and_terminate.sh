#!/usr/bin/env bash
# Starts the real program in a virtual X display, waits for its window, ends it with a
# termination signal and checks that shut-down ran: settings written, catalog packed, catalog
# folder gone, exit code 0. Usage: start_and_terminate.sh PROGRAM STAND_IN_PACKHOLD
set -euo pipefail
program=$1
packhold=$2

if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "xvfb-run or xwininfo is missing; skipped"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program"
cp "$program" "$work/program/spinfolio"
cp "$packhold" "$work/program/libpackhold.so"
unset QT_QPA_PLATFORM

for signal in TERM INT HUP; do
  root="$work/$signal"
  mkdir -p "$root/home" "$root/run" "$root/tmp"
  export HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" XDG_RUNTIME_DIR="$root/run"
  export TMPDIR="$root/tmp" SPINFOLIO_FAKE_LOG="$root/calls.log"

  status=0
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" &
    pid=$!
    for _ in $(seq 150); do
      xwininfo -root -tree | grep -q "\"Spinfolio\"" && break
      sleep 0.1
    done
    if ! xwininfo -root -tree | grep -q "\"Spinfolio\""; then
      echo "the window did not show"
      kill -KILL "$pid"
      exit 1
    fi
    ls "$TMPDIR" | grep -q "^spinfoliotemp_" || { echo "no catalog folder while running"; exit 1; }
    kill -"$2" "$pid"
    wait "$pid"
  ' _ "$work/program/spinfolio" "$signal" || status=$?

  [ "$status" -eq 0 ] || { echo "SIG$signal: exit code $status"; exit 1; }
  grep -q "^Drives=0,0,0,0,0" "$HOME/.config/Spinfolio/spinfolio.ini" ||
    { echo "SIG$signal: exit settings not written"; exit 1; }
  grep -q "^_SaveArch|1|" "$root/calls.log" || { echo "SIG$signal: catalog not packed"; exit 1; }
  if ls "$TMPDIR" | grep -q "^spinfoliotemp_"; then
    echo "SIG$signal: catalog folder left behind"
    exit 1
  fi
  echo "SIG$signal: closed normally"
done
