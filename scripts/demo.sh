#!/usr/bin/env bash
# Builds Zendral, sets up a demo program folder with a real report read into
# slot 1, and starts the program there. Without a display it shows what the
# headless tool did instead.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only what the demo runs; the tests and benchmarks are built by the test command.
cmake --build build -j"$(nproc)" --target zendral zendral-cli
demo="${DEMO_DIR:-/tmp/zendral-demo}"
cli="$root/build/src/zendral-cli"
"$cli" init "$demo"
"$cli" import --dir "$demo" --slot 1 --typ Molvanth --name Demo --ja "$root/tests/data/481-beispiel.cr"
"$cli" status --dir "$demo" --slot 1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cd "$demo" && exec "$root/build/src/zendral"
else
  echo
  echo "Kein Bildschirm vorhanden (DISPLAY ist nicht gesetzt): das Programmfenster wird nicht geöffnet."
  echo "Der Demo-Ordner $demo wurde mit zendral-cli angelegt und der CR eingelesen (siehe oben)."
  echo "Mit Bildschirm: cd $demo && $root/build/src/zendral   (oder: xvfb-run $root/build/src/zendral)"
  echo "Zugvorlage:"
  "$cli" template --dir "$demo" --slot 1 | head -20
fi
