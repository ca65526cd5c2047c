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
. "$(dirname "$0")/display.sh"

# The value of KEY in the [Desktop Entry] group of the entry.
entry_value() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}

on_display() {
    local app=$1 entry=$2
    use_display "$3"
    # The desktop finds the program on PATH and drops %f when no file is given.
    local exec
    exec=$(entry_value "$entry" Exec)
    [[ $exec == "$(basename "$app") %f" ]] || fail "Exec=$exec does not start $(basename "$app") with a file"
    start_app env PATH="$(dirname "$app"):$PATH" ${exec% %f}

    local sizes class
    sizes=$(xprop -id "$app_window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    class=$(xprop -id "$app_window" WM_CLASS)
    [[ $sizes == *"Icon (16 x 16)"* && $sizes == *"Icon (128 x 128)"* ]] ||
        fail "the window has no icon in 16 and 128 pixels, only: $sizes"
    [[ $class == *"\"$(entry_value "$entry" StartupWMClass)\""* ]] ||
        fail "the window class $class is not the entry's StartupWMClass"
    echo "the entry's Exec opened the window, $class, with the icon in $sizes"
}

main() {
    [ $# -eq 2 ] && [ -x "$1" ] && [ -f "$2" ] || fail "usage: desktop_entry.sh PATH/TO/kv2841a ENTRY"
    need_tools xvfb-run xdotool xprop
    rerun_on_display 90 1366x768 "$1" "$2"
}

run_test "$@"
