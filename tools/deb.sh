#!/usr/bin/env bash
# Installs what is missing and builds build-deb/vimbracl_VERSION_amd64.deb,
# which `apt-get install ./build-deb/vimbracl_*.deb` installs with what it
# needs; lintian checks it. Prints the package's path.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$ROOT/tools/lib/debian.sh"

install_packages
install_debian_packaging_packages
use_compiler_cache
build_debian_package
check_debian_package "$DEBIAN_PACKAGE"
echo "$DEBIAN_PACKAGE"
