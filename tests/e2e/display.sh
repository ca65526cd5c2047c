# What the end-to-end scripts share: each runs itself again inside xvfb-run,
# on a private X display, starts the program there and drives it with xdotool.
# A script sources this after `set -euo pipefail`, defines main (the checks
# before the display) and on_display (the test itself), and ends with
# `run_test "$@"`.

readonly wait_seconds=20
readonly title='KV2841A寄存器配置工具'

# The 44 start words of REG0 to REG43, in register order.
readonly start_words=(
    FFF00 011D5 32178 28F5C 0FB00 EB84F 0C400 51EB7 318C2 55700 9965E
    B145C B249C 62625 8AAFE FFF80 5F910 40077 7C030 90708 008B2 420AE
    75541 F7BDE FFF80 5FA10 40077 FC030 90C00 4208D 75541 FFF80 5F910
    40077 7C030 90C00 420A8 75541 EE296 47002 00000 FFFFD FFFFD FFFFD
)

app_pid=""
app_window=""
work_dir=""

# Fails the test, with the program's output when there is some.
fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work_dir/app.log" ]; then
        echo "--- the program's output:" >&2
        cat "$work_dir/app.log" >&2
    fi
    exit 1
}

# Exits 77 (skipped) when one of the tools is missing, except under CI, where
# that is a failure.
need_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            [ -z "${CI:-}" ] || fail "$tool is missing (scripts/kv.sh installs it)"
            echo "SKIPPED: $tool is missing; bash scripts/kv.sh test installs it"
            exit 77
        fi
    done
}

# Runs the script again as `SCRIPT --on-display FILE... WORK_DIR` inside
# xvfb-run, on a screen of SIZE (WIDTHxHEIGHT), for at most SECONDS; the work
# folder is a new one, removed afterwards. The server does not reset when its
# last client leaves: a program started right after the last one ended would
# find no server to connect to while it resets.
rerun_on_display() {
    local seconds=$1 size=$2 file files=()
    shift 2
    for file in "$@"; do
        files+=("$(realpath "$file")")
    done
    work_dir=$(mktemp -d)
    trap 'rm -rf "$work_dir"' EXIT
    timeout "$seconds" xvfb-run -a -s "-noreset -screen 0 ${size}x24" \
        bash "$0" --on-display "${files[@]}" "$work_dir"
}

run_test() {
    if [ "${1:-}" = --on-display ]; then
        shift
        on_display "$@"
    else
        main "$@"
    fi
}

# On the display: Qt on X, a runtime folder of its own in WORK_DIR, and the
# program ended when the script ends.
use_display() {
    work_dir=$1
    unset QT_QPA_PLATFORM
    export XDG_RUNTIME_DIR=$work_dir/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    trap stop_app EXIT
}

# The id of the first shown window whose name matches, once it is there.
# Each look is a new search: xdotool dies on a window that closes while it
# walks the tree (the file dialog going away as the next window comes up),
# and that says nothing about the window looked for.
window_named() {
    local deadline=$((SECONDS + wait_seconds)) ids
    until ids=$(xdotool search --onlyvisible --name "$1" 2>/dev/null) && [ -n "$ids" ]; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
    head -n 1 <<<"$ids"
}

# Whether a window whose name matches is shown now. A search that a closing
# window broke is taken again rather than read as no window.
window_shown() {
    local errors
    until errors=$(xdotool search --onlyvisible --name "$1" 2>&1 >/dev/null); do
        [[ $errors == *"X Error"* ]] || return 1
        sleep 0.05
    done
}

# Waits until no shown window's name matches; fails when one stays.
window_closes() {
    local deadline=$((SECONDS + wait_seconds))
    while window_shown "$1"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Runs COMMAND... as the program, its output added to app.log, and gives its
# window, once shown, the focus and app_window its id.
start_app() {
    "$@" >>"$work_dir/app.log" 2>&1 &
    app_pid=$!
    app_window=$(window_named "^${title}\$") || fail "the window \"$title\" did not appear"
    [ -n "$app_window" ] || fail "the window \"$title\" did not appear"
    xdotool windowfocus --sync "$app_window"
}

# Types PATH into the file dialog titled TITLE, whose file name field has
# the focus when it opens, and presses Enter.
answer_dialog() {
    local dialog
    dialog=$(window_named "^$1\$") || fail "no \"$1\" dialog"
    [ -n "$dialog" ] || fail "no \"$1\" dialog"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 10 "$2"
    xdotool key Return
}

# Waits until FILE is there with SIZE bytes at least.
wait_for_file() {
    local deadline=$((SECONDS + wait_seconds))
    until [ -f "$1" ] && [ "$(stat -c %s "$1")" -ge "$2" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no complete file at $1"
        sleep 0.1
    done
}

stop_app() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=""
    fi
}
