#!/usr/bin/env bash
# Runs the demo under a virtual X server and checks that the module's main
# window (titled "127.0.0.1") appears and that the simulator is stopped after
# the module has ended.
#
#   scripts/demo-check.sh [--v3] [--bin-dir DIR] [--seconds N]
#
# Without --bin-dir it runs the real "./kx demo" (installs, builds Release);
# with it, the binaries of that build directory (what ctest does).
# Exit codes: 0 passed, 1 failed, 77 skipped (something needed is missing).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SKIP=77
say() { echo "demo-check: $*"; }
fail() { echo "demo-check: FAILED: $*" >&2; exit 1; }
skip() { echo "demo-check: SKIPPED: $*"; exit $SKIP; }

DEMO_ARGS=()
BIN_DIR=""
SECONDS_TO_RUN=8
INSIDE=0
while [ $# -gt 0 ]; do
  case "$1" in
    --v3|--v1) DEMO_ARGS+=("$1") ;;
    --bin-dir) BIN_DIR="$2"; shift ;;
    --seconds) SECONDS_TO_RUN="$2"; shift ;;
    --inside) INSIDE=1 ;;
    *) echo "usage: $0 [--v1|--v3] [--bin-dir DIR] [--seconds N]" >&2; exit 2 ;;
  esac
  shift
done

if [ "$INSIDE" -eq 1 ]; then
  # Inside xvfb-run: start the demo and look for the window while it runs.
  "$ROOT/scripts/demo.sh" "${DEMO_ARGS[@]}" > "$WORK/demo.out" 2>&1 &
  DEMO=$!
  FOUND=0
  while kill -0 "$DEMO" 2>/dev/null; do
    if xwininfo -root -tree 2>/dev/null | grep -Eq '"127\.0\.0\.1( [^"]*)?"'; then
      FOUND=1
      xwininfo -root -tree | grep -E '"127\.0\.0\.1( [^"]*)?"' | head -1 > "$WORK/window.txt"
      break
    fi
    sleep 0.2
  done
  set +e
  wait "$DEMO"
  STATUS=$?
  set -e
  echo "$FOUND $STATUS" > "$WORK/result.txt"
  exit 0
fi

command -v xvfb-run > /dev/null || skip "xvfb-run is not installed (Debian package xvfb; ./kx deps)"
command -v xwininfo > /dev/null || skip "xwininfo is not installed (Debian package x11-utils; ./kx deps)"
if [ -n "$BIN_DIR" ]; then
  [ -x "$BIN_DIR/kx7026g" ] || skip "no module at $BIN_DIR/kx7026g"
  [ -x "$BIN_DIR/kxsim" ] || skip "no simulator at $BIN_DIR/kxsim"
  export KX_DEMO_BIN_DIR="$BIN_DIR"
fi

WORK="$(mktemp -d "${TMPDIR:-/tmp}/kx-demo-check-XXXXXX")"
trap 'rm -rf "$WORK"' EXIT
export WORK
export KX_DEMO_DIR="$WORK/demo"
export KX_DEMO_SECONDS="$SECONDS_TO_RUN"
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY

say "running the demo ${DEMO_ARGS[*]:-} for $SECONDS_TO_RUN s under xvfb-run"
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "${DEMO_ARGS[@]}" || fail "xvfb-run failed"

[ -f "$WORK/result.txt" ] || fail "no result from inside the X server"
read -r FOUND STATUS < "$WORK/result.txt"
sed 's/^/  | /' "$WORK/demo.out"

SIM_PID="$(cat "$KX_DEMO_DIR/kxsim.pid" 2>/dev/null || true)"
[ -n "$SIM_PID" ] || fail "the simulator never started"
if kill -0 "$SIM_PID" 2>/dev/null; then
  kill -TERM "$SIM_PID" 2>/dev/null || true
  fail "the simulator (pid $SIM_PID) is still running after the module ended"
fi
[ "$STATUS" -eq 0 ] || fail "the demo exited with $STATUS"
[ "$FOUND" -eq 1 ] || fail "no window titled \"127.0.0.1\" appeared"
say "window: $(sed 's/^ *//' "$WORK/window.txt")"
say "passed: the main window appeared and the simulator was stopped"
