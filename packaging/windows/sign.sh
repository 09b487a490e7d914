#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Signs a Windows executable in place with Authenticode (osslsigncode), with
# the certificate the environment names:
#   ZENTROVA_SIGN_PKCS12         the certificate and its key, a .pfx/.p12 file
#   ZENTROVA_SIGN_PASSWORD       its password (may be empty)
#   ZENTROVA_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server, optional: a
#                                time-stamped signature outlives the certificate
# The install rules call it for zentrova.exe, makensis for the uninstaller and
# the installer (packaging/CPackOptions.cmake.in).
# Usage: sign.sh FILE.exe
set -euo pipefail
file="$1"
: "${ZENTROVA_SIGN_PKCS12:?names no certificate}"
command -v osslsigncode >/dev/null || { echo "sign.sh: osslsigncode is missing" >&2; exit 1; }

arguments=(sign -pkcs12 "$ZENTROVA_SIGN_PKCS12" -h sha256 -n Zentrova)
if [ -n "${ZENTROVA_SIGN_TIMESTAMP_URL:-}" ]; then
    arguments+=(-ts "$ZENTROVA_SIGN_TIMESTAMP_URL")
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
signed="$work/signed.exe"
# The password through a file descriptor: it stays out of the process list.
osslsigncode "${arguments[@]}" -readpass /dev/fd/3 -in "$file" -out "$signed" \
    3<<<"${ZENTROVA_SIGN_PASSWORD:-}" >/dev/null
mv -f "$signed" "$file"
echo "signed $(basename "$file")"
