# A desktop for the tests: a virtual X server with a real window manager,
# which frames windows as a user's desktop does; sourced.
# shellcheck shell=bash
. "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
. "$KORVID_ROOT/scripts/x11.sh"

# start_xvfb, then openbox on it, waited for; sets WM_PID. An openbox
# configuration may keep part of the screen free, as a taskbar does.
start_desktop() { # [WIDTHxHEIGHT [OPENBOX-CONFIGURATION]]
    start_xvfb "${1:-}" || return 1
    openbox --sm-disable ${2:+--config-file "$2"} >/dev/null 2>&1 &
    WM_PID=$!
    wait_for 10 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" && return 0
    say "The window manager did not start."
    return 1
}

stop_desktop() {
    stop_process "${WM_PID:-}"
    stop_xvfb
}
