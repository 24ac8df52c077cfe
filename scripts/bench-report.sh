#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes docs/performance.md from the output of `make bench`: one table per benchmark program,
# with what it measures (the program's header comment), each case against its baseline and the
# ratio. Usage: scripts/bench-report.sh [FILE]   (FILE: saved `make bench` output; without it the
# benchmarks are run now).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/docs/performance.md"

if [ $# -ge 1 ]; then
  input=$(cat "$1")
else
  input=$("$here/scripts/bench.sh" 2>/dev/null)
fi

# The header comment of a benchmark's source, without the licence line, as one paragraph.
describe() {
  local source="$here/bench/$1.cpp"
  [ -f "$source" ] || return 0
  awk 'NR > 1 && /^\/\// { sub(/^\/\/ ?/, ""); print; next } NR > 1 { exit }' "$source"
}

{
  echo "# Performance"
  echo
  echo "Figures of every benchmark in \`bench/\`, each case measured against a baseline in the same"
  echo "run on the same machine, so that the ratio, not the absolute time, is what compares across"
  echo "machines. Produced by \`scripts/bench-report.sh\` from \`make bench\` on $(date -u +%Y-%m-%d),"
  echo "on $(nproc) cores ($(uname -m)). A ratio below 1 means the framework's case is the faster."
  echo
  program=""
  echo "$input" | while IFS= read -r line; do
    case "$line" in
      "== "*)
        program=${line#== }
        echo
        echo "## $program"
        echo
        desc=$(describe "$program")
        [ -n "$desc" ] && echo "$desc" && echo
        echo "| case | measured | baseline | against | ratio |"
        echo "|---|---|---|---|---|"
        ;;
      *" ratio "*)
        # "<case>  <value> <unit>   <baseline>  <value> <unit>   ratio <r>"
        echo "$line" | sed -E 's/^(.*[^ ]) +([0-9.]+) (ms|MB) +(.*[^ ]) +([0-9.]+) (ms|MB) +ratio ([0-9.]+)$/| \1 | \2 \3 | \5 \6 | \4 | \7 |/'
        ;;
      "  "*)
        echo "| &nbsp;&nbsp;${line#  } | | | | |"
        ;;
    esac
  done
} > "$out"
echo "wrote $out"
