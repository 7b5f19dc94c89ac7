#!/usr/bin/env bash
# Builds Remitor and runs the whole test suite (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
remitor_install_deps
remitor_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${REMITOR_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
