#!/usr/bin/env bash
# What Korvid puts on a Linux system, checked as a distribution would:
#   check-install.sh install BUILD-DIR   cmake --install into a scratch prefix
#   check-install.sh deb BUILD-DIR       cpack -G DEB, then the package's
#                                        fields and files, unpacked into a
#                                        scratch root, and its program started
set -euo pipefail
mode=$1
build=$(cd "$2" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# PNG width and height, from the IHDR chunk.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }

check_tree() { # the installed files under a prefix
    local prefix=$1 id=cn.qingyou.Korvid
    [ -x "$prefix/bin/korvid" ] || fail "no executable in $prefix/bin"
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo"
    for size in 48 256; do
        local icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
        [ -f "$icon" ] || fail "no ${size}x${size} icon"
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $(png_size "$icon")"
    done
    grep -qx 'Icon=cn.qingyou.Korvid' "$prefix/share/applications/$id.desktop" || fail "desktop entry names another icon"
}

case $mode in
install)
    cmake --install "$build" --prefix "$scratch/usr" >/dev/null
    check_tree "$scratch/usr"
    ;;
deb)
    (cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null) ||
        fail "cpack"
    deb=$(ls "$scratch"/out/korvid_*.deb)
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-noto-cjk; do
        grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
    done
    [ "$(dpkg-deb -f "$deb" Version)" = 1.1.0 ] || fail "version $(dpkg-deb -f "$deb" Version)"
    dpkg-deb -x "$deb" "$scratch/root"
    check_tree "$scratch/root/usr"
    ! ldd "$scratch/root/usr/bin/korvid" | grep -q 'not found' || fail "unresolved libraries"
    # The packaged program starts and keeps running until it is stopped.
    status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$scratch/root/usr/bin/korvid" 2>/dev/null || status=$?
    [ "$status" = 124 ] || fail "the packaged korvid exited with $status"
    ;;
*)
    fail "usage: $0 install|deb BUILD-DIR"
    ;;
esac
echo "PASS: $mode"
