#!/usr/bin/env bash
# The demo builds only what it runs. demo.sh runs in a copy of the layout with
# cmake and both programs replaced by recorders: nothing is built or opened.
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/co/scripts" "$work/co/build/src" "$work/bin"
cp "$1/scripts/demo.sh" "$work/co/scripts/"
for tool in "$work/bin/cmake" "$work/co/build/src/zendral-cli" "$work/co/build/src/zendral"; do
  printf '#!/bin/sh\necho "%s $*" >> "%s"\n' "$(basename "$tool")" "$work/calls" > "$tool" && chmod +x "$tool"
done
env -u DISPLAY -u WAYLAND_DISPLAY PATH="$work/bin:$PATH" DEMO_DIR="$work/demo" bash "$work/co/scripts/demo.sh" > /dev/null
builds="$(grep '^cmake --build' "$work/calls")"
[ "$(echo "$builds" | wc -l)" = 1 ] && [ "$(echo "$builds" | sed -n 's/.*--target //p')" = "zendral zendral-cli" ] ||
  { echo "the demo builds more than it runs:"; cat "$work/calls"; exit 1; }
grep -q '^zendral-cli import' "$work/calls" || { echo "the demo read no report"; exit 1; }
