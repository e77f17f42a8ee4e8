#!/usr/bin/env bash
# Installs what is missing, builds Qt for Windows once (cached outside the
# clone), builds the program for Windows into build-windows/prefix and packs
# build-windows/vimbracl-VERSION-win64.exe (NSIS; silent with /S /D=DIR)
# and a .zip of the same folder. With --screenshots it also renders the
# dialog under Wine in English and French into build-windows/, and with
# --docs refreshes docs/dialog-windows.png too.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$ROOT/tools/lib/windows.sh"

install_packages
install_windows_packages
use_compiler_cache
if [ $# -gt 0 ] && [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp -noreset" \
        bash "$0" "$@"
fi
build_for_windows
pack_for_windows

if [ $# -gt 0 ]; then
    shoot_windows "$WINDOWS_BUILD/dialog-en.png" C.UTF-8
    shoot_windows "$WINDOWS_BUILD/dialog-fr.png" fr_FR.UTF-8
    if [ "$1" = --docs ]; then
        cp "$WINDOWS_BUILD/dialog-en.png" "$ROOT/docs/dialog-windows.png"
        echo "$ROOT/docs/dialog-windows.png"
    fi
fi
