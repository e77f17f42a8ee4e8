#!/usr/bin/env bash
# Renders the dialog in its On state, its Off state and in French to PNG
# files in build/screenshots, under a virtual X server when there is no
# display. With --docs it also refreshes docs/dialog.png from the On state.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${DISPLAY:-}" ]; then
    install_packages
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -nolisten tcp" \
        bash "$0" "$@"
fi

install_packages
build_and_install >/dev/null
out="$BUILD/screenshots"
mkdir -p "$out"

# shoot NAME ACTIVE LANG: opens a fresh project and captures the dialog.
shoot() {
    local project window pid
    project=$(mktemp -d)
    printf '%s' '-proc=ret -call -block -cond -count -dumpcalling=main -trace -DDEMO=1' >"$project/demo.opt"
    printf '%s' "$2" >"$project/demo.opt_act"
    (cd "$project" && LANG=$3 LC_ALL= VIMBRADIR="$PREFIX" "$PREFIX/bin/vimbracl" -c++ demo.opt) &
    pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --class vimbracl 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "error: the dialog did not appear" >&2; kill "$pid"; exit 1; }
    sleep 0.5
    import -window "$window" "$out/$1.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$project"
    echo "$out/$1.png"
}

shoot on 1 C.UTF-8
shoot off 0 C.UTF-8
shoot fr 1 fr_FR.UTF-8
shoot de 1 de_DE.UTF-8

if [ "${1:-}" = --docs ]; then
    mkdir -p "$ROOT/docs"
    cp "$out/on.png" "$ROOT/docs/dialog.png"
    echo "$ROOT/docs/dialog.png"
fi
