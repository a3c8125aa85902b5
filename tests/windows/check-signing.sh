# The step "signing" of tests/windows/check, sourced by it. The downloads
# made again from this build by make-downloads.cmake, as whoever holds a
# certificate signs them, with a throwaway one made here: every program and
# DLL in the zip, the installer, and the uninstaller it installs verify
# against it; each program and DLL, its signature removed, is the unsigned
# download's; and the signatures, detached, attached to the downloads made
# once more without the certificate, give the signed ones byte for byte.
# shellcheck shell=bash
cd "$logs"
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out certificate.pem -days 1 -subj "/CN=Korvid test" \
    -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in certificate.pem -out certificate.pfx -passout pass:throwaway
downloads() { # FOLDER [VARIABLE=VALUE...]: the downloads made again into FOLDER
    local out=$logs/$1
    shift
    env -u KORVID_SIGN_PFX -u KORVID_SIGNATURES "$@" cmake -D BUILD="$build" -D STAGE="$out/$KORVID_PORTABLE" \
        -D NSI="$build/resources/windows/korvid.nsi" -D SETUP="$out/$KORVID_SETUP_NAME" -D ZIP="$out/$KORVID_ZIP_NAME" \
        -D EPOCH="$KORVID_SOURCE_DATE_EPOCH" -D SIGNATURES="$out/signatures" -D SIGNATURES_ZIP="$out/$KORVID_SIGNATURES_NAME" \
        -P "$KORVID_ROOT/resources/windows/make-downloads.cmake" || fail "the downloads could not be made in $out"
}
downloads signed KORVID_SIGN_PFX="$logs/certificate.pfx" KORVID_SIGN_PASSWORD=throwaway
[ -s "signed/$KORVID_SIGNATURES_NAME" ] || fail "no signatures beside the signed downloads"
mapfile -d '' programs < <(cd "signed/$KORVID_PORTABLE" && find . -type f \( -name '*.exe' -o -name '*.dll' \) -print0)
[ ${#programs[@]} -ge 5 ] || fail "the downloads hold only ${#programs[@]} programs and DLLs"
for program in "${programs[@]}"; do
    osslsigncode verify -CAfile certificate.pem -in "signed/$KORVID_PORTABLE/$program" >/dev/null 2>&1 ||
        fail "not signed: $program"
    rm -f unsigned.bin
    osslsigncode remove-signature -in "signed/$KORVID_PORTABLE/$program" -out unsigned.bin >/dev/null
    cmp -s unsigned.bin "$stage/$program" || fail "$program, its signature removed, is not the unsigned download's"
done
osslsigncode verify -CAfile certificate.pem -in "signed/$KORVID_SETUP_NAME" >/dev/null 2>&1 || fail "not signed: the installer"

mkdir attached && cmake -E chdir attached cmake -E tar xf "../signed/$KORVID_SIGNATURES_NAME"
downloads attached KORVID_SIGNATURES="$logs/attached/signatures"
for download in "$KORVID_SETUP_NAME" "$KORVID_ZIP_NAME"; do
    cmp "signed/$download" "attached/$download" || fail "the signatures, attached, do not give the signed $download"
done

start_desktop
wine "signed/$KORVID_SETUP_NAME" /S
wine_settled
osslsigncode verify -CAfile certificate.pem -in "$folder/uninstall.exe" >/dev/null 2>&1 || fail "not signed: the uninstaller"
