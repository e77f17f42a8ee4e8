#!/usr/bin/env bash
# Renders the dialog in its On state, its Off state, in French and German,
# in a dark and a black high-contrast KDE palette, and with a desktop font
# of 13.5 and 18 points, to PNG files in build/screenshots, under a virtual
# X server when there is no display.
# With --docs it also refreshes docs/dialog.png from the On state.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

if [ -z "${DISPLAY:-}" ]; then
    install_packages
    exec xvfb-run --auto-servernum --server-args="-screen 0 1600x1200x24 -nolisten tcp -noreset" \
        bash "$0" "$@"
fi

install_packages
build_and_install >/dev/null
out="$BUILD/screenshots"
mkdir -p "$out"

# shoot NAME ACTIVE LANG [PALETTE [POINTS]]: opens a fresh project and
# captures the dialog; PALETTE names a KDE colour scheme in tools/palettes,
# and POINTS the size of the desktop's general font, which Qt reads as it
# would on a KDE desktop.
shoot() {
    local project desktop=()
    project=$(mktemp -d)
    printf '%s' '-proc=ret -call -block -cond -count -dumpcalling=main -trace -DDEMO=1' >"$project/demo.opt"
    printf '%s' "$2" >"$project/demo.opt_act"
    [ -z "${4:-}" ] || cp "$ROOT/tools/palettes/$4.kdeglobals" "$project/kdeglobals"
    [ -z "${5:-}" ] || printf '[General]\nfont=DejaVu Sans,%s,-1,5,50,0,0,0,0,0\n' "$5" >>"$project/kdeglobals"
    if [ -f "$project/kdeglobals" ]; then
        desktop=(XDG_CONFIG_HOME="$project" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 KDE_FULL_SESSION=true)
    fi
    (cd "$project" && env "${desktop[@]}" LANG=$3 LC_ALL= VIMBRADIR="$PREFIX" "$PREFIX/bin/vimbracl" -c++ demo.opt) &
    capture_dialog $! "$out/$1.png"
    rm -rf "$project"
    echo "$out/$1.png"
}

shoot on 1 C.UTF-8
shoot off 0 C.UTF-8
shoot fr 1 fr_FR.UTF-8
shoot de 1 de_DE.UTF-8
for palette in dark black-high-contrast; do
    for language in C fr_FR de_DE; do
        shoot "$palette-$language-on" 1 "$language.UTF-8" "$palette"
        shoot "$palette-$language-off" 0 "$language.UTF-8" "$palette"
    done
done
for points in 13.5 18; do
    for language in C fr_FR de_DE; do
        shoot "$language-${points}pt-on" 1 "$language.UTF-8" "" "$points"
        shoot "$language-${points}pt-off" 0 "$language.UTF-8" "" "$points"
    done
done

if [ "${1:-}" = --docs ]; then
    mkdir -p "$ROOT/docs"
    cp "$out/on.png" "$ROOT/docs/dialog.png"
    echo "$ROOT/docs/dialog.png"
fi
