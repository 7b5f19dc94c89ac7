#!/usr/bin/env bash
# Builds the Debian package remitor_<version>_<arch>.deb into the build
# folder: the program, its desktop entry and its icon. The version is the
# CMake project's; the dependencies are computed by dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
remitor_install_deps
dir=${REMITOR_BUILD_DIR:-build}
cmake -S . -B "$dir" >/dev/null
# Only the program: the package holds nothing else that is built.
cmake --build "$dir" --target remitor -j"$(nproc)"
cpack --config "$dir/CPackConfig.cmake" -B "$dir" >/dev/null
rm -rf "$dir/_CPack_Packages"
deb=$(ls -t "$dir"/remitor_*.deb | head -n 1)
case $deb in /*) ;; *) deb=./$deb ;; esac  # apt takes a file only as a path
echo "Remitor: built $deb"
echo "Remitor: install it with: sudo apt install $deb"
