#!/usr/bin/env bash
# The batch tool as a pipeline runs it: a script that cannot be read (a folder,
# a missing file, a closed standard input) or an endless line stops with exit
# status 2 and says so; output that cannot be written (a full disk) is a
# failure, exit status 1.
#
#   batch_cli.sh PATH/TO/kv2841a-batch
set -uo pipefail

batch=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

expect_status() {
    local want=$1 what=$2
    shift 2
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: $what: exit status $got, expected $want" >&2
        cat "$work/err" >&2
        failed=1
    elif [ "$want" -ne 0 ] && ! grep -q . "$work/err"; then
        echo "FAIL: $what: exit status $got but nothing said on standard error" >&2
        failed=1
    fi
}

mkdir "$work/folder"
expect_status 2 "a folder as the script" "$batch" "$work/folder"
expect_status 2 "a missing script" "$batch" "$work/missing.kvs"
printf 'print fbA\rprint reB\r' >"$work/cr.kvs"
expect_status 0 "a script with CR line ends" "$batch" "$work/cr.kvs"
[ "$(wc -l <"$work/out")" -eq 2 ] || { echo "FAIL: CR line ends: not every line ran" >&2; failed=1; }
# --compare follows cmp and diff: 0 equal, 1 different, 2 unreadable.
printf 'pick Combo2 30\nsave spi %s\nsave c %s\n' "$work/a.txt" "$work/a.c.txt" >"$work/save.kvs"
expect_status 0 "saving one state in two layouts" "$batch" "$work/save.kvs"
expect_status 0 "one state in two layouts" "$batch" --compare "$work/a.txt" "$work/a.c.txt"
[ ! -s "$work/out" ] || { echo "FAIL: equal lists: something was written" >&2; failed=1; }
printf 'save no %s\n' "$work/start.txt" | "$batch" >/dev/null 2>&1
"$batch" --compare "$work/start.txt" "$work/a.txt" >"$work/out"
[ $? -eq 1 ] || { echo "FAIL: two different lists: not exit status 1" >&2; failed=1; }
[ "$(grep -c '^REG' "$work/out")" -eq 2 ] || { echo "FAIL: not REG1 and REG27 alone" >&2; failed=1; }
printf 'not a list\n' >"$work/bad.txt"
expect_status 2 "a file that is no register list" "$batch" --compare "$work/a.txt" "$work/bad.txt"
grep -q "bad.txt" "$work/err" || { echo "FAIL: the bad file is not named" >&2; failed=1; }
expect_status 2 "a closed standard input" "$batch" <&-
expect_status 2 "an endless line" timeout 60 "$batch" < <(tr '\0' x </dev/zero)
expect_status 2 "an endless script" timeout 60 "$batch" < <(yes 'jump fbA')
printf 'dump\nprint fbA\n' >"$work/dump.kvs"
"$batch" "$work/dump.kvs" >/dev/full 2>"$work/err"
status=$?
if [ "$status" -ne 1 ] || ! grep -q "line 1: refused: cannot write the output: No space left" "$work/err"; then
    echo "FAIL: dump to a full disk: exit status $status" >&2
    cat "$work/err" >&2
    failed=1
fi
exit "$failed"
