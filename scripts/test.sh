#!/usr/bin/env bash
# Builds Remitor and runs the whole test suite (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
remitor_install_deps
remitor_build
export QT_QPA_PLATFORM=offscreen
# The tools the tests read printouts with were installed above: a test
# that misses one fails instead of skipping.
export REMITOR_REQUIRE_TOOLS=1
ctest --test-dir "${REMITOR_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
