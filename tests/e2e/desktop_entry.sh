#!/usr/bin/env bash
# End to end on a real X display: start the program the way the desktop does,
# from the Exec line of its desktop entry, and check that the window carries
# the program's icon and the window class the entry names.
#
#   desktop_entry.sh PATH/TO/kv2841a PATH/TO/ID.desktop
#
# Runs itself again inside xvfb-run. Exits 77 (skipped) when xvfb-run,
# xdotool or xprop is missing, except under CI, where that is a failure.
set -euo pipefail

readonly wait_seconds=20
readonly title='KV2841A寄存器配置工具'

work_dir=""
app_pid=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The value of KEY in the [Desktop Entry] group of the entry.
entry_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}

on_display() {
    local app=$1 entry=$2 work=$3
    unset QT_QPA_PLATFORM
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # The desktop finds the program on PATH and drops %f when no file is given.
    local exec
    exec=$(entry_value "$entry" Exec)
    [[ $exec == "$(basename "$app") %f" ]] || fail "Exec=$exec does not start $(basename "$app") with a file"
    PATH=$(dirname "$app"):$PATH ${exec% %f} >"$work/app.log" 2>&1 &
    app_pid=$!
    trap 'kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true' EXIT

    local window
    window=$(timeout "$wait_seconds" xdotool search --sync --onlyvisible --name "^${title}\$" | head -n 1) ||
        fail "the window \"$title\" did not appear: $(cat "$work/app.log")"
    local sizes class
    sizes=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    class=$(xprop -id "$window" WM_CLASS)
    [[ $sizes == *"Icon (16 x 16)"* && $sizes == *"Icon (128 x 128)"* ]] ||
        fail "the window has no icon in 16 and 128 pixels, only: $sizes"
    [[ $class == *"\"$(entry_value "$entry" StartupWMClass)\""* ]] ||
        fail "the window class $class is not the entry's StartupWMClass"
    echo "the entry's Exec opened the window, $class, with the icon in $sizes"
}

main() {
    if [ "${1:-}" = --on-display ]; then
        shift
        on_display "$@"
        return
    fi
    [ $# -eq 2 ] && [ -x "$1" ] && [ -f "$2" ] || fail "usage: desktop_entry.sh PATH/TO/kv2841a ENTRY"
    local tool
    for tool in xvfb-run xdotool xprop; do
        if ! command -v "$tool" >/dev/null; then
            [ -z "${CI:-}" ] || fail "$tool is missing (scripts/kv.sh installs it)"
            echo "SKIPPED: $tool is missing; bash scripts/kv.sh test installs it"
            exit 77
        fi
    done
    work_dir=$(mktemp -d)
    trap 'rm -rf "$work_dir"' EXIT
    timeout 90 xvfb-run -a -s '-screen 0 1366x768x24' \
        bash "${BASH_SOURCE[0]}" --on-display "$(realpath "$1")" "$(realpath "$2")" "$work_dir"
}

main "$@"
