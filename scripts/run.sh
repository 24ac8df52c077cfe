#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shows the gallery through its host program; without a display it renders the gallery to a PNG.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${DUIFW_BUILD_DIR:-$here/build}
cd "$build_dir"
exec "$build_dir/examples/gallery/duigallery" "$@"
