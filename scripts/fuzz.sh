#!/usr/bin/env bash
# Fuzzes the report reader for a number of seconds (default 60):
#   scripts/fuzz.sh 600
# Builds with clang, libFuzzer and the address and undefined-behaviour
# sanitizers in build-fuzz/, seeds the corpus with the real reports and the
# tests' reports, and keeps crashing inputs in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZENDRAL_SANITIZE=ON -DZENDRAL_FUZZ=ON -DZENDRAL_BUILD_TESTS=OFF -DZENDRAL_BUILD_BENCH=OFF
cmake --build build-fuzz --target zendral-fuzz-report -j"$(nproc)"
corpus=build-fuzz/corpus
mkdir -p "$corpus" build-fuzz/findings
cp -n ../shared/reports/*.cr tests/data/*.cr "$corpus"/ 2>/dev/null || true
if [ -d tests/data/fuzz ]; then cp -n tests/data/fuzz/* "$corpus"/ 2>/dev/null || true; fi
export QT_QPA_PLATFORM=offscreen
ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
  build-fuzz/fuzz/zendral-fuzz-report "$corpus" -max_len=32768 -timeout=10 -rss_limit_mb=4096 \
  -max_total_time="$seconds" -artifact_prefix=build-fuzz/findings/ -print_final_stats=1
echo "Korpus: $(ls "$corpus" | wc -l) Dateien"
