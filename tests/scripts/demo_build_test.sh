#!/usr/bin/env bash
# The demo builds only what it runs: the program and the headless tool. The
# script is run in a copy of the checkout's layout with cmake and the two
# programs replaced by recorders, so nothing is built and no window opens.
set -euo pipefail
source_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/checkout/scripts" "$work/checkout/build/src" "$work/bin"
cp "$source_dir/scripts/demo.sh" "$work/checkout/scripts/"
log="$work/calls.log"
for tool in "$work/bin/cmake" "$work/checkout/build/src/zendral-cli" "$work/checkout/build/src/zendral"; do
  printf '#!/bin/sh\necho "%s $*" >> "%s"\n' "$(basename "$tool")" "$log" > "$tool"
  chmod +x "$tool"
done
env -u DISPLAY -u WAYLAND_DISPLAY PATH="$work/bin:$PATH" DEMO_DIR="$work/demo" \
  bash "$work/checkout/scripts/demo.sh" > "$work/out.txt"
builds="$(grep -c '^cmake --build' "$log" || true)"
if [ "$builds" != 1 ]; then
  echo "expected one build, got $builds:"; cat "$log"; exit 1
fi
build_line="$(grep '^cmake --build' "$log")"
targets="$(echo "$build_line" | sed -n 's/.*--target //p')"
if [ "$targets" != "zendral zendral-cli" ]; then
  echo "the demo builds more or other than it runs: $build_line"; exit 1
fi
grep -q '^zendral-cli import' "$log" || { echo "the demo read no report:"; cat "$log"; exit 1; }
echo "ok: $build_line"
