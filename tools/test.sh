#!/usr/bin/env bash
# Installs what is missing, builds, installs into build/prefix and runs the
# whole test suite, under a virtual X server when there is no display.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$ROOT/tools/lib/windows.sh"
source "$ROOT/tools/lib/debian.sh"

install_packages
use_compiler_cache
# A whole run builds Qt for Windows, when it is not cached, beside the
# Linux part, whose tests mostly wait.
if [ $# -eq 0 ] && [ "${VIMBRACL_WINDOWS:-1}" != 0 ]; then
    install_windows_packages
    start_qt_for_windows
fi
build_and_install

# A bounded fuzzing run of the option line when clang can build it
# (VIMBRACL_FUZZ_SECONDS=0 skips it). A finding lands in build-fuzz/artifacts;
# once it is fixed, keep it in tests/fuzz/corpus, which the suite replays.
fuzz_option_line() {
    local seconds=${VIMBRACL_FUZZ_SECONDS:-60} dir="$ROOT/build-fuzz"
    [ "$seconds" -gt 0 ] || return 0
    command -v clang++ >/dev/null || return 0
    compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' >/dev/null || return 0
    cmake -S "$ROOT" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DVIMBRACL_FUZZ=ON -DBUILD_TESTING=ON >/dev/null
    cmake --build "$dir" --target fuzz_option_line --parallel "$(nproc)" >/dev/null
    mkdir -p "$dir/corpus" "$dir/artifacts"
    echo "Fuzzing the option line for $seconds s"
    # The check is about bytes: its files live in memory where the system
    # has a memory file system, and the target turns the file layer's syncs
    # off. One process a core; AddressSanitizer keeps no allocation stacks,
    # which a finding's input reproduces anyway.
    local files=${TMPDIR:-/tmp}
    [ -d /dev/shm ] && [ -w /dev/shm ] && files=/dev/shm
    if ! ASAN_OPTIONS=malloc_context_size=0 TMPDIR=$files "$dir/tests/fuzz/fuzz_option_line" -fork="$(nproc)" \
            -max_total_time="$seconds" -artifact_prefix="$dir/artifacts/" "$dir/corpus" "$ROOT/tests/fuzz/corpus" \
            2>"$dir/fuzz.log"; then
        tail -40 "$dir/fuzz.log"
        echo "error: the fuzzer found a fault; the input is in $dir/artifacts" >&2
        exit 1
    fi
    grep -E '^#[0-9]+:' "$dir/fuzz.log" | tail -1 | tr -d '#:' \
        | awk '{ printf "Fuzzed %d inputs in %d s (%d inputs a second)\n", $1, $(NF-4), $1 / $(NF-4) }'
}

fuzz_option_line

# The unit suites once more, built with AddressSanitizer,
# UndefinedBehaviorSanitizer and the C++ library's assertions. Only leaks in
# Qt's, fontconfig's and D-Bus's own libraries are suppressed
# (tests/sanitizers/leaks.supp); the project's code gets no entry.
test_sanitized() {
    local dir="$ROOT/build-sanitizers"
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DVIMBRACL_SANITIZE=ON >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" >/dev/null
    echo "The unit suites under AddressSanitizer and UndefinedBehaviorSanitizer"
    ASAN_OPTIONS=detect_leaks=1 \
        LSAN_OPTIONS=suppressions="$ROOT/tests/sanitizers/leaks.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1 \
        in_display ctest --test-dir "$dir" -L unit --output-on-failure
}

# The Debian package: built, checked by lintian, installed, run and purged.
test_debian_package() {
    install_debian_packaging_packages
    build_debian_package
    check_debian_package "$DEBIAN_PACKAGE"
    echo "The Debian package, installed with apt-get, run and purged"
    try_debian_package "$DEBIAN_PACKAGE"
    test_debian_package_again
}


# The same commit built again, later, in another folder and without the
# compiler cache, gives the same bytes: the Debian package, and the Windows
# program with every file of its installation. A difference fails with
# diffoscope's report.
AGAIN=$ROOT/build-again/vimbracl
copy_sources_again() {
    [ -d "$AGAIN" ] && return 0
    mkdir -p "$AGAIN"
    (cd "$ROOT" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$AGAIN")
}

expect_same_bytes() {
    diff -rq "$1" "$2" >/dev/null && return 0
    install_packages diffoscope-minimal
    diffoscope --no-progress "$1" "$2" | head -200 || true
    echo "error: $2, built again, differs from $1" >&2
    exit 1
}

test_debian_package_again() {
    copy_sources_again
    CCACHE_DISABLE=1 bash "$AGAIN/tools/deb.sh" >/dev/null
    expect_same_bytes "$DEBIAN_PACKAGE" "$AGAIN/build-deb/$(basename "$DEBIAN_PACKAGE")"
    echo "The Debian package, built again elsewhere, has the same bytes"
}

test_windows_program_again() {
    copy_sources_again
    (source "$AGAIN/tools/lib/common.sh" && source "$AGAIN/tools/lib/windows.sh" \
        && CCACHE_DISABLE=1 build_for_windows vimbracl vimbracl_lrelease windows_runtime >/dev/null)
    expect_same_bytes "$WINDOWS_PREFIX" "$AGAIN/build-windows/prefix"
    echo "The Windows program and its DLLs, built again elsewhere, have the same bytes"
}

# A certificate made for the run, so that it signs as a vendor does and the
# end-to-end suite checks every signature against it.
use_throwaway_certificate() {
    local dir=$WINDOWS_BUILD/signing
    mkdir -p "$dir"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=vimbracl throwaway signer" \
        -addext extendedKeyUsage=codeSigning -keyout "$dir/key.pem" -out "$dir/certificate.pem" 2>/dev/null
    openssl rand -hex 16 >"$dir/password"
    openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/certificate.pem" -passout file:"$dir/password" \
        -out "$dir/signer.pfx"
    export VIMBRACL_SIGN_PFX=$dir/signer.pfx VIMBRACL_SIGN_PASSWORD_FILE=$dir/password
    export VIMBRACL_SIGN_CHECK=$dir/certificate.pem
}

# The Windows program built with MinGW-w64 against Qt for Windows (built
# once from Debian's source, then cached), and under Wine every unit and
# store suite on the Win32 file backend and the end-to-end cases of the real
# vimbracl.exe. VIMBRACL_WINDOWS=0 skips it for a quick local loop.
test_windows() {
    [ "${VIMBRACL_WINDOWS:-1}" != 0 ] || return 0
    install_windows_packages
    build_for_windows
    test_windows_program_again
    use_throwaway_certificate
    pack_for_windows >/dev/null
    use_wine
    echo "The Windows build's suites under Wine"
    in_display ctest --test-dir "$WINDOWS_BUILD" --output-on-failure
    wineserver --kill || true
}

in_display ctest --test-dir "$BUILD" --output-on-failure "$@"

if [ $# -eq 0 ]; then
    rm -rf "$ROOT/build-again"
    test_sanitized
    test_debian_package
    test_windows
fi
