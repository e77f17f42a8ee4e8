#!/usr/bin/env bash
# Installs what is missing, builds, installs into build/prefix and opens the
# dialog on a copy of the demo project.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build_and_install --strip

project="$BUILD/demo"
mkdir -p "$project"
for file in demo.opt demo.opt_act; do
    [ -e "$project/$file" ] || cp "$ROOT/demo/$file" "$project/$file"
done
cd "$project"
VIMBRADIR="$PREFIX" exec "$PREFIX/bin/vimbracl" -c++ demo.opt
