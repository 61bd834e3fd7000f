#!/usr/bin/env bash
# Reproduces every speed and memory figure of the reader in one command and prints them as a table:
# scan throughput against a plain read and against the reference scan, peak memory of scans, and
# whole-file extraction against cp. Every figure is a ratio against a baseline measured in this run.
# Usage: bench/run.sh            (sizes: TARVELO_BENCH_SCAN_MIB=1024 TARVELO_BENCH_WORST_MIB=512
#                                 TARVELO_BENCH_EXTRACT_MIB=1024 TARVELO_BENCH_REPS=3)
# Files go to a temporary folder under ${TMPDIR:-/tmp} (about 4.5 GiB at the default sizes) and are
# removed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${TARVELO_BUILD_ROOT:-$root/build}/bench
scan_mib=${TARVELO_BENCH_SCAN_MIB:-1024}
worst_mib=${TARVELO_BENCH_WORST_MIB:-512}
extract_mib=${TARVELO_BENCH_EXTRACT_MIB:-1024}
reps=${TARVELO_BENCH_REPS:-3}

echo "=== building the benchmarks in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_GUI=OFF -DTARVELO_TESTS=ON \
  -DTARVELO_BENCH=ON >/dev/null
cmake --build "$build" -j "${TARVELO_JOBS:-2}" --target bench_scan bench_scan_memory bench_extract \
  bench_make_files bkfgen
bin=$build/bench

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvelo-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
need_mib=$((scan_mib + 2 * worst_mib + 3 * extract_mib + 256))
free_mib=$(df -Pm "$work" | awk 'NR == 2 { print $4 }')
if [ "$free_mib" -lt "$need_mib" ]; then
  echo "not enough space in $work: $free_mib MiB free, $need_mib MiB needed (set TMPDIR)" >&2
  exit 1
fi

# field LINE KEY: the value of KEY=VALUE in a RESULT line.
field() { tr ' ' '\n' <<<"$1" | sed -n "s/^$2=//p"; }
mibps() { awk -v b="$1" -v s="$2" 'BEGIN { printf "%.0f", b / s / 1048576 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
meets() { awk -v v="$1" -v t="$2" 'BEGIN { print (v >= t ? "yes" : "NO") }'; }
now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.4f", b - a }'; }

echo "=== writing the input files in $work"
"$bin/bench_make_files" realistic "$scan_mib" "$work/realistic.bkf"
"$bin/bench_make_files" random "$worst_mib" "$work/random.bin"
"$bin/bench_make_files" zeros "$worst_mib" "$work/zeros.bin"
truncate -s 4G "$work/zeros-4g-sparse.bin"
"$build/tools/bkfgen/bkfgen" big "$work/big-sparse.bkf" >/dev/null
extract_list=$("$build/tools/bkfgen/bkfgen" big --size "${extract_mib}M" --patterned --list "$work/extract.bkf")
extract_offset=$(awk -F'\t' '$4 ~ /big\.bin$/ { print $1 }' <<<"$extract_list")
extract_bytes=$(awk -F'\t' '$4 ~ /big\.bin$/ { print $3 }' <<<"$extract_list")

echo "=== scan throughput (best of $reps)"
"$bin/bench_scan" --benchmark_color=false --benchmark_repetitions="$reps" \
  "realistic=$work/realistic.bkf" "random=$work/random.bin" "zeros=$work/zeros.bin" | tee "$work/scan.txt"

echo "=== peak memory of a scan"
: >"$work/memory.txt"
for pair in "realistic=$work/realistic.bkf" "zeros-4GiB-sparse=$work/zeros-4g-sparse.bin" \
  "entry-over-4GiB-sparse=$work/big-sparse.bkf"; do
  "$bin/bench_scan_memory" "${pair%%=*}" "${pair#*=}" | tee -a "$work/memory.txt"
done

echo "=== whole-file extraction against cp (best of $reps)"
cat "$work/extract.bkf" >/dev/null
copy_best="" extract_best=""
for _ in $(seq "$reps"); do
  rm -f "$work/copy.out" "$work/extract.out"; sync
  start=$(now); cp --reflink=never "$work/extract.bkf" "$work/copy.out"; copy_s=$(seconds_since "$start")
  rm -f "$work/copy.out"; sync
  start=$(now); line=$("$bin/bench_extract" "$work/extract.bkf" "$extract_offset" "$work/extract.out")
  extract_s=$(seconds_since "$start")
  if [ "$(field "$line" bytes)" != "$extract_bytes" ]; then
    echo "the extraction wrote $(field "$line" bytes) bytes, not $extract_bytes" >&2
    exit 1
  fi
  echo "cp ${copy_s}s, extraction ${extract_s}s"
  copy_best=$(awk -v a="${copy_best:-$copy_s}" -v b="$copy_s" 'BEGIN { print (b < a ? b : a) }')
  extract_best=$(awk -v a="${extract_best:-$extract_s}" -v b="$extract_s" 'BEGIN { print (b < a ? b : a) }')
done
copy_bytes=$(stat -c %s "$work/extract.bkf")
rm -f "$work/extract.out"

echo
echo "=== results"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
  "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo) memory, kernel $(uname -r)," \
  "$(stat -f -c %T "$work") file system; files page-cached"
echo
echo "| measurement | figure | baseline | ratio | target | met |"
echo "|---|---|---|---|---|---|"
while read -r line; do
  label=$(cut -d' ' -f3 <<<"$line")
  bytes=$(field "$line" bytes)
  plain=$(field "$line" plain_s)
  scan=$(field "$line" scan_s)
  reference=$(field "$line" reference_s)
  size="$((bytes / 1048576)) MiB, $(field "$line" files) files"
  echo "| scan $label ($size) | $(mibps "$bytes" "$scan") MiB/s | plain read $(mibps "$bytes" "$plain") MiB/s |" \
    "$(field "$line" scan_vs_plain) | >= 0.5 | $(meets "$(field "$line" scan_vs_plain)" 0.5) |"
  if [ -n "$reference" ]; then
    echo "| scan $label ($size) | $(mibps "$bytes" "$scan") MiB/s | reference $(mibps "$bytes" "$reference") MiB/s |" \
      "$(field "$line" scan_vs_reference) | >= 5 | $(meets "$(field "$line" scan_vs_reference)" 5) |"
  fi
done < <(grep '^RESULT scan' "$work/scan.txt")
while read -r line; do
  label=$(cut -d' ' -f3 <<<"$line")
  peak=$(field "$line" peak_rss)
  peak_mib=$(awk -v p="$peak" 'BEGIN { printf "%.1f", p / 1048576 }')
  echo "| peak RSS, scan $label ($(($(field "$line" bytes) / 1048576)) MiB) | $peak_mib MiB | 32 MiB |" \
    "$(ratio "$peak_mib" 32) | <= 1 | $(awk -v p="$peak_mib" 'BEGIN { print (p <= 32 ? "yes" : "NO") }') |"
done < <(grep '^RESULT memory' "$work/memory.txt")
extract_ratio=$(awk -v eb="$extract_bytes" -v es="$extract_best" -v cb="$copy_bytes" -v cs="$copy_best" \
  'BEGIN { printf "%.2f", (eb / es) / (cb / cs) }')
echo "| extract $((extract_bytes / 1048576)) MiB entry | $(mibps "$extract_bytes" "$extract_best") MiB/s |" \
  "cp $(mibps "$copy_bytes" "$copy_best") MiB/s | $extract_ratio | >= 0.7 | $(meets "$extract_ratio" 0.7) |"
