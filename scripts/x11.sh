# A virtual X server and the windows on it, for scripts/run without a
# display, the benchmarks and the tests; sourced.
# shellcheck shell=bash

# Starts a virtual X server on a free display and sets DISPLAY and XVFB_PID.
start_xvfb() { # [WIDTHxHEIGHT]
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
    XVFB_PID=$!
    if ! read -r -t 10 number <"$fifo"; then
        rm -f "$fifo"
        say "The virtual X server did not start."
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
}

stop_xvfb() {
    stop_process "${XVFB_PID:-}"
    XVFB_PID=
}

# Stops a process this script started, if it still runs.
stop_process() { # [PID]
    if [ -n "${1:-}" ]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}

# Runs COMMAND until it succeeds, every 50 ms for up to SECONDS (counted in
# the shell's whole seconds, so at least one fewer).
wait_for() { # SECONDS COMMAND...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# TEXT as an extended regular expression, the kind xdotool matches titles
# with, that stands for TEXT alone.
literally() { sed 's/[].[*^$\\()+?{}|]/\\&/g' <<<"$1"; }

# Prints the ids of the windows titled exactly TITLE that show on DISPLAY;
# fails while none does.
shown_window() { # TITLE
    local windows
    windows=$(xdotool search --onlyvisible --name "^$(literally "$1")\$" 2>/dev/null) || true
    [ -n "$windows" ] && echo "$windows"
}

# Writes a picture of the window titled TITLE to PNG, with GRAB (the
# build's korvid-grab), once it shows on DISPLAY and is painted: two grabs in
# a row alike. Waits up to SECONDS, ten unless given.
grab_window() { # GRAB PNG TITLE [SECONDS]
    rm -f "$2"
    # the window found again at each try: one of a program just ended may linger
    painted_twice() {
        local window
        window=$(shown_window "$3" | head -n 1) && "$1" "$window" "$2.next" 2>/dev/null || return 1
        cmp -s "$2.next" "$2" && rm -f "$2.next" && return 0
        mv "$2.next" "$2"
        return 1
    }
    wait_for "${4:-10}" painted_twice "$1" "$2" "$3" || { say "The window titled $3 was not shown and painted the same twice."; return 1; }
}
