#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Remitor need,
# when they are missing. Sourced by run.sh and test.sh.
set -euo pipefail

# dpkg-dev and file: the Debian package's dependencies are computed by
# dpkg-shlibdeps; desktop-file-utils checks the desktop entry;
# qt6-translations-l10n puts Qt's own dialogs into Bulgarian.
REMITOR_PACKAGES=(g++ cmake make pkg-config qt6-base-dev libgl-dev libsqlite3-dev
                  fonts-liberation2 poppler-utils xvfb xauth
                  dpkg-dev file desktop-file-utils qt6-translations-l10n)

remitor_missing_packages() {
  local missing=()
  for p in "${REMITOR_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

remitor_install_deps() {
  local missing
  missing=$(remitor_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Remitor: installing missing packages: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "Remitor: these Debian packages are missing and I am not root: $missing" >&2
      echo "Remitor: install them with: apt-get install -y $missing" >&2
      return 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  # shellcheck disable=SC2086
  if ! $sudo apt-get install -y -q $missing; then
    $sudo apt-get update -q || true
    # shellcheck disable=SC2086
    $sudo apt-get install -y -q $missing || {
      echo "Remitor: could not install: $missing" >&2
      return 1
    }
  fi
}

remitor_build() {
  local type=${1:-RelWithDebInfo}
  local dir=${REMITOR_BUILD_DIR:-build}
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
