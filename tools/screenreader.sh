#!/usr/bin/env bash
# tools/screenreader.sh [LANG] [KEY...]: opens the dialog on a demo project
# with the Orca screen reader running, types each KEY (xdotool key names,
# for example shift+Tab space alt+v), and prints what Orca said. Needs no
# sound card and no display: Orca speaks to a null device under a virtual X
# server, and its speech is logged.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

language=${1:-C.UTF-8}
[ $# -gt 0 ] && shift
keys=("$@")
[ ${#keys[@]} -gt 0 ] || keys=(shift+Tab space Tab)

install_packages
install_packages orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox dbus-x11 at-spi2-core
build_and_install >/dev/null

session=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID"; rm -rf "$session"' EXIT
export HOME=$session/home XDG_DATA_HOME=$session/data XDG_CONFIG_HOME=$session/config XDG_RUNTIME_DIR=$session/run
export LANG=$language LC_ALL= LANGUAGE=
mkdir -p "$HOME" "$XDG_DATA_HOME/orca" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR" "$session/project"
chmod 700 "$XDG_RUNTIME_DIR"
# Without a sound card Orca hangs on its first words unless they go nowhere.
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
printf 'AudioOutputMethod "alsa"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
printf 'import logging\n_log = logging.FileHandler("%s")\n_log.setFormatter(logging.Formatter("%%(message)s"))\nlogging.getLogger("speech").addHandler(_log)\n' \
    "$session/speech.log" >"$XDG_DATA_HOME/orca/orca-customizations.py"

display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
export DISPLAY=$display
sleep 1
eval "$(dbus-launch --sh-syntax)"
openbox >/dev/null 2>&1 &
orca --replace >"$session/orca.log" 2>&1 &
sleep 5

printf '%s' '-proc -nocall -block=decision -nocond' >"$session/project/demo.opt"
printf 0 >"$session/project/demo.opt_act"
: >"$session/speech.log"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 VIMBRADIR="$PREFIX" "$PREFIX/bin/vimbracl" -c "$session/project/demo.opt" \
    >/dev/null 2>&1 &
program=$!
for _ in $(seq 50); do
    xdotool search --onlyvisible --class vimbracl >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 2
for key in "${keys[@]}"; do
    echo "### $key" >>"$session/speech.log"
    xdotool key "$key"
    sleep 1.2
done
kill "$program"
wait "$program" 2>/dev/null || true
sed -n 's/^SPEECH OUTPUT: //p; /^###/p' "$session/speech.log"
