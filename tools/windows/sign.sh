#!/usr/bin/env bash
# sign.sh FILE...: signs each Windows program or package in place with the
# vendor's Authenticode certificate, SHA-256: VIMBRACL_SIGN_PFX names a
# PKCS#12 file, VIMBRACL_SIGN_PASSWORD_FILE a file holding its password,
# and VIMBRACL_SIGN_TIMESTAMP, if set, a timestamp server (RFC 3161).
# makensis runs it on the installer and its uninstaller too.
set -euo pipefail
for file in "$@"; do
    osslsigncode sign -pkcs12 "$VIMBRACL_SIGN_PFX" -readpass "$VIMBRACL_SIGN_PASSWORD_FILE" -h sha256 \
        -n vimbracl ${VIMBRACL_SIGN_TIMESTAMP:+-ts "$VIMBRACL_SIGN_TIMESTAMP"} \
        -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
done
