#!/usr/bin/env bash
# `kv2841a-batch --compare A B` as a whole process, as a build runs it: RUNS
# runs (after one warm-up run) on two saved lists, an SPI list of the start
# image and a No. list of a set-up away from it in several groups; the
# median, fastest and slowest wall time from process start to exit.
#
#   compare_process.sh PATH/TO/kv2841a-batch [RUNS]
set -euo pipefail

batch=$1
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'save spi %s\n' "$work/a.txt" | "$batch" >/dev/null
printf '%s\n' 'click Freq_ck' 'pick crylist 40' 'type ch2bz 1575.42' 'pick Combo3 40' \
    'click ADC_ck' 'click DCout' "save no $work/b.txt" | "$batch" >/dev/null 2>&1

status=0
"$batch" --compare "$work/a.txt" "$work/b.txt" >"$work/out" || status=$?
[ "$status" -eq 1 ] || { echo "--compare gave status $status, not 1 (lists differ)" >&2; exit 1; }
echo "registers that differ: $(grep -c '^REG' "$work/out")"

times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$batch" --compare "$work/a.txt" "$work/b.txt" >/dev/null || true
    times+=($((($(date +%s%N) - start) / 1000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
printf 'batch/compare_process  median %d us  fastest %d us  slowest %d us  (%d runs)\n' \
    "${sorted[$((runs / 2))]}" "${sorted[0]}" "${sorted[$((runs - 1))]}" "$runs"
