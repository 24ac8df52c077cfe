#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `make check-sanitize`: builds the library, tools and tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (gcc) in a tree of their own and runs the whole test suite there.
# The first error of either sanitizer, and every leak at exit, fails the test it happens in.
# Not part of `make test`: the build and the run take several times as long.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${DUIFW_SANITIZE_DIR:-$here/build-sanitize}

# Exported, not only given to the first configure: the tests that install the library and
# build a host against it configure trees of their own, which must be instrumented alike.
export CC=gcc CXX=g++
export CXXFLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer"
export LDFLAGS="-fsanitize=address,undefined"

if [ ! -f "$build_dir/build.ninja" ]; then
  # -O1 with line tables only: what the sanitizers' reports need, at half the compile time.
  cmake -S "$here" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DDUIFW_BUILD_BENCH=OFF
fi
cmake --build "$build_dir"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/tests/sanitize/lsan.supp:print_suppressions=0"
cd "$build_dir"
ctest --output-on-failure -j2 --timeout 1500
