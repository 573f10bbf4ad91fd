#!/usr/bin/env bash
# Installs what Orvandel needs on Debian 12, and nothing when all of it is present. Sourced by
# the other scripts; on its own it installs everything (scripts/setup.sh) or only what building
# and running the program needs (scripts/setup.sh --build).
set -euo pipefail
# Building and running the program.
ORV_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins
  fonts-dejavu-core
)
# Tests, benchmarks, fuzzing, the format check and the install and package checks.
ORV_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  xvfb xauth x11-utils
  desktop-file-utils appstream dpkg-dev file
  debhelper devscripts lintian fakeroot libglib2.0-bin
  python3
  faketime
  dbus-x11 at-spi2-core python3-pyatspi xdotool openbox orca speech-dispatcher
)
ORV_PACKAGES=("${ORV_BUILD_PACKAGES[@]}" "${ORV_TEST_PACKAGES[@]}")
orv_missing_packages() {
  local p missing=()
  for p in "${ORV_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}
orv_install_build_dependencies() {
  orv_install_packages "${ORV_BUILD_PACKAGES[@]}"
}
orv_install_dependencies() {
  orv_install_packages "${ORV_PACKAGES[@]}"
}
# Installs those of the given packages that are missing.
orv_install_packages() {
  local missing
  missing=$(ORV_PACKAGES=("$@"); orv_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "These Debian packages are missing and there is no sudo to install them: $missing" >&2
      return 1
    fi
  fi
  # A fresh machine knows no packages until the lists have been fetched once.
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  if [ "${1:-}" = "--build" ]; then orv_install_build_dependencies; else orv_install_dependencies; fi
fi
