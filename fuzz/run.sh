#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz and runs each of them for the given
# number of seconds (default 300), one job at a time. The seeds kept in
# fuzz/corpus are read; new inputs go to build-fuzz/corpus, and a finding stops
# its target and is left in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKV_BUILD_FUZZ=ON -DKV_BUILD_TESTS=OFF \
      -DKV_BUILD_GUI=OFF
cmake --build build-fuzz -j"$(nproc)"

for target in numbers typing list_reading; do
    mkdir -p "build-fuzz/corpus/$target" build-fuzz/findings
    "build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=1024 \
        -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target"
done
