#!/usr/bin/env bash
# End-to-end cases: the installed vimbracl in a real X server, driven from
# outside with xdotool. Usage: e2e.sh CASE PREFIX HELPER, where CASE is one
# of the case functions below, PREFIX an installation and HELPER what a case
# needs from the build: the program that closes a window as its close box
# does, or the installer. A Windows installation (bin/vimbracl.exe) runs
# under Wine, in WINEPREFIX.
set -euo pipefail

VIMBRACL_PREFIX=$2
HELPER=$3

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -n "${DISPLAY:-}" ] || fail "no X display: run the suite through tools/test.sh, which starts Xvfb"
if [ -f "$VIMBRACL_PREFIX/bin/vimbracl.exe" ]; then
    program=(wine "$VIMBRACL_PREFIX/bin/vimbracl.exe")
    # winepath fails now and then while the last case's wineserver shuts
    # down; it is asked again.
    ask_winepath() {
        local attempt
        for attempt in 1 2 3 4 5; do
            winepath "$@" 2>/dev/null && return 0
            sleep 1
        done
        return 1
    }
    native_path() { ask_winepath -w "$1" || fail "winepath could not name $1"; }
    separator='\'
    drive_c=$(ask_winepath -u 'C:\') || fail "winepath could not name C:"
else
    [ -x "$VIMBRACL_PREFIX/bin/vimbracl" ] || fail "no installed program in $VIMBRACL_PREFIX"
    program=("$VIMBRACL_PREFIX/bin/vimbracl")
    native_path() { echo "$1"; }
    separator=/
fi
installation=$(native_path "$VIMBRACL_PREFIX")

project=$(mktemp -d)
pid=
# On failure the program's own output is shown before it goes with its
# directory.
cleanup() {
    local code=$?
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    if [ "$code" -ne 0 ] && [ -s "$project/.log" ]; then
        echo "--- the program's output:" >&2
        cat "$project/.log" >&2
    fi
    rm -rf "$project"
}
trap cleanup EXIT
cd "$project"

caption="Vimbra Runtime Analysis Setup"
window=
status=

# start [ENV=VALUE | -u NAME ...] -- ARG...: runs the program in the
# background, in English unless told otherwise.
start() {
    local options=() assignments=(VIMBRADIR="$installation" LANG=C.UTF-8 LC_ALL= LC_MESSAGES=)
    while [ "$1" != -- ]; do
        if [ "$1" = -u ]; then
            options+=(-u "$2")
            local kept=() assignment
            for assignment in "${assignments[@]}"; do
                [[ $assignment == "$2="* ]] || kept+=("$assignment")
            done
            assignments=("${kept[@]}")
            shift
        else
            assignments+=("$1")
        fi
        shift
    done
    shift
    env "${options[@]}" "${assignments[@]}" "${program[@]}" "$@" >"$project/.log" 2>&1 &
    pid=$!
}

# wait_window PATTERN: waits up to 20 s (Wine starts slowly) for a window
# whose whole name matches. xdotool matches the Latin-1 WM_NAME, so a pattern stays ASCII and
# expect_title checks the exact UTF-8 title.
wait_window() {
    local name=$1 id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -1 || true)
        if [ -n "$id" ]; then
            window=$id
            sleep 0.3 # let it finish mapping before input arrives
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "the program ended before showing '$name'"
        sleep 0.1
    done
    fail "no window named '$name' within 20 s"
}

count_windows() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# wait_closed PATTERN: waits up to 5 s for no window of that name to be left.
wait_closed() {
    for _ in $(seq 50); do
        [ "$(count_windows "$1")" = 0 ] && return 0
        sleep 0.1
    done
    fail "the $1 window is still open"
}

# wait_exit: waits up to 10 s for the program to end and keeps its status.
wait_exit() {
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0
            wait "$pid" || status=$?
            pid=
            return 0
        fi
        sleep 0.1
    done
    fail "the program did not end within 10 s"
}

# click X Y: a click at dialog coordinates.
click() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # From elsewhere first: --sync waits for a move, and the pointer may
    # already stand where the last case clicked.
    xdotool mousemove 0 0 sleep 0.05 mousemove --sync $((X + $1)) $((Y + $2)) click 1
    sleep 0.2
}

key() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --clearmodifiers "$1"
    sleep 0.2
}

type_text() {
    xdotool type --delay 20 "$1"
    sleep 0.2
}

