#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Idempotent set-up: installs the Debian packages the project needs when they are missing,
# configures the build tree with Ninja and builds it. Used by `make run` and `make test`.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${DUIFW_BUILD_DIR:-$here/build}

# The one list of Debian packages the project needs.
packages=(cmake ninja-build g++ qt6-base-dev libpugixml-dev
          qt6-tools-dev qt6-l10n-tools libqt6opengl6-dev libxkbcommon-dev xvfb xauth libxtst6 dbus-daemon fonts-dejavu-core fonts-wqy-microhei ccache
          libxml2-utils at-spi2-core
          clang libclang-rt-14-dev) # clang and its sanitizer runtimes: the fuzz targets (README, "Fuzzing")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "setup: missing packages; run as root:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

# A build tree made by another generator or for another source folder cannot be reused; one whose
# configure step never finished has no build.ninja. Either way it is configured afresh.
cache="$build_dir/CMakeCache.txt"
if [ -f "$cache" ]; then
  generator=$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$cache")
  source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")
  if [ "$generator" != "Ninja" ] || [ "$source_dir" != "$here" ] || [ ! -f "$build_dir/build.ninja" ]; then
    echo "setup: reconfiguring $build_dir (generator '${generator}', source '${source_dir}')"
    rm -rf "$cache" "$build_dir/CMakeFiles" "$build_dir/build.ninja"
  fi
fi
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S "$here" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build_dir"
