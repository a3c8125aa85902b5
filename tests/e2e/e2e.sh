#!/usr/bin/env bash
# Korvid end to end: the real executable in a virtual X server, clicked and
# typed into with xdotool, its answer box read through the clipboard.
#   e2e.sh PATH/TO/korvid
set -euo pipefail
korvid=$1
. "$(dirname "$0")/../../scripts/common.sh"

korvid_pid=
trap 'stop_process "$korvid_pid"; stop_xvfb' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start_xvfb
"$korvid" 2>/dev/null &
korvid_pid=$!

# Windows by their exact caption; every wait is bounded.
find_window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
main=$(find_window '^Korvid V1\.1\.0 0314$') || fail "the main window did not appear"
dialog() { # waits for a dialog, gives it the keyboard as a click on it would
    local id
    id=$(find_window '^Korvid$' 5) || return 1
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    printf '%s\n' "$id"
}
no_dialog() {
    sleep 0.5
    ! xdotool search --onlyvisible --name '^Korvid$' >/dev/null 2>&1
}

# Points in window coordinates: the middle of each control.
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; }
command1() { click 84 100; }
command2() { click 236 100; }
reply() { # types into the dialog that has the focus, then presses Enter
    xdotool type --delay 20 "$1"
    xdotool key Return
}
answer() {
    click 444 501
    xdotool key ctrl+a ctrl+c
    local text previous=x
    for _ in 1 2 3 4 5 6 7 8 9 10; do # until the clipboard settles
        text=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$text" = "$previous" ] && break
        previous=$text
        sleep 0.1
    done
    printf '%s' "$text"
}

echo "free-fall time: 9.8, 20"
command1
prompt=$(dialog) || fail "no prompt for g"
prompt_size=$(xdotool getwindowgeometry "$prompt" | grep Geometry)
reply 9.8
dialog >/dev/null || fail "no prompt for the height"
reply 20
no_dialog || fail "a dialog is left open"
[ "$(answer)" = 2.0203052 ] || fail "answer box: $(answer)"

echo "division by zero: 0, 5"
command1
dialog >/dev/null || fail "no prompt for g"
reply 0
dialog >/dev/null || fail "no prompt for the height"
reply 5
box=$(dialog) || fail "no error message"
[ "$(xdotool getwindowgeometry "$box" | grep Geometry)" != "$prompt_size" ] || fail "a prompt, not a message box"
xdotool key Return
no_dialog || fail "the message box stayed open"
kill -0 "$korvid_pid" 2>/dev/null || fail "the program ended"
[ "$(answer)" = 2.0203052 ] || fail "the error changed the answer box: $(answer)"

echo "cancel: Escape at the first prompt"
command2
dialog >/dev/null || fail "no prompt for g"
xdotool key Escape
no_dialog || fail "a prompt followed the cancelled one"
[ "$(answer)" = 2.0203052 ] || fail "the cancel changed the answer box: $(answer)"

echo "PASS"
