# Sourced, not run, after lib/common.sh by tools/deb.sh and tools/test.sh:
# the Debian package, built from a release build with Debian's own tools.

DEB_BUILD=${VIMBRACL_DEB_BUILD_DIR:-$ROOT/build-deb}

install_debian_packaging_packages() {
    install_packages dpkg-dev lintian
}

# Builds build-deb/vimbracl_VERSION_amd64.deb: the installation under
# /usr/lib/vimbracl, the program on the PATH, its desktop entry and icon
# where the desktop finds them, the manual page, the copyright file and the
# changelog. Its
# library dependencies come from dpkg-shlibdeps. Sets DEBIAN_PACKAGE to its
# path.
build_debian_package() {
    local tree=$DEB_BUILD/tree package=$DEB_BUILD/tree/debian/vimbracl version
    version=$(dpkg-parsechangelog -l "$ROOT/packaging/debian/changelog" -S Version)
    local project_version
    project_version=$(sed -n 's/^project(vimbracl VERSION \([^ ]*\) .*/\1/p' "$ROOT/CMakeLists.txt")
    [ "$version" = "$project_version" ] \
        || { echo "error: packaging/debian/changelog is at $version, the project at $project_version" >&2; return 1; }
    # Debian's hardening flags, as its own packages are built.
    local flags=(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get)
    cmake -S "$ROOT" -B "$DEB_BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr/lib/vimbracl -DCMAKE_INSTALL_DATADIR=/usr/share \
        -DCMAKE_SKIP_INSTALL_RPATH=ON \
        -DCMAKE_CXX_FLAGS="$(env "${flags[@]}" CPPFLAGS) $(env "${flags[@]}" CXXFLAGS) -ffile-prefix-map=$ROOT=." \
        -DCMAKE_EXE_LINKER_FLAGS="$(env "${flags[@]}" LDFLAGS)" >/dev/null
    cmake --build "$DEB_BUILD" --target vimbracl vimbracl_lrelease desktop_icon bash_completion --parallel "$(nproc)" >/dev/null
    rm -rf "$tree"
    mkdir -p "$tree/debian"
    cp "$ROOT/packaging/debian/control" "$ROOT/packaging/debian/changelog" "$tree/debian/"
    DESTDIR=$package cmake --install "$DEB_BUILD" --strip >/dev/null
    mkdir -p "$package/DEBIAN" "$package/usr/bin" "$package/usr/share/doc/vimbracl" \
        "$package/usr/share/man/man1"
    ln -s ../lib/vimbracl/bin/vimbracl "$package/usr/bin/vimbracl"
    cp "$ROOT/packaging/debian/copyright" "$package/usr/share/doc/vimbracl/"
    gzip -9n <"$ROOT/packaging/debian/changelog" >"$package/usr/share/doc/vimbracl/changelog.gz"
    gzip -9n <"$ROOT/packaging/debian/vimbracl.1" >"$package/usr/share/man/man1/vimbracl.1.gz"
    chmod -R u=rwX,go=rX "$package"
    (cd "$tree" \
        && dpkg-shlibdeps -Tdebian/vimbracl.substvars debian/vimbracl/usr/lib/vimbracl/bin/vimbracl \
        && dpkg-gencontrol -pvimbracl -Tdebian/vimbracl.substvars -Pdebian/vimbracl)
    (cd "$package" && find usr -type f -exec md5sum {} + | LC_ALL=C sort -k2 >DEBIAN/md5sums)
    # Every file carries the commit's time, not when it was made.
    find "$package" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
    DEBIAN_PACKAGE="$DEB_BUILD/vimbracl_${version}_amd64.deb"
    dpkg-deb --root-owner-group -Zxz --build "$package" "$DEBIAN_PACKAGE" >/dev/null
}

# Lintian's verdict; an error fails, warnings are shown.
check_debian_package() {
    local report
    report=$(lintian --tag-display-limit 0 "$1" 2>&1 | grep -v '^running with root privileges' || true)
    [ -z "$report" ] || echo "$report"
    ! grep -q '^E: ' <<<"$report" || { echo "error: lintian finds errors in $1" >&2; return 1; }
}

# Installs the package with apt-get as a user would, with what it depends
# on; runs it from there; purges it and checks that nothing it brought is
# left. A machine where vimbracl is installed already keeps its installation.
try_debian_package() {
    if dpkg-query -W -f='${Status}' vimbracl 2>/dev/null | grep -q 'ok installed'; then
        echo "vimbracl is installed on this machine: its package is not tried here"
        return 0
    fi
    local owned left
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "$1" >/dev/null
    owned=$(dpkg -L vimbracl | grep vimbracl)
    in_display bash "$ROOT/tests/e2e/e2e.sh" debian_package /usr/lib/vimbracl none
    DEBIAN_FRONTEND=noninteractive as_root apt-get remove --purge -y -qq vimbracl >/dev/null
    left=$(for path in $owned; do [ -e "$path" ] || [ -L "$path" ] && echo "$path"; done || true)
    [ -z "$left" ] || { echo "error: the purge left $left" >&2; return 1; }
}
