#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the project's main program from the build tree.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${DUIFW_BUILD_DIR:-$here/build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi
exec "$build_dir/tools/duidemo/duidemo" "$build_dir/duidemo.png"
