#!/usr/bin/env bash
# ./kx demo [--v1 | --v3] [--port N]
#
# Builds the module and the kxsim simulator (Release), starts kxsim with its
# default stack, writes what the platform would provide (registry ini and the
# per-device file 127.0.0.1.cfg with the simulator's port) into a private
# demo directory, runs kx7026g there against the simulator and stops the
# simulator when the module exits.
#
#   (default)  SNMPv2c, communities public / private
#   --v1       SNMPv1, the same communities
#   --v3       SNMPv3 authPriv as kxmd5des (MD5 + DES)
#   --port N   simulator port (default 16100, or any free one when taken)
#
# Environment:
#   KX_DEMO_SECONDS=N   end the module after N seconds (checks, screenshots)
#   KX_DEMO_DIR=DIR     demo directory to use and keep (default: a temporary
#                       one, removed at the end)
#   KX_DEMO_BIN_DIR=DIR take kx7026g and kxsim from DIR, build nothing
#   KX_DEMO_SIM_ARGS="..." more simulator options (--verbose, --seed N,
#                       --stack FILE, fault switches such as --delay-ms 800)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
say() { echo "kx demo: $*"; }
die() { echo "kx demo: $*" >&2; exit 1; }

VERSION=1
PORT=16100
PORT_GIVEN=0
while [ $# -gt 0 ]; do
  case "$1" in
    --v1) VERSION=0 ;;
    --v2c) VERSION=1 ;;
    --v3) VERSION=3 ;;
    --port) [ $# -ge 2 ] || die "--port needs a number"; PORT="$2"; PORT_GIVEN=1; shift ;;
    --port=*) PORT="${1#--port=}"; PORT_GIVEN=1 ;;
    -h|--help) sed -n '2,23p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) die "unknown option '$1' (see ./kx demo --help)" ;;
  esac
  shift
done
[[ "$PORT" =~ ^[0-9]+$ ]] || die "--port takes a number, not '$PORT'"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<EOF
kx demo: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set).
kx demo: run it under a virtual X server instead:

    xvfb-run -a ./kx demo $( [ $VERSION -eq 3 ] && echo "--v3" )

