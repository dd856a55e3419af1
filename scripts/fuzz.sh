#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz/, seeds
# their corpora from a generated media folder and runs each target for the
# given time, two at a time.
#
#   scripts/fuzz.sh [seconds per target] [media folder] [target ...]
#
# Defaults: 600 s, build/media (the normal build's), every target. Corpora
# grow in build-fuzz/corpus/<target>/, logs in build-fuzz/fuzz-logs/; a
# crash, leak or sanitizer report leaves its input as
# build-fuzz/fuzz-logs/<target>-crash-* and makes the script exit with 1.
# FUZZ_JOBS sets how many targets run at once (2).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-600}
media=$(realpath "${2:-build/media}")
shift $(( $# > 2 ? 2 : $# ))
jobs=${FUZZ_JOBS:-2}
out=$root/build-fuzz
[ -d "$media" ] || { echo "fuzz.sh: no media folder $media (build the media target first)" >&2; exit 2; }

all=()
for f in tests/fuzz/fuzz_*.cpp; do all+=("$(basename "$f" .cpp)"); done
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

CC=clang CXX=clang++ cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLUMO_FUZZ=ON \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
cmake --build "$out" -j2 --target "${targets[@]}"

# ---- seeds: a few small files per kind, copied or made from the media folder
seeds=$out/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{ini,picture,container,cursor,findpicture,colouring,maze,dotpicture,connect}
pick() { find "$media" -type f -iname "$1" -print0 | xargs -0 -r ls -S | tail -n "$2"; }
while read -r f; do [ -n "$f" ] && cp "$f" "$seeds/ini/"; done < <(find "$media" -maxdepth 1 -iname '*.ini')
printf '[Ukol101]\r\nPocet=2\r\nUrov1=do 3\r\nUrov2=do 5\r\nPodukol1=obrazky\r\n' >"$seeds/ini/captions.ini"
while read -r f; do [ -n "$f" ] && cp "$f" "$seeds/findpicture/"; done < <(find "$media" -ipath '*409*' -iname 'vyroky.ini')
n=0
while read -r f; do
  [ -n "$f" ] && cp "$f" "$seeds/colouring/$n.INI" && n=$((n + 1))
done < <(find "$media" -ipath '*411*' -iname '*.ini' | sort | awk 'NR % 4 == 1')
while read -r f; do [ -n "$f" ] && cp "$f" "$seeds/cursor/"; done < <(find "$media" -iname '*.cur')
while read -r f; do [ -n "$f" ] && cp "$f" "$seeds/maze/"; done < <(find "$media" -ipath '*412*' -iname 'blud*.ini')
while read -r f; do [ -n "$f" ] && cp "$f" "$seeds/dotpicture/"; done < <(find "$media" -ipath '*401*' -iname 'punt*.ini')
n=0
while read -r f; do
  [ -n "$f" ] && cp "$f" "$seeds/connect/$n.INI" && n=$((n + 1))
done < <(find "$media" -ipath '*406*' -iname '*.ini' | sort | awk 'NR % 5 == 1')
# Pictures shrunk to a few hundred bytes: baseline, progressive and grey
# JPEG, and BMPs of each depth the loader meets (24-bit, 8-bit, RLE).
i=0
while read -r f; do
  [ -n "$f" ] || continue
  convert "$f" -resize 24x24 -quality 70 "$seeds/picture/$i.jpg"
  convert "$f" -resize 16x16 -interlace Plane "$seeds/picture/$i-progressive.jpg"
  convert "$f" -resize 16x16 -colorspace Gray "$seeds/picture/$i-grey.jpg"
  convert "$f" -resize 12x12 -type TrueColor "BMP3:$seeds/picture/$i-24.bmp"
  convert "$f" -resize 12x12 -colors 16 -type Palette "BMP3:$seeds/picture/$i-8.bmp"
  convert "$f" -resize 12x12 -colors 16 -compress RLE "BMP3:$seeds/picture/$i-rle.bmp"
  i=$((i + 1))
done < <(pick '*.jpg' 3; pick '*.bmp' 1)
# Containers: the generated ones that are small, and the shrunk JPEGs
# packed at a few offsets (byte 236 = b, the picture at 255 + b).
while read -r f; do [ -n "$f" ] && cp "$f" "$seeds/container/"; done < <(find "$media" -iname '*.pt0' -size -64k)
python3 - "$seeds" <<'PY'
import os, sys
seeds = sys.argv[1]
for name in sorted(os.listdir(f"{seeds}/picture")):
    if not name.endswith(".jpg"):
        continue
    jpeg = open(f"{seeds}/picture/{name}", "rb").read()
    for b in (0, 17, 255):
        head = bytearray(255 + b)
        head[236] = b
        open(f"{seeds}/container/{name}-{b}.PT0", "wb").write(bytes(head) + jpeg)
PY

kind() {
  case $1 in
    fuzz_ini) echo ini ;; fuzz_picture) echo picture ;; fuzz_container) echo container ;;
    fuzz_cursor) echo cursor ;; fuzz_findpicture) echo findpicture ;; fuzz_colouring) echo colouring ;;
    fuzz_maze) echo maze ;; fuzz_dotpicture) echo dotpicture ;; fuzz_connect) echo connect ;;
    *) echo "$1" ;;
  esac
}

logs=$out/fuzz-logs
mkdir -p "$logs"
run() {
  local t=$1 corpus=$out/corpus/$1 dict=()
  case $(kind "$t") in ini | findpicture | colouring | maze | dotpicture | connect) dict=(-dict="$root/tests/fuzz/ini.dict") ;; esac
  mkdir -p "$corpus"
  rm -f "$logs/$t"-crash-* "$logs/$t"-leak-* "$logs/$t"-timeout-* "$logs/$t"-oom-*
  # Qt's own leaks at exit are not the readers'; every leak of ours shows
  # up as a leak per input (-detect_leaks stays on).
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  QT_QPA_PLATFORM=offscreen \
    "$out/tests/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$logs/$t-" "${dict[@]}" "$corpus" "$seeds/$(kind "$t")" >"$logs/$t.log" 2>&1
}

status=0
pids=()
names=()
for t in "${targets[@]}"; do
  run "$t" &
  pids+=($!)
  names+=("$t")
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || true
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p" || true; done

printf '%-18s %12s %8s %8s %s\n' target executions cov ft findings
for t in "${names[@]}"; do
  log=$logs/$t.log
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  last=$(grep -E '^#[0-9]+' "$log" | grep -E 'cov: ' | tail -n 1 || true)
  cov=$(sed -n 's/.*cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.*ft: \([0-9]*\).*/\1/p' <<<"$last")
  found=$( (ls "$logs/$t"-crash-* "$logs/$t"-leak-* "$logs/$t"-timeout-* "$logs/$t"-oom-* 2>/dev/null || true) | wc -l)
  if [ "$found" -gt 0 ] || grep -q 'ERROR: \(AddressSanitizer\|LeakSanitizer\|libFuzzer\)\|runtime error:' "$log"; then
    status=1
    what="FOUND ($found inputs, see $log)"
  else
    what=clean
  fi
  printf '%-18s %12s %8s %8s %s\n' "$t" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$what"
done
exit $status