expect_title() {
    local title
    title=$(xprop -id "$window" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
    [ "$title" = "$1" ] || fail "the window is titled '$title', expected '$1'"
}

expect_file() {
    local expected=$2 actual
    [ -e "$1" ] || fail "$1 does not exist"
    actual=$(cat "$1"; printf x)
    actual=${actual%x}
    [ "$actual" = "$expected" ] || fail "$1 holds '$actual', expected '$expected'"
}

expect_status() {
    [ "$status" = "$1" ] || fail "exit status $status, expected $1"
}

expect_no_files() {
    [ -z "$(ls -A "$project" | grep -v '^\.log$' || true)" ] || fail "files were created: $(ls -A "$project")"
}

# Widget centres in dialog coordinates (group offset plus widget offset);
# check boxes and radio buttons are clicked on their indicator.
OK="536 25"; CANCEL="536 60"; APPLY="536 95"; TOGGLE="537 160"
RUNTIME_TRACE="242 34"; MEMORY_PROFILING="242 59"
DUMP_AFTER_CALL="422 264"

case_first_start() {
    start -- -c++ proj.opt
    wait_window "$caption"
    expect_title "$caption"
    expect_file proj.opt "-proc -block=decision -nocall -nocond"
    expect_file proj.opt_act "0"
    click $TOGGLE
    click $RUNTIME_TRACE
    click $OK
    wait_exit
    expect_status 0
    expect_file proj.opt "-proc -nocall -block=decision -nocond -trace"
    expect_file proj.opt_act "1"
}

case_apply_then_cancel() {
    printf '%s' "-count" >proj.opt
    printf '1' >proj.opt_act
    start -- proj.opt
    wait_window "$caption"
    click $RUNTIME_TRACE
    click $APPLY
    expect_file proj.opt "-noproc -nocall -noblock -nocond -count -trace "
    click $MEMORY_PROFILING
    click $TOGGLE
    click $CANCEL
    wait_exit
    expect_status 0
    expect_file proj.opt "-noproc -nocall -noblock -nocond -count -trace "
    expect_file proj.opt_act "1"
}

case_escape_saves_nothing() {
    printf '%s' "-count" >proj.opt
    printf '1' >proj.opt_act
    start -- proj.opt
    wait_window "$caption"
    click $RUNTIME_TRACE
    key Escape
    wait_exit
    expect_status 0
    expect_file proj.opt "-count"
    expect_file proj.opt_act "1"
}

case_close_box_saves_nothing() {
    printf '%s' "-count" >proj.opt
    printf '0' >proj.opt_act
    start -- proj.opt
    wait_window "$caption"
    click $TOGGLE
    "$HELPER" "$window"
    wait_exit
    expect_status 0
    expect_file proj.opt "-count"
    expect_file proj.opt_act "0"
}

case_ok_without_dump_name() {
    printf '1' >proj.opt_act
    start -- proj.opt
    wait_window "$caption"
    local dialog=$window
    click $DUMP_AFTER_CALL
    click $OK
    wait_window Warning
    [ "$(count_windows Warning)" = 1 ] || fail "expected one Warning box"
    key Return
    wait_closed Warning
    kill -0 "$pid" 2>/dev/null || fail "the dialog closed after the warning"
    expect_file proj.opt "-proc -nocall -block=decision -nocond -dumpcalling="
    window=$dialog
    click $CANCEL
    wait_exit
    expect_status 0
}

case_no_file_named() {
    start -- -c++ -nolink
    wait_window Error
    [ "$(count_windows Error)" = 1 ] || fail "expected one Error box"
    key Return
    wait_exit
    expect_status 255
    expect_no_files
}

case_vimbradir_unset() {
    start -u VIMBRADIR -- proj.opt
    wait_window Warning
    key Return
    wait_exit
    expect_status 255
    expect_no_files
}

case_french() {
    start LANG=fr_FR.UTF-8 -- proj.opt
    wait_window "Configuration de l'analyse d'ex.*cution Vimbra"
    expect_title "Configuration de l'analyse d'exécution Vimbra"
    click $CANCEL
    wait_exit
    expect_status 0
    start LANG=fr_FR.UTF-8 --
    wait_window Erreur
    key Return
    wait_exit
    expect_status 255
}

# A link to a device: one box, the dialog opens, and the device stays one.
case_device_link() {
    mknod device c 1 5 2>/dev/null || mkfifo device # an ordinary user makes no devices
    ln -s device proj.opt
    printf '1' >proj.opt_act
    start -- proj.opt
    wait_window Error
    [ "$(count_windows Error)" = 1 ] || fail "expected one Error box"
    key Return
    wait_window "$caption"
    click $OK
    wait_window Error
    key Return
    wait_window "$caption"
    click $CANCEL
    wait_exit
    expect_status 0
    [ -L proj.opt ] || fail "the link was replaced"
    [ -c device ] || [ -p device ] || fail "the device became $(stat -c %F device)"
}

# A file-size limit fails the save: the box says so, OK leaves the dialog
# open and the files as they were.
case_ok_after_failed_save() {
    printf '%s' "-count" >proj.opt
    printf '1' >proj.opt_act
    prlimit --pid $$ --fsize=20:
    start -- proj.opt
    wait_window "$caption"
    local dialog=$window
    click $OK
    wait_window Error
    key Return
    kill -0 "$pid" 2>/dev/null || fail "OK closed the dialog although the save failed"
    expect_file proj.opt "-count"
    window=$dialog
    click $CANCEL
    wait_exit
    expect_status 0
    expect_file proj.opt "-count"
}

# Another program edits the line while the dialog is open: Apply asks, and No
# (the default, so Return) keeps the other program's line.
case_outside_change_kept() {
    printf '%s' "-count" >proj.opt
    printf '1' >proj.opt_act
    start -- proj.opt
    wait_window "$caption"
    local dialog=$window
    printf '%s\n%s' "-compact -Dother" "note" >proj.opt
    click $APPLY
    wait_window Warning
    key Return
    window=$dialog
    click $CANCEL
    wait_exit
    expect_status 0
    expect_file proj.opt "-compact -Dother
note"
}

# information ARG: what the program prints on standard output for --help
# or --version, without a display or an installation; it must print nothing
# on standard error and end with 0.
information() {
    local printed
    printed=$(env -u DISPLAY -u VIMBRADIR "${program[@]}" -c++ "$1" 2>"$project/.log") \
        || fail "$1 ended with $?"
    [ ! -s "$project/.log" ] || fail "$1 wrote on standard error"
    echo "$printed"
}

case_information_without_display() {
    local help version
    help=$(information --help)
    grep -q '^Usage: vimbracl ' <<<"$help" || fail "--help printed '$help'"
    grep -q 'VIMBRADIR' <<<"$help" || fail "--help does not name VIMBRADIR"
    version=$(information --version)
    [[ $version =~ ^vimbracl\ [0-9]+\.[0-9]+ ]] || fail "--version printed '$version'"
    expect_no_files
}

# A first line with CRLF, as Windows editors write it: the save replaces
# the line and keeps both terminators as they were.
case_crlf_kept() {
    printf '%s\r\n%s\r\n' "-count" "note" >proj.opt
    printf '1' >proj.opt_act
    start -- proj.opt
    wait_window "$caption"
    click $RUNTIME_TRACE
    click $OK
    wait_exit
    expect_status 0
    expect_file proj.opt "-noproc -nocall -noblock -nocond -count -trace "$'\r\n'"note"$'\r\n'
}

# creates_defaults DIRECTORY NAME FILE [ENV=VALUE...]: started in DIRECTORY
# on NAME, the program creates FILE and its activation file with their
# defaults.
creates_defaults() {
    cd "$1"
    start "${@:4}" -- "$2"
    wait_window "$caption"
    click $CANCEL
    wait_exit
    expect_status 0
    expect_file "$3" "-proc -block=decision -nocall -nocond"
    expect_file "$3_act" "0"
    rm -f "$3" "$3_act"
}

# Names and an installation outside the system's code page reach their
# files as they are, and so does an installation named with a separator at
# its end.
case_unicode_name() {
    creates_defaults "$project" 'проект-日本.opt' "$project/проект-日本.opt"
}

case_unicode_installation() {
    ln -s "$VIMBRACL_PREFIX" "$project/установка"
    creates_defaults "$project" proj.opt "$project/proj.opt" VIMBRADIR="$(native_path "$project/установка")"
}

case_installation_ends_in_separator() {
    creates_defaults "$project" proj.opt "$project/proj.opt" VIMBRADIR="$installation$separator"
}

# Names with a drive (on C:, outside the project, hence named after the
# run), a name with a leading backslash, and a relative name at a drive's
# root.
case_drive_letter() {
    mkdir -p "$drive_c/vimbracl-e2e-$$"
    creates_defaults "$project" "C:\\vimbracl-e2e-$$\\x.opt" "$drive_c/vimbracl-e2e-$$/x.opt"
    rmdir "$drive_c/vimbracl-e2e-$$"
}

case_drive_without_directory() {
    creates_defaults "$project" "C:vimbracl-e2e-$$.opt" "$drive_c/vimbracl-e2e-$$.opt"
}

case_leading_backslash() {
    creates_defaults "$project" '\x.opt' "$project/x.opt"
}

case_drive_root() {
    creates_defaults "$drive_c" "vimbracl-e2e-$$.opt" "$drive_c/vimbracl-e2e-$$.opt"
}

# The NSIS installer installs silently over an older build, and the program
# it installed opens, saves and quits in English and in French; Add/Remove
# Programs names its icon and version; its silent uninstaller removes every
# file and key it made and nothing of the user's.
case_installer() {
    local installed=$project/installed uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\vimbracl'
    expect_version "$HELPER"
    # The older build: one more file, and an older version.
    (cd "$(dirname "$HELPER")" && cpack -G NSIS -B "$project/.older" -D CPACK_PACKAGE_VERSION=0.9 \
        -D CPACK_INSTALL_SCRIPTS="$(dirname "${BASH_SOURCE[0]}")/olderbuild.cmake" >/dev/null)
    timeout 60 wine "$project"/.older/vimbracl-*.exe /S "/D=$(native_path "$installed")"
    [ -f "$installed/bin/older-only.txt" ] || fail "the older build installed no file of its own"
    echo mine >"$installed/notes.txt"
    timeout 60 wine "$HELPER" /S "/D=$(native_path "$installed")"
    [ "$(cd "$installed" && find . -type f ! -name Uninstall.exe ! -name notes.txt | sort)" \
        = "$(cd "$VIMBRACL_PREFIX" && find . -type f | sort)" ] || fail "the upgrade left other files than the new build's"
    [ "$(registry "$uninstall" DisplayIcon)" = "$(native_path "$installed")\bin\vimbracl.exe" ] \
        || fail "the icon is registered as $(registry "$uninstall" DisplayIcon)"
    [[ $(registry "$uninstall" DisplayVersion) =~ ^[0-9]+\.[0-9]+ ]] && [ "$(registry "$uninstall" DisplayVersion)" != 0.9 ] \
        || fail "the version is registered as $(registry "$uninstall" DisplayVersion)"
    program=(wine "$installed/bin/vimbracl.exe")
    installation=$(native_path "$installed")
    case_first_start
    rm proj.opt proj.opt_act
    case_french
    timeout 60 wine "$installed/Uninstall.exe" /S
    timeout 60 wineserver --wait
    [ "$(cd "$installed" && find . ! -name . | sort)" = ./notes.txt ] || fail "the uninstaller left $(ls -R "$installed")"
    [ -z "$(registry "$uninstall" DisplayName)$(registry 'HKLM\Software\The vimbracl developers')" ] \
        || fail "the uninstaller left its registry keys"
}

# /CurrentUser installs into the user's own programs folder, registered
# under the user's keys alone, and its uninstaller removes it all.
case_installer_for_current_user() {
    local installed uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall\vimbracl'
    installed="$(ask_winepath -u "$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')")/Programs/vimbracl"
    timeout 60 wine "$HELPER" /S /CurrentUser
    [ -f "$installed/bin/vimbracl.exe" ] || fail "nothing was installed in $installed"
    [ -n "$(registry "HKCU\\$uninstall" DisplayName)" ] && [ -z "$(registry "HKLM\\$uninstall")" ] \
        || fail "it was not registered for the current user alone"
    [[ $(timeout 30 wine "$installed/bin/vimbracl.exe" --version | tr -d '\r') =~ ^vimbracl\ [1-9] ]] \
        || fail "the installed program printed no version"
    timeout 60 wine "$installed/Uninstall.exe" /S
    timeout 60 wineserver --wait
    [ ! -e "$installed" ] && [ -z "$(registry "HKCU\\$uninstall")$(registry 'HKCU\Software\The vimbracl developers')" ] \
        || fail "the uninstaller left $(ls -R "$installed" 2>/dev/null) or its keys"
}

# The MSI package, as an administrator deploys it: installed silently per
# machine, upgraded over a package of a lower version (whose own file goes,
# with its entry in Add/Remove Programs), and removed with every file and
# key of its own and none of the user's.
case_msi_package() {
    local installed="$drive_c/Program Files/vimbracl" older=$project/.older
    cp -r "$VIMBRACL_PREFIX" "$older" && echo older >"$older/bin/older-only.txt"
    bash "$(dirname "${BASH_SOURCE[0]}")/../../packaging/msi/build-msi.sh" 0.9 "The vimbracl developers" "$older" \
        "$project/older.msi" 2>/dev/null
    timeout 120 wine msiexec /i "$(native_path "$project/older.msi")" /qn || fail "the older package did not install"
    [ -f "$installed/bin/older-only.txt" ] && echo mine >"$installed/notes.txt"
    timeout 120 wine msiexec /i "$(native_path "$HELPER")" /qn || fail "the package did not install over the older one"
    [ "$(cd "$installed" && find . -type f ! -name notes.txt | sort)" = "$(cd "$VIMBRACL_PREFIX" && find . -type f | sort)" ] \
        || fail "the upgrade left other files than the new package's"
    [ "$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' \
         | grep -c 'DisplayName *REG_SZ *vimbracl$')" = 1 ] || fail "Add/Remove Programs lists vimbracl more than once"
    [[ $(timeout 30 wine "$installed/bin/vimbracl.exe" --version | tr -d '\r') =~ ^vimbracl\ [1-9] ]] \
        || fail "the installed program printed no version"
    timeout 120 wine msiexec /x "$(native_path "$HELPER")" /qn || fail "the package was not removed"
    [ "$(cd "$installed" && find . ! -name . | sort)" = ./notes.txt ] || fail "removing it left $(ls -R "$installed")"
    [ -z "$(registry 'HKLM\Software\The vimbracl developers')" ] || fail "removing it left its registry key"
}

# The program, the installer, the uninstaller it installs and the MSI
# package are signed, when the run signs (VIMBRACL_SIGN_CHECK names the
# certificate to check against).
case_signatures() {
    [ -n "${VIMBRACL_SIGN_CHECK:-}" ] || { echo "nothing signed in this run"; return 0; }
    local installed=$project/installed file
    timeout 60 wine "$HELPER" /S "/D=$(native_path "$installed")"
    for file in "$VIMBRACL_PREFIX/bin/vimbracl.exe" "$HELPER" "$installed/Uninstall.exe" "${HELPER%.exe}.msi"; do
        osslsigncode verify -CAfile "$VIMBRACL_SIGN_CHECK" -in "$file" >/dev/null || fail "$file carries no valid signature"
    done
    timeout 60 wine "$installed/Uninstall.exe" /S
    timeout 60 wineserver --wait
}

# version_of FILE KEY: a value of the Windows version information in FILE.
version_of() {
    strings -el -n 3 "$1" | grep -A1 -x "$2" | sed -n 2p
}

expect_version() {
    [[ $(version_of "$1" FileVersion) =~ ^[0-9]+\.[0-9]+ ]] && [ "$(version_of "$1" ProductName)" = vimbracl ] \
        || fail "$1 carries no version information"
}

# registry KEY [VALUE]: the value's data, or for no VALUE the key's name,
# where it is there.
registry() {
    local shown
    shown=$(wine reg query "$1" ${2:+/v "$2"} 2>&1 | tr -d '\r')
    ! grep -q 'Unable to find' <<<"$shown" || return 0
    if [ -n "${2:-}" ]; then sed -n "s/^ *$2 *REG_[A-Z_]* *//p" <<<"$shown"; else echo "$1"; fi
}

# The Debian package's program: on the PATH, and in the installation that
# VIMBRADIR names, it opens, saves and quits.
case_debian_package() {
    [[ $(vimbracl --version) =~ ^vimbracl\ [0-9] ]] || fail "vimbracl on the PATH printed no version"
    case_first_start
}

# A GUI-subsystem program (no console window) with its icon, whose every
# DLL, plugins' included, is installed beside it or is one of Windows' own.
case_windows_executable() {
    local bin=$VIMBRACL_PREFIX/bin system32=$drive_c/windows/system32 headers dll
    headers=$(x86_64-w64-mingw32-objdump -p "$bin/vimbracl.exe")
    grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "vimbracl.exe is no GUI-subsystem program"
    grep -q 'Entry: ID: 0x000003,' <<<"$headers" || fail "vimbracl.exe carries no icon"
    expect_version "$bin/vimbracl.exe"
    [ "$(version_of "$bin/vimbracl.exe" OriginalFilename)" = vimbracl.exe ] || fail "vimbracl.exe names no original file"
    grep -q 'longPathAware>true' "$bin/vimbracl.exe" && grep -q 'level="asInvoker"' "$bin/vimbracl.exe" \
        || fail "vimbracl.exe's manifest declares no long paths or execution level"
    # API sets (api-ms-win-*) are names the Windows loader resolves itself.
    for dll in $(find "$bin" -iname '*.exe' -o -iname '*.dll' | xargs -n1 x86_64-w64-mingw32-objdump -p \
                     | sed -n 's/^\s*DLL Name: //p' | grep -vi '^api-ms-win-' | sort -fu); do
        [ -n "$(find "$bin" "$system32" -maxdepth 1 -iname "$dll" | head -1)" ] \
            || fail "$dll, which the installation loads, is not installed"
    done
}

"case_$1"
echo "PASS: $1"
