# Sourced, not run, after lib/common.sh by tools/windows.sh and
# tools/test.sh: installing the Windows build's packages, building, running
# and packing the Windows program.
source "$ROOT/tools/lib/qt-for-windows.sh"

WINDOWS_BUILD=${VIMBRACL_WINDOWS_BUILD_DIR:-$ROOT/build-windows}
WINDOWS_PREFIX=$WINDOWS_BUILD/prefix

install_windows_packages() {
    install_packages $(packages_listed_in debian-packages-windows.txt)
}

# Wine's own prefix for this build, made once; no Mono or Gecko prompts.
use_wine() {
    export WINEPREFIX=${VIMBRACL_WINEPREFIX:-$WINDOWS_BUILD/wine} WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX"
        wineboot --init >/dev/null 2>&1
        wineserver --wait
    fi
}

# Starts building Qt for Windows, when the cache has none, at the lowest
# priority and in a session of its own, so that it takes what the Linux
# part leaves of the processors; build_for_windows waits for it, and an
# exit before that stops it.
start_qt_for_windows() {
    [ -f "$(qt_windows_prefix)/.complete" ] && return 0
    setsid nice -n 19 bash -c 'source "$0/tools/lib/common.sh" && source "$0/tools/lib/windows.sh" \
        && qt_for_windows >/dev/null' "$ROOT" &
    QT_FOR_WINDOWS_BUILDER=$!
    trap stop_qt_for_windows EXIT
}

stop_qt_for_windows() {
    [ -z "${QT_FOR_WINDOWS_BUILDER:-}" ] || kill -- -"$QT_FOR_WINDOWS_BUILDER" 2>/dev/null || true
}

# Builds the program and its suites for Windows on the Win32 file layer,
# and installs it into build-windows/prefix. With targets, only those.
build_for_windows() {
    local qt
    if [ -n "${QT_FOR_WINDOWS_BUILDER:-}" ]; then
        wait "$QT_FOR_WINDOWS_BUILDER" || { echo "error: Qt for Windows was not built" >&2; return 1; }
        QT_FOR_WINDOWS_BUILDER=
    fi
    qt=$(qt_for_windows)
    # No build path in the binaries, so that any folder builds the same bytes.
    cmake -S "$ROOT" -B "$WINDOWS_BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$ROOT=." \
        -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_DIR/mingw-w64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build "$WINDOWS_BUILD" --parallel "$(nproc)" "${targets[@]}"
    cmake --install "$WINDOWS_BUILD" --prefix "$WINDOWS_PREFIX" >/dev/null
}

# The NSIS installer, the MSI package and the .zip of the same installation,
# signed with the vendor's certificate where VIMBRACL_SIGN_PFX and
# VIMBRACL_SIGN_PASSWORD_FILE name one: the program, the installer, its
# uninstaller and the MSI package.
pack_for_windows() {
    local version vendor
    unset VIMBRACL_SIGN_TOOL
    if [ -n "${VIMBRACL_SIGN_PFX:-}" ] && [ -n "${VIMBRACL_SIGN_PASSWORD_FILE:-}" ]; then
        export VIMBRACL_SIGN_TOOL=$WINDOWS_DIR/sign.sh
        # Signed where it was built, so that every installation of it is.
        "$VIMBRACL_SIGN_TOOL" "$WINDOWS_BUILD/bin/vimbracl.exe"
        cmake --install "$WINDOWS_BUILD" --prefix "$WINDOWS_PREFIX" >/dev/null
    else
        echo "Not signing: VIMBRACL_SIGN_PFX and VIMBRACL_SIGN_PASSWORD_FILE name no certificate"
    fi
    (cd "$WINDOWS_BUILD" && cpack -G "NSIS;ZIP" >/dev/null)
    source "$WINDOWS_BUILD/package.env"
    bash "$ROOT/packaging/msi/build-msi.sh" "$version" "$vendor" "$WINDOWS_PREFIX" \
        "$WINDOWS_BUILD/vimbracl-$version-win64.msi" 2>/dev/null
    [ -z "${VIMBRACL_SIGN_TOOL:-}" ] || "$VIMBRACL_SIGN_TOOL" "$WINDOWS_BUILD/vimbracl-$version-win64.msi"
    ls "$WINDOWS_BUILD"/vimbracl-*-win64.{exe,msi,zip}
}

# Renders the installed program's dialog under Wine into PNG, in the
# language LANG names.
shoot_windows() {
    local png=$1 language=$2 project installation
    use_wine
    installation=$(winepath -w "$WINDOWS_PREFIX")
    project=$(mktemp -d)
    printf '%s' '-proc=ret -call -block -cond -count -dumpcalling=main -trace -DDEMO=1' >"$project/demo.opt"
    printf '1' >"$project/demo.opt_act"
    (cd "$project" && LANG=$language LC_ALL= VIMBRADIR=$installation \
        wine "$WINDOWS_PREFIX/bin/vimbracl.exe" -c++ demo.opt) &
    capture_dialog $! "$png"
    rm -rf "$project"
    echo "$png"
}
