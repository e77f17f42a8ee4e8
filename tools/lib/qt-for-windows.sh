# Qt for Windows, cross-compiled once from Debian's own qtbase source (the
# version of the host Qt, whose moc, rcc and uic it reuses) and kept in a
# cache outside the clone, keyed by that version and these options.
# Sourced, not run, by lib/windows.sh.

WINDOWS_DIR="$ROOT/tools/windows"
WINDOWS_CACHE=${VIMBRACL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vimbracl-windows}

# Only what the program and its tests need. With OpenGL off the windows
# platform plugin of 6.4 does not compile, and with DirectWrite 3 on it
# does not link; Debian's source lacks the tablet header it includes;
# FreeType is not needed where GDI draws the text.
QT_WINDOWS_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_freetype=OFF
    -DFEATURE_directwrite3=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF
)

# What the program and its suites load from qtbase: these targets, with
# what they need, are built; the install rules of these build directories
# install them, their headers and their CMake packages (those of the first
# three directories, which hold the others, only for their own files).
QT_WINDOWS_TARGETS=(Core Gui Widgets Test EntryPointImplementation QWindowsIntegrationPlugin
                    QWindowsVistaStylePlugin)
QT_WINDOWS_INSTALL_OWN=(. src src/3rdparty)
QT_WINDOWS_INSTALL=(src/3rdparty/zlib src/3rdparty/harfbuzz-ng src/3rdparty/libpng src/corelib
                    src/entrypoint src/gui src/widgets src/testlib src/plugins/platforms/windows
                    src/plugins/styles/windowsvista)

host_qt_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev
}

# The prefix of Qt for Windows for this host Qt and these options.
qt_windows_prefix() {
    local key
    key=$( { host_qt_version; printf '%s\n' "${QT_WINDOWS_OPTIONS[@]}" "${QT_WINDOWS_TARGETS[@]}";
             cat "$WINDOWS_DIR/mingw-w64.cmake"; } \
        | sha256sum | cut -c1-12)
    echo "$WINDOWS_CACHE/qt-$(host_qt_version | sed 's/[^0-9A-Za-z.]/_/g')-$key"
}

# A deb-src entry for each Debian archive and suite the machine's apt
# sources name, in a private list: the machine's own setup is left alone.
private_source_list() {
    local list=$1
    : >"$list"
    for sources in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$sources" ] || continue
        awk '$1 == "deb" && /debian/ { $1 = "deb-src"; print }' "$sources" >>"$list"
    done
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ -f "$sources" ] || continue
        awk -v RS= '/Types:.*deb/ && /URIs:.*debian/ {
                uris = $0; sub(/.*URIs:[ \t]*/, "", uris); sub(/\n.*/, "", uris)
                suites = $0; sub(/.*Suites:[ \t]*/, "", suites); sub(/\n.*/, "", suites)
                comps = $0; sub(/.*Components:[ \t]*/, "", comps); sub(/\n.*/, "", comps)
                keys = ""; if (match($0, /Signed-By:[ \t]*[^\n]*/)) { keys = substr($0, RSTART, RLENGTH); sub(/Signed-By:[ \t]*/, "", keys) }
                n = split(uris, u, " "); m = split(suites, s, " ")
                for (i = 1; i <= n; i++) for (j = 1; j <= m; j++)
                    printf "deb-src %s%s %s %s\n", (keys == "" ? "" : "[signed-by=" keys "] "), u[i], s[j], comps
            }' "$sources" >>"$list"
    done
}

# Unpacks Debian's qtbase source, with its patches, into $1.
fetch_qt_source() {
    local into=$1 apt=$1/apt
    mkdir -p "$apt/lists/partial" "$apt/archives/partial"
    private_source_list "$apt/sources.list"
    local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=-"
                   -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt")
    apt-get "${options[@]}" update -qq
    (cd "$into" && apt-get "${options[@]}" source -qq "qt6-base=$(host_qt_version)")
}

# Builds the targets in the build directory $1, logging into $2 and
# printing the steps done of the steps in all once a minute.
build_qt_targets() {
    local build=$1 log=$2 builder said=$SECONDS
    cmake --build "$build" --target "${QT_WINDOWS_TARGETS[@]}" --parallel "$(nproc)" >"$log" 2>&1 &
    builder=$!
    while kill -0 "$builder" 2>/dev/null; do
        sleep 2
        if [ $((SECONDS - said)) -ge 60 ]; then
            said=$SECONDS
            echo "Qt for Windows: $(grep -o '^\[[0-9]*/[0-9]*\]' "$log" | tail -1 | tr -d '[]' | sed 's|/| of |') steps" >&2
        fi
    done
    wait "$builder"
}

# Runs the install rules of the build directory $1 that install the targets.
install_qt_targets() {
    local build=$1 directory
    for directory in "${QT_WINDOWS_INSTALL_OWN[@]}"; do
        cmake -DCMAKE_INSTALL_LOCAL_ONLY=ON -P "$build/$directory/cmake_install.cmake" || return 1
    done
    for directory in "${QT_WINDOWS_INSTALL[@]}"; do
        cmake -P "$build/$directory/cmake_install.cmake" || return 1
    done
}

# Prints the prefix of Qt for Windows, building it first when the cache has
# none. A build that fails leaves no prefix behind.
qt_for_windows() {
    local prefix work
    prefix=$(qt_windows_prefix)
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        return 0
    fi
    work="$prefix.work"
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    echo "Building Qt $(host_qt_version) for Windows into $prefix (once)" >&2
    fetch_qt_source "$work" >&2
    # Qt itself is cached whole; its objects would only crowd the compiler cache.
    env -u CMAKE_CXX_COMPILER_LAUNCHER -u CMAKE_C_COMPILER_LAUNCHER \
    cmake -S "$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_DIR/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${QT_WINDOWS_OPTIONS[@]}" >"$work/configure.log" 2>&1 \
        || { tail -30 "$work/configure.log" >&2; echo "error: Qt for Windows does not configure" >&2; return 1; }
    echo "Qt for Windows: $(ninja -C "$work/build" -n "${QT_WINDOWS_TARGETS[@]}" | grep -c '^\[') steps to build" >&2
    build_qt_targets "$work/build" "$work/build.log" \
        || { grep -B5 -A20 -m3 'FAILED' "$work/build.log" >&2; echo "error: Qt for Windows does not build" >&2; return 1; }
    install_qt_targets "$work/build" >"$work/install.log" 2>&1 \
        || { tail -20 "$work/install.log" >&2; echo "error: Qt for Windows does not install" >&2; return 1; }
    touch "$prefix/.complete"
    rm -rf "$work"
    echo "$prefix"
}
