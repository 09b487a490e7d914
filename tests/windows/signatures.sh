#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks a signed release (scripts/release.sh with a certificate): the
# installer, the program in the portable .zip, and the program and the
# uninstaller that the installer installs under Wine each carry one
# Authenticode signature that osslsigncode verifies against the certificate.
# Usage: signatures.sh DIST_DIR CERTIFICATE.pem
set -uo pipefail
dist="$(realpath "$1")"
certificate="$(realpath "$2")"
installer="$(find "$dist" -name 'zentrova-*-setup.exe' | head -n 1)"
[ -n "$installer" ] || { echo "FAIL: no installer in $dist"; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/winelib.sh" "$installer"

signed() { # file
    osslsigncode verify -CAfile "$certificate" -in "$1" >"$WORK/verify.log" 2>&1 &&
        grep -q '^Number of verified signatures: 1$' "$WORK/verify.log" ||
        { sed 's/^/    /' "$WORK/verify.log" | tail -n 5; return 1; }
}

check "the installer is signed" signed "$INSTALLER"
mkdir -p "$WORK/zip"
unzip -q "$dist"/*-windows.zip -d "$WORK/zip"
check "the program in the .zip is signed" signed "$(find "$WORK/zip" -name zentrova.exe | head -n 1)"

start_desktop
make_prefix
install_silently
check "the installed program is signed" signed "$INSTALL_DIR/zentrova.exe"
check "the installed uninstaller is signed" signed "$INSTALL_DIR/uninstall.exe"
finish_with_log
