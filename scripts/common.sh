# Set-up shared by scripts/run and scripts/test; sourced, not run.
# shellcheck shell=bash

KORVID_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KORVID_BUILD="$KORVID_ROOT/build/release"

say() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }

# Ends a test with what failed.
fail() { echo "FAIL: $*" >&2; exit 1; }

# Installs the packages of the named sections of scripts/debian-packages
# (default: linux) that are not installed yet.
ensure_packages() { # [SECTION...]
    local wanted missing=() package sections=" ${*:-linux} "
    wanted=$(sed -e 's/#.*//' "$KORVID_ROOT/scripts/debian-packages" |
        awk -v sections="$sections" '/^\[.*\]$/ { wanted = index(sections, " " substr($0, 2, length($0) - 2) " "); next }
            wanted && NF { print $1 }')
    for package in $wanted; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            say "Missing Debian packages: ${missing[*]}"
            say "Run this script as root, or install them with apt-get, then run it again."
            exit 1
        fi
    fi
    say "Installing Debian packages: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The SHA-256 of every file in a tree, by path, sorted: of the Qt source
# Qt for Windows is built from, to be checked against the source archive
# unpacked again.
source_digests() { # DIR
    (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}

# Configures and builds in Release; arguments name the targets (default: all).
build_release() {
    say "Building (Release) in $KORVID_BUILD"
    cmake --preset release -S "$KORVID_ROOT" >/dev/null
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build --preset release "${targets[@]}"
}

# Starts a virtual X server on a free display and sets DISPLAY and XVFB_PID.
start_xvfb() { # [WIDTHxHEIGHT]
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
    XVFB_PID=$!
    local number
    if ! read -r -t 10 number <"$fifo"; then
        rm -f "$fifo"
        say "The virtual X server did not start."
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
}

# Prints the id of a window titled exactly TITLE that shows on DISPLAY;
# fails while none does, or when one vanishes under the question.
shown_window() { # TITLE
    local window
    window=$(xdotool search --onlyvisible --name "^$(sed 's/[].[*^$\\]/\\&/g' <<<"$1")\$" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && echo "$window"
}

# Waits, ten seconds at most, until a window titled TITLE shows on DISPLAY.
wait_for_window() { # TITLE
    wait_for 10 shown_window "$1" >/dev/null
}

# Writes a picture of the window titled TITLE to PNG, with GRAB (the
# build's korvid-grab), once it shows on DISPLAY and is painted: two grabs in
# a row alike. Waits up to ten seconds.
grab_window() { # GRAB PNG TITLE
    local window deadline=$((SECONDS + 10))
    # found again at each try: a window of a program just ended may linger
    until window=$(shown_window "$3") && "$1" "$window" "$2.next" 2>/dev/null && cmp -s "$2.next" "$2"; do
        [ "$SECONDS" -lt "$deadline" ] || { say "The window titled $3 was not shown and painted the same twice."; return 1; }
        [ ! -f "$2.next" ] || mv "$2.next" "$2"
        sleep 0.05
    done
    rm -f "$2.next"
}

# start_xvfb, then a real window manager on it, waited for; sets WM_PID.
# An openbox configuration may keep part of the screen free, as a taskbar does.
start_desktop() { # [WIDTHxHEIGHT [OPENBOX-CONFIGURATION]]
    start_xvfb "${1:-}" || return 1
    openbox --sm-disable ${2:+--config-file "$2"} >/dev/null 2>&1 &
    WM_PID=$!
    wait_for 10 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" && return 0
    say "The window manager did not start."
    return 1
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

stop_desktop() {
    stop_process "${WM_PID:-}"
    stop_xvfb
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}

# Stops a process this script started, if it still runs.
stop_process() {
    if [ -n "${1:-}" ]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
