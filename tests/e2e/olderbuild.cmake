# Run by CPack while it stages an "older build" for the installer case: a
# file that the current build no longer installs.
file(WRITE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/older-only.txt" "from an older build\n")
