#!/usr/bin/env bash
# fuzz/run.sh NAME SECONDS: build fuzz_NAME with clang into build/fuzz and run
# it for SECONDS (default 60) on one core, keeping its corpus in build/fuzz.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
NAME="${1:?usage: fuzz/run.sh NAME [SECONDS]}"
SECONDS_TO_RUN="${2:-60}"
BUILD="$ROOT/build/fuzz"
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S "$ROOT/fuzz" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$BUILD" -j 2 --target "fuzz_$NAME"
mkdir -p "$BUILD/corpus/$NAME"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
exec "$BUILD/fuzz_$NAME" -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 \
  -artifact_prefix="$BUILD/$NAME-" "$BUILD/corpus/$NAME"
