#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every benchmark of the build tree, one after the other.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${DUIFW_BUILD_DIR:-$here/build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for b in "$build_dir"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done
