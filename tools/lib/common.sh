# Sourced, not run, by every script in tools/: installing what is missing,
# configuring, building, and capturing the dialog.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# Packages and programs carry the time of the commit they are built from,
# so that a build of the same commit gives the same bytes, later too.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || echo 1)}
export SOURCE_DATE_EPOCH
BUILD=${VIMBRACL_BUILD_DIR:-$ROOT/build}
PREFIX=${VIMBRACL_PREFIX:-$BUILD/prefix}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_packages [PACKAGE...]: the packages named, or by default those of
# tools/debian-packages.txt, that are not installed yet.
install_packages() {
    local wanted missing=()
    wanted=${*:-$(packages_listed_in debian-packages.txt)}
    for package in $wanted; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    if ! DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"; then
        # apt-get gives up on the whole set; name the packages it cannot have.
        for package in "${missing[@]}"; do
            apt-get install -s -qq "$package" >/dev/null 2>&1 \
                || echo "error: the Debian package '$package' could not be installed" >&2
        done
        exit 1
    fi
}

# The packages a list in tools/ names, one a line.
packages_listed_in() {
    grep -vE '^\s*(#|$)' "$ROOT/tools/$1"
}

# Compiled objects are kept outside the clone (ccache), so that a second run
# on the same machine, from a fresh clone too, rebuilds in little time.
use_compiler_cache() {
    command -v ccache >/dev/null || return 0
    export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/vimbracl-ccache}
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
}

# build_and_install [--strip] [CMAKE_ARGUMENT...]: --strip installs a release
# binary without debug information; the build keeps it.
build_and_install() {
    local install_options=()
    if [ "${1:-}" = --strip ]; then
        install_options+=(--strip)
        shift
    fi
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$BUILD" --parallel "$(nproc)"
    cmake --install "$BUILD" --prefix "$PREFIX" "${install_options[@]}" >/dev/null
}

# COMMAND... in the X server, a virtual one when there is none.
in_display() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
    else
        xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp -noreset" "$@"
    fi
}

# capture_dialog PID PNG: waits up to 10 s for the dialog of the program
# running as PID to be shown in the X server, then saves it as PNG and ends
# the program.
capture_dialog() {
    local pid=$1 png=$2 window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --class vimbracl 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "error: the dialog did not appear" >&2; kill "$pid"; exit 1; }
    sleep 0.5 # let it finish painting
    import -window "$window" "$png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
