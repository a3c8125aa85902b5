# Wine as scripts/windows, the Windows tests and bench/startup use it;
# sourced. 64-bit only, in the prefix WINEPREFIX names; no Mono or Gecko to
# offer, no menu entries written for the desktop of the machine it runs on,
# and no log of its own. No face of this machine's fontconfig is seen: a
# prefix has the faces a Windows has, installed by set_faces.
# shellcheck shell=bash
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"
. "$KORVID_ROOT/scripts/x11.sh"
: "${WINEPREFIX:?Wine runs in a prefix of its own, which WINEPREFIX names}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
FONTCONFIG_FILE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/no-faces.conf
export FONTCONFIG_FILE
# Qt logs to the debugger unless its output is a console; tests log to ours.
export WINEQT_FORCE_STDERR_LOGGING=1
# Seconds that Wine is given to start a program and Korvid to show its first
# window under Wine, or Wine's processes to end: Wine starts slowly on a busy
# machine, several times slower than on an idle one.
export KORVID_WINE_WAIT=30

# Wine, with the stderr of each program it runs (Wine's own messages, and
# Qt's) kept where WINE_LOG names, or else in a file of its own, numbered
# by the files there before it, in the folder WINE_LOGS names, where that
# is set.
wine() { # PROGRAM [ARGUMENTS...]
    local log=${WINE_LOG:-} runs
    if [ -z "$log" ] && [ -n "${WINE_LOGS:-}" ]; then
        runs=$(find "$WINE_LOGS" -maxdepth 1 -name 'wine-*.log' | wc -l)
        log=$WINE_LOGS/wine-$(printf %02d $((runs + 1)))-$(basename "${1//\\//}").log
    fi
    if [ -n "$log" ]; then
        command wine "$@" 2>>"$log"
    else
        command wine "$@"
    fi
}

# Waits for every process of the prefix to end.
wine_settled() {
    timeout "$KORVID_WINE_WAIT" wineserver -w || fail "Wine's processes did not end within $KORVID_WINE_WAIT seconds"
}

# Sets registry values of the prefix, as a .reg file's lines give them.
registry() { # [KEY] "NAME"=VALUE...
    printf 'REGEDIT4\n\n%s\n' "$@" >"$WINEPREFIX/drive_c/settings.reg"
    wine regedit /S 'C:\settings.reg'
    wine_settled
}

# Stand-ins for a Chinese Windows' faces (windows/faces.py) in
# FACES-DIR, for the characters Korvid shows: its sources' and METADATA.h's.
make_faces() { # FACES-DIR METADATA.h
    /usr/bin/python3 "$KORVID_ROOT/windows/faces.py" "$1" "$2" "$KORVID_ROOT"/app/*.cpp
}

# The prefix's faces, from FACES-DIR (windows/faces.py), in Windows' font
# folder and registered as Windows registers them: SimSun and NSimSun, or
# only Microsoft YaHei, as on a Windows without 宋体.
set_faces() { # FACES-DIR simsun|yahei
    local fonts=$WINEPREFIX/drive_c/windows/Fonts simsun='"SimSun & NSimSun (TrueType)"'
    local yahei='"Microsoft YaHei & Microsoft YaHei UI (TrueType)"'
    rm -f "$fonts/simsun.ttc" "$fonts/msyh.ttc"
    if [ "$2" = simsun ]; then
        cp "$1/simsun.ttc" "$fonts/"
        registry '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]' "$simsun=\"simsun.ttc\"" "$yahei=-"
    else
        cp "$1/msyh.ttc" "$fonts/"
        registry '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]' "$simsun=-" "$yahei=\"msyh.ttc\""
    fi
}

# A fresh prefix, in WINEPREFIX, as a Windows 10 with 宋体: the faces of
# FACES-DIR, and no other CJK face. (Wine's own default is Windows 7.) Its
# animations are off, as Windows' accessibility settings can set them (the
# UserPreferencesMask without its 0x02 of byte 4, client-area animation):
# a picture of a window does not depend on when it is taken, such as in
# which phase the focused default button's glow is.
new_prefix() { # FACES-DIR
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    wineboot --init
    wine winecfg -v win10
    wine_settled
    registry '[HKEY_CURRENT_USER\Control Panel\Desktop]' '"UserPreferencesMask"=hex:30,00,02,80,10,00,00,00'
    set_faces "$1" simsun
}

# Pictures KORVID.EXE's window to PNG with GRAB (the build's korvid-grab),
# the program started with the environment given, once its window has the
# focus (its focused button shows it) and is painted; then ends it. Its
# stderr goes to PNG.log.
picture_korvid() { # KORVID.EXE GRAB PNG [VARIABLE=VALUE...]
    local korvid=$1 grab=$2 png=$3
    shift 3
    (export "$@" && WINE_LOG=$png.log wine "$korvid") &
    local running=$!
    # focused, or ended already: Wine could not start it
    focused() { ! kill -0 "$running" 2>/dev/null || [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(shown_window "$KORVID_WINDOW_TITLE")" ]; }
    wait_for "$KORVID_WINE_WAIT" focused && kill -0 "$running" 2>/dev/null &&
        grab_window "$grab" "$png" "$KORVID_WINDOW_TITLE" "$KORVID_WINE_WAIT" ||
        fail "$(basename "$png"): Korvid's window was not shown, focused and painted; see $png.log"
    wineserver -k
    wine_settled
    wait_for "$KORVID_WINE_WAIT" eval '! shown_window "$KORVID_WINDOW_TITLE" >/dev/null' || fail "Korvid's window stayed"
}
