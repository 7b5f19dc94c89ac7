#!/usr/bin/env bash
# Builds Remitor and starts it. The program keeps its database files in its
# working directory: here, the folder `data` (override with REMITOR_DATA).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
remitor_install_deps
remitor_build
root=$(pwd)
data=${REMITOR_DATA:-$root/data}
mkdir -p "$data"
cd "$data"
exec "$root/${REMITOR_BUILD_DIR:-build}/src/remitor" "$@"
