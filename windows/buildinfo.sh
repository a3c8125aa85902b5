#!/bin/sh
# Where the Windows downloads come from, as Debian's .buildinfo files say it
# of a package: the Debian release of the machine that made them, and the
# exact version of every package whose work shapes their bytes (the
# compiler, the MinGW-w64 runtime and binutils, the host Qt's tools and its
# Chinese texts, the Qt source, CMake, Ninja, NSIS, osslsigncode, Python and
# the compressors). The same versions give the same downloads.
#   buildinfo.sh NAME VERSION QT-SOURCE-VERSION > FILE
set -eu
. /etc/os-release
python=$(dpkg -S "$(readlink -f /usr/bin/python3)" | cut -d: -f1)
printf 'Format: 1.0\nSource: %s\nVersion: %s\nBuild-Origin: %s\nBuild-Release: %s\nBuild-Architecture: %s\n' \
    "$1" "$2" "$NAME" "$PRETTY_NAME" "$(dpkg --print-architecture)"
# every one, or none: a package not installed fails here, not by a line less
packages=$(dpkg-query -W -f=' ${binary:Package} (= ${Version}),\n' binutils-mingw-w64-x86-64 cmake dpkg-dev \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-base gcc-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix-runtime \
    liblzma5 mingw-w64-common mingw-w64-x86-64-dev ninja-build nsis nsis-common osslsigncode "$python" python3 \
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n tar xz-utils zlib1g)
printf 'Qt-Source: qt6-base (= %s)\nInstalled-Build-Depends:\n' "$3"
printf '%s\n' "$packages" | LC_ALL=C sort | sed '$ s/,$//'
