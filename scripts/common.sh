# What the README's commands share, and the benchmarks and tests with them:
# where the project is, messages, the Debian packages, builds and the names
# of the generated metadata. Sourced, not run.
# shellcheck shell=bash

KORVID_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KORVID_BUILD="$KORVID_ROOT/build/release"
# What is built once and kept outside the clone: Qt for Windows, the Debian 13 tree.
KORVID_CACHE=${KORVID_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/korvid}

say() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }

# Ends a test or a script with what failed.
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

# Configures and builds with a preset of CMakePresets.json; arguments after
# it name the targets (default: all).
build() { # PRESET [TARGET...]
    local preset=$1 targets=()
    shift
    [ $# -gt 0 ] && targets=(--target "$@")
    (cd "$KORVID_ROOT" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" "${targets[@]}")
}

# The names of a build's metadata.env (cmake/KorvidMetadata.cmake), in the
# environment, for this script and the programs it runs.
load_metadata() { # METADATA.env
    set -a
    # shellcheck source=/dev/null
    . "$1"
    set +a
}

# The SHA-256 of every file in a tree, by path, sorted: of the Qt source
# Qt for Windows is built from, to be checked against the source archive
# unpacked again.
source_digests() { # DIR
    (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}

# The downloads of a Windows build, by name, as its SHA256SUMS lists them.
listed_downloads() { # BUILD
    awk '{ print $2 }' "$1/SHA256SUMS"
}

# A clone of this one at DEST, holding its working tree as it is: a change
# not committed yet too.
copy_working_tree() { # DEST
    git clone -q --no-hardlinks "$KORVID_ROOT" "$1"
    (cd "$KORVID_ROOT" && git ls-files -z --deleted | (cd "$1" && xargs -0 -r rm -f) &&
        git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
            [ ! -e "$file" ] || printf '%s\0' "$file"
        done | xargs -0 -r cp --parents -t "$1")
}

# Says so where this machine's Debian release is not the one the published
# Windows downloads are made on (metadata.env's KORVID_DOWNLOADS_DEBIAN):
# downloads made here will not have their digests.
say_if_not_published_release() {
    local VERSION_ID PRETTY_NAME
    eval "$(grep -E '^(VERSION_ID|PRETTY_NAME)=' /etc/os-release)"
    [ "$VERSION_ID" = "$KORVID_DOWNLOADS_DEBIAN" ] ||
        say "Made on $PRETTY_NAME, with the versions $KORVID_BUILDINFO_NAME lists: the published downloads are made on Debian $KORVID_DOWNLOADS_DEBIAN, and these will not have their digests."
}
