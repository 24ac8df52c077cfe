#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs one libFuzzer target of the fuzz build tree: its seeds are copied into a working corpus
# of its own (build-fuzz/corpus-TARGET, which keeps growing across runs), its dictionary and
# input size are passed, and LeakSanitizer reads fuzz/lsan.supp. Crash inputs land in the build
# tree as crash-TARGET-*.
#
#   fuzz/run.sh TARGET [SECONDS] [libFuzzer options...]      SECONDS defaults to 600
#
# DUIFW_FUZZ_DIR names another build tree (default: build-fuzz beside this folder).
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=${DUIFW_FUZZ_DIR:-$here/build-fuzz}
[ $# -ge 1 ] || { echo "usage: fuzz/run.sh TARGET [SECONDS] [libFuzzer options...]" >&2; exit 2; }
target=$1
shift
seconds=600
if [ $# -ge 1 ]; then
  seconds=$1
  shift
fi

seeds=$here/fuzz/seeds/$target
dict=
case $target in
  xml_builder)   seeds=$here/fuzz/corpus; dict=xml.dict; max_len=8192 ;;
  menu_file)     dict=menu.dict;     max_len=8192 ;;
  gradient_file) dict=gradient.dict; max_len=4096 ;;
  font_file)     dict=font.dict;     max_len=4096 ;;
  gif_pool)      dict=gif.dict;      max_len=65536 ;;
  text_html)     dict=html.dict;     max_len=16384 ;;
  mime_payload)  dict=mime.dict;     max_len=8192 ;;
  pipe_socket)   max_len=4096 ;; # a script of operations: no keywords
  *) echo "fuzz/run.sh: no target named $target" >&2; exit 2 ;;
esac

corpus=$build/corpus-$target
mkdir -p "$corpus"
cp "$seeds"/* "$corpus"/
export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
exec "$build/fuzz/fuzz_$target" ${dict:+-dict=$here/fuzz/$dict} -max_len=$max_len -max_total_time="$seconds" \
  -artifact_prefix="$build/crash-$target-" "$@" "$corpus"
