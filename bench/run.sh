#!/usr/bin/env bash
# Times each tool against `dd bs=1M` copying the same page-cached file, in
# alternating runs, and reports the ratio of the medians and the tool's peak
# memory (resident set, from /usr/bin/time).
#
#   bench/run.sh [BUILD_DIR] [RUNS]     (default: build/default, 5 runs)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/default}
runs=${2:-5}
bin=$(cd "$build/bin" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/neo-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

now_ns() { date +%s%N; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# bench NAME INPUT LIMIT_RATIO MEMORY_LIMIT_KIB COMMAND...: the command runs
# with the answers file as standard input, output discarded.
bench() {
  local name=$1 input=$2 limit=$3 mem_limit=$4
  shift 4
  : >tool.times
  : >dd.times
  : >tool.mem
  cat "$input" >/dev/null  # into the page cache
  local i t0 t1
  for ((i = 0; i < runs; i++)); do
    # Each run starts with no old output to truncate and no dirty pages of
    # the last run still being written back.
    rm -f out.bin c1.bin c2.bin copy
    sync
    t0=$(now_ns)
    /usr/bin/time -f %M -o mem.out "$@" <answers >/dev/null
    t1=$(now_ns)
    echo $((t1 - t0)) >>tool.times
    cat mem.out >>tool.mem
    rm -f out.bin c1.bin c2.bin copy
    sync
    t0=$(now_ns)
    /usr/bin/time -f %M -o mem.out dd if="$input" of=copy bs=1M status=none
    t1=$(now_ns)
    echo $((t1 - t0)) >>dd.times
  done
  local tool_ms dd_ms ratio peak
  tool_ms=$(median <tool.times | awk '{ printf "%.1f", $1 / 1e6 }')
  dd_ms=$(median <dd.times | awk '{ printf "%.1f", $1 / 1e6 }')
  ratio=$(awk -v a="$tool_ms" -v b="$dd_ms" 'BEGIN { printf "%.2f", a / b }')
  peak=$(sort -n tool.mem | tail -1)
  printf '%-9s %8s ms  dd %8s ms  ratio %5s (limit %s)  peak %6d KiB (limit %d KiB)\n' \
    "$name" "$tool_ms" "$dd_ms" "$ratio" "$limit" "$peak" "$mem_limit"
  rm -f out.bin c1.bin c2.bin copy
}

echo "making inputs in $work ..."
head -c $((64 << 20)) /dev/urandom >tiles64
head -c $((256 << 20)) /dev/urandom >data256

# pellimar: load, convert, then the full even/odd split, 32 MiB each.
printf '0 0 2000000 c1.bin 0 1 2000000 c2.bin -1\n' >answers
bench pellimar tiles64 3 $(((2 * 64 + 8) << 10)) "$bin/pellimar" tiles64
: >answers
bench galdrun data256 1.5 $((8 << 10)) "$bin/galdrun" data256 out.bin
bench ostrim data256 1.5 $((8 << 10)) "$bin/ostrim" data256 out.bin
bench vendrel data256 1.2 $((8 << 10)) "$bin/vendrel" data256 out.bin 0 10000000
