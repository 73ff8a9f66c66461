#!/usr/bin/env bash
# Builds everything and runs every test (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
jobs="$(nproc)"
# Line tables are enough for the failures' stack traces and build much faster
# than full debug information; the sanitizers want -O1.
plain_flags="-O2 -g1 -DNDEBUG"
asan_flags="-O1 -g1 -DNDEBUG"

# Includes between the source folders run one way (fast, before any build).
python3 scripts/check-includes.py

# The normal build with its tests.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$plain_flags"
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# The same tests again under address and undefined-behaviour sanitizers.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$asan_flags" \
  -DZENDRAL_SANITIZE=ON -DZENDRAL_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
