# Wine as the Windows tests use it; sourced. 64-bit only, in the prefix
# WINEPREFIX names; no Mono or Gecko to offer, no menu entries written for
# the desktop of the machine the tests run on, and no log of its own.
# shellcheck shell=bash
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
: "${WINEPREFIX:?the Windows tests run in a Wine prefix of their own}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
# Qt logs to the debugger unless its output is a console; tests log to ours.
export WINEQT_FORCE_STDERR_LOGGING=1
fail() { echo "FAIL: $*" >&2; exit 1; }
