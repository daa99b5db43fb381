#!/usr/bin/env bash
# Reproduces every figure of docs/performance.md: builds the Linux and the Windows program and the
# web page, times the core's clicks, compares the Linux program's start-up with an empty window's
# under a virtual X server of its own, without and with an accessibility bus, measures the web
# page in headless Chromium against an empty module's, and weighs both programs stripped.
#   STARTUP_RUNS (default 20) sets how many times each start-up program runs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/setup.sh "${build_packages[@]}" "${test_packages[@]}" "${web_packages[@]}" "${web_test_packages[@]}"

cmake --preset default >/dev/null
cmake --build --preset default
cmake --preset windows >/dev/null
cmake --build --preset windows
cmake --preset web >/dev/null
cmake --build --preset web

bench_dir=build/default/bench
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo
echo "== The core: building the forms, and each click with its change collection"
"$bench_dir/headless_bench" --benchmark_min_time=0.05 --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_color=false | tee "$scratch/headless.txt"

echo
echo "== Start-up of the Linux program against an empty window and a window with one caption"
# -noreset: the server would otherwise start afresh after every program, and a program
# starting meanwhile could find no display.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  "$bench_dir/measure_startup" --runs "${STARTUP_RUNS:-20}" \
  "$bench_dir/startup_launcher" "$bench_dir/startup_floor" "$bench_dir/startup_text_floor" |
  tee "$scratch/startup.txt"

echo
echo "== The same with an accessibility bus, in a D-Bus session of its own"
# The accessibility module loads after the first paint, so the figures should not move.
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  "$bench_dir/measure_startup" --runs "${STARTUP_RUNS:-20}" \
  "$bench_dir/startup_launcher" "$bench_dir/startup_text_floor" 2>/dev/null | tee "$scratch/startup_bus.txt"

echo
echo "== The web page in headless Chromium: its files, its start-up against an empty module's, a click"
/usr/bin/python3 bench/web_bench.py build/web/platform/web/site build/web/bench/web_floor/site \
  scripts/serve_web.py tests/web "${STARTUP_RUNS:-20}" | tee "$scratch/web.txt"

echo
echo "== Sizes, stripped"
stripped_size() {
  local strip=$1 binary=$2
  cp "$binary" "$scratch/stripped"
  "$strip" "$scratch/stripped"
  stat -c %s "$scratch/stripped"
}
linux_size=$(stripped_size strip build/default/platform/fltk/pruhomat)
windows_size=$(stripped_size x86_64-w64-mingw32-strip build/windows/platform/win32/pruhomat.exe)
echo "Linux program (pruhomat):      $linux_size bytes"
echo "Windows program (pruhomat.exe): $windows_size bytes"

# The slowest median click, in nanoseconds.
slowest_click=$(awk '$1 ~ /^click\/.*_median$/ {
    ns = $2 * ($3 == "us" ? 1000 : $3 == "ms" ? 1000000 : 1)
    if (ns > slowest) { slowest = ns; name = $1 }
  } END { sub(/\/manual_time_median$/, "", name); printf "%.0f %s", slowest, name }' "$scratch/headless.txt")
# The slower median keystroke in the value dialog, in its field or a list of bands, in nanoseconds.
keystroke=$(awk '$1 ~ /^keystroke\/.*_median$/ {
    ns = $2 * ($3 == "us" ? 1000 : $3 == "ms" ? 1000000 : 1); if (ns > slowest) slowest = ns
  } END { printf "%.0f", slowest }' "$scratch/headless.txt")
# Ratio of a measure ("start-up" or "peak memory") against a floor program.
floor_ratio() {
  awk -v what="$1" -v floor="$2" '/^against / { inside = ($2 ~ ("/" floor "$")); next }
    inside && index($0, what) { for (i = 1; i <= NF; ++i) if ($i == "ratio") print $(i + 1) }' "$scratch/startup.txt"
}
startup_ratio=$(floor_ratio "start-up" startup_floor)
memory_ratio=$(floor_ratio "peak memory" startup_floor)
text_startup_ratio=$(floor_ratio "start-up" startup_text_floor)
text_memory_ratio=$(floor_ratio "peak memory" startup_text_floor)

verdict() { if awk "BEGIN { exit !($1) }"; then echo met; else echo missed; fi; }
echo
echo "== Summary against the targets"
printf '%-66s %s\n' \
  "start-up: ${startup_ratio} x the empty window's (target <= 1.5)" "$(verdict "$startup_ratio <= 1.5")" \
  "slowest click, median: ${slowest_click% *} ns, ${slowest_click#* } (target < 10000 ns)" \
  "$(verdict "${slowest_click% *} < 10000")" \
  "keystroke in the value dialog, median: ${keystroke} ns (target < 20000 ns)" "$(verdict "$keystroke < 20000")" \
  "peak memory: ${memory_ratio} x the empty window's (target <= 1.2)" "$(verdict "$memory_ratio <= 1.2")" \
  "start-up: ${text_startup_ratio} x the one-caption window's (target <= 1.05)" \
  "$(verdict "$text_startup_ratio <= 1.05")" \
  "peak memory: ${text_memory_ratio} x the one-caption window's (target <= 1.05)" \
  "$(verdict "$text_memory_ratio <= 1.05")" \
  "Windows .exe: ${windows_size} bytes stripped (target < 1500000)" "$(verdict "$windows_size < 1500000")"