(xvfb-run is in Debian's package "xvfb"; ./kx deps installs it.)
EOF
  exit 1
fi

if [ -n "${KX_DEMO_BIN_DIR:-}" ]; then
  BIN="$KX_DEMO_BIN_DIR"
else
  "$ROOT/kx" build
  BIN="$ROOT/build/release/bin"
fi
[ -x "$BIN/kxsim" ] || die "no simulator at $BIN/kxsim"
[ -x "$BIN/kx7026g" ] || die "no module at $BIN/kx7026g"

if [ -n "${KX_DEMO_DIR:-}" ]; then
  DIR="$KX_DEMO_DIR"
  mkdir -p "$DIR"
  KEEP=1
else
  DIR="$(mktemp -d "${TMPDIR:-/tmp}/kx-demo-XXXXXX")"
  KEEP=0
fi
DIR="$(cd "$DIR" && pwd)"

SIM_PID=""
MODULE_PID=""
TIMER_PID=""
cleanup() {
  trap - EXIT INT TERM
  [ -n "$TIMER_PID" ] && kill "$TIMER_PID" 2>/dev/null || true
  if [ -n "$MODULE_PID" ] && kill -0 "$MODULE_PID" 2>/dev/null; then
    kill -TERM "$MODULE_PID" 2>/dev/null || true
    wait "$MODULE_PID" 2>/dev/null || true
  fi
  if [ -n "$SIM_PID" ] && kill -0 "$SIM_PID" 2>/dev/null; then
    kill -TERM "$SIM_PID" 2>/dev/null || true
    wait "$SIM_PID" 2>/dev/null || true
    say "simulator stopped"
  fi
  [ "$KEEP" -eq 1 ] || rm -rf "$DIR"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Start the simulator and wait for its "listening" line.
start_sim() { # port
  : > "$DIR/kxsim.out"
  # shellcheck disable=SC2086  # KX_DEMO_SIM_ARGS is a list of options
  "$BIN/kxsim" --port "$1" --state-dir "$DIR" ${KX_DEMO_SIM_ARGS:-} > "$DIR/kxsim.out" 2> "$DIR/kxsim.log" &
  SIM_PID=$!
  echo "$SIM_PID" > "$DIR/kxsim.pid"
  for _ in $(seq 100); do
    if grep -q '^kxsim: listening on ' "$DIR/kxsim.out"; then return 0; fi
    kill -0 "$SIM_PID" 2>/dev/null || break
    sleep 0.1
  done
  wait "$SIM_PID" 2>/dev/null || true
  SIM_PID=""
  return 1
}
if ! start_sim "$PORT"; then
  [ "$PORT_GIVEN" -eq 0 ] || die "the simulator did not start on port $PORT: $(cat "$DIR/kxsim.log")"
  say "port $PORT is taken; the simulator takes a free one"
  start_sim 0 || die "the simulator did not start: $(cat "$DIR/kxsim.log")"
fi
LISTEN="$(sed -n 's/^kxsim: listening on //p' "$DIR/kxsim.out")"
PORT="${LISTEN##*:}"
say "simulator on $LISTEN (log: $DIR/kxsim.log)"

# The platform's registry: module directory = the repository's resources
# (the value loses its last 12 characters, "kx7026g1.hlp"), per-device files
# in the demo directory.
cat > "$DIR/registry.ini" <<EOF
; written by ./kx demo
[SOFTWARE\\Korvane\\Modules\\HelpPath]
1.3.6.1.4.1.99402.10.59.7=$ROOT/resources/kx7026g1.hlp
[SOFTWARE\\Korvane\\Orvex5.1\\MibFile]
Path=$DIR/
EOF
export KX_REGISTRY_INI="$DIR/registry.ini"

# The per-device file; level and protocols are counted from 0 here.
if [ "$VERSION" -eq 3 ]; then
  cat > "$DIR/127.0.0.1.cfg" <<EOF
[Program Information]
AgentPort=$PORT
Version=3
ContextName=
ContextEngineID=
SecurityModel=3
SecurityLevel=2
SecurityName=kxmd5des
AuthProtocol=1
PrivProtocol=1
AuthPassword=kxauthpass
PrivPassword=kxprivpass
EOF
else
  cat > "$DIR/127.0.0.1.cfg" <<EOF
[Program Information]
AgentPort=$PORT
Version=$VERSION
SecurityModel=$((VERSION + 1))
SecurityLevel=0
AuthProtocol=0
PrivProtocol=0
EOF
fi

ARGS=(/I127.0.0.1 /Rpublic /Wprivate)
case "$VERSION" in 0) WHAT="SNMPv1" ;; 1) WHAT="SNMPv2c" ;; *) WHAT="SNMPv3 authPriv (kxmd5des, MD5 + DES)" ;; esac
say "starting kx7026g ${ARGS[*]} in $DIR over $WHAT"
cd "$DIR"
"$BIN/kx7026g" "${ARGS[@]}" &
MODULE_PID=$!
if [ -n "${KX_DEMO_SECONDS:-}" ]; then
  ( sleep "$KX_DEMO_SECONDS"; kill -TERM "$MODULE_PID" 2>/dev/null ) > /dev/null 2>&1 &
  TIMER_PID=$!
fi
set +e
wait "$MODULE_PID"
STATUS=$?
set -e
MODULE_PID=""
if [ -n "${KX_DEMO_SECONDS:-}" ] && [ "$STATUS" -eq 143 ]; then
  say "module ended after ${KX_DEMO_SECONDS} s"
  STATUS=0
else
  say "module exited ($STATUS)"
fi
exit "$STATUS"
