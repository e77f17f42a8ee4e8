#!/usr/bin/env bash
# Installs what is missing, builds, installs into build/prefix and opens the
# dialog on a copy of the demo project. Without a display it renders the
# dialog into build/demo.png under a virtual X server instead.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

install_packages
if [ -z "${DISPLAY:-}" ] && [ "${1:-}" != --png ]; then
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -nolisten tcp -noreset" \
        bash "$0" --png
fi
build_and_install --strip

project="$BUILD/demo"
mkdir -p "$project"
for file in demo.opt demo.opt_act; do
    [ -e "$project/$file" ] || cp "$ROOT/demo/$file" "$project/$file"
done
cd "$project"
if [ "${1:-}" != --png ]; then
    VIMBRADIR="$PREFIX" exec "$PREFIX/bin/vimbracl" -c++ demo.opt
fi

VIMBRADIR="$PREFIX" "$PREFIX/bin/vimbracl" -c++ demo.opt &
capture_dialog $! "$BUILD/demo.png"
echo "There is no display, so the dialog was rendered into $BUILD/demo.png."
echo "To open the real window, run tools/demo.sh in a desktop session, or over ssh -X."
