#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ (the product's own build type, with
# -DKV_BUILD_BENCH=ON) and runs them:
#   core     core_bench:    the person's actions on the window model alone, and
#            file_bench:    saving a register list into a real folder
#   qt       qt_bench:      the same actions through the bound window (offscreen)
#   startup  startup_bench: start-up to the first frame and peak memory of the
#                           program against a bare Qt window, under Xvfb
#   compare  compare_process.sh: `kv2841a-batch --compare A B` as a whole process
# With no argument it runs all four. Everything it needs is what
# `bash scripts/kv.sh test` installs. RUNS sets the start-up runs of each
# program (default 15), REPETITIONS the repetitions of each benchmark
# (default 5). Medians are what count: the machine may be busy with other work.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-bench
part=${1:-all}
case "$part" in
    all | core | qt | startup | compare) ;;
    *)
        echo "usage: bench/run.sh [core|qt|startup|compare]" >&2
        exit 2
        ;;
esac
runs=${RUNS:-15}
repetitions=${REPETITIONS:-5}

for tool in cmake xvfb-run xauth; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is missing: run 'bash scripts/kv.sh test' first" >&2; exit 1; }
done

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_BUILD_BENCH=ON -DKV_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)"

echo "== machine"
echo "cpus: $(nproc)"
grep -m1 'model name' /proc/cpuinfo | sed 's/.*: /cpu: /'
echo "qt: $(dpkg-query -W -f='${Version}' libqt6widgets6 2>/dev/null || echo unknown)"

bench_flags=(--benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true
             --benchmark_min_time=0.2)

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

if [ "$part" = all ] || [ "$part" = core ]; then
    echo "== the window model"
    "$build/bench/core_bench" "${bench_flags[@]}"
    echo "== saving into a real folder"
    "$build/bench/file_bench" "${bench_flags[@]}"
fi

if [ "$part" = all ] || [ "$part" = qt ]; then
    echo "== through the bound window"
    QT_QPA_PLATFORM=offscreen "$build/bench/qt_bench" "${bench_flags[@]}"
fi

if [ "$part" = all ] || [ "$part" = startup ]; then
    echo "== start-up to the first frame and peak memory"
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$build/bench/startup_bench" --hook "$PWD/$build/bench/libfirst_frame_hook.so" \
        --runs "$runs" kv2841a="$PWD/$build/app/kv2841a" bare_window="$PWD/$build/bench/bare_window"
fi

if [ "$part" = all ] || [ "$part" = compare ]; then
    echo "== kv2841a-batch --compare as a whole process"
    bash bench/compare_process.sh "$build/batch/kv2841a-batch" "$runs"
fi
