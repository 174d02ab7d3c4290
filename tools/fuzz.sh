#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ (clang, ASan+UBSan) and runs each one
# over its seeds in fuzz/corpus/<target>/ and fresh inputs, JOBS (default 4) at a time.
#   tools/fuzz.sh 600          ten minutes a target
#   tools/fuzz.sh -runs=5000   a fixed number of inputs a target (./test.sh)
#   tools/fuzz.sh 60 wav aiff  only the targets named
# New inputs go to build-fuzz/corpus/<target>/, faulting ones to build-fuzz/findings/<target>/.
# Prints executions and findings a target, then "N passed, M failed"; fails on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."
limit=${1:-60}
case "$limit" in
  -runs=*) budget=("$limit") ;;
  *[!0-9]* | "") echo "usage: tools/fuzz.sh SECONDS | -runs=COUNT" >&2; exit 2 ;;
  *) budget=("-max_total_time=$limit") ;;
esac
jobs=${JOBS:-4}
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev || exit 1

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLON_FUZZ=ON -DQUILLON_TESTS=OFF >/dev/null || exit 1
cmake --build build-fuzz --target fuzz_targets -j "$jobs" >/dev/null || exit 1

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export SDL_AUDIODRIVER=dummy
# Readers that take a path read a scratch file; keep it in memory where we can.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

run_target() {
  local name=$1 work=build-fuzz/corpus/$1 found=build-fuzz/findings/$1 log=build-fuzz/logs/$1.log
  mkdir -p "$work" "$found" build-fuzz/logs
  build-fuzz/fuzz/"$name"_fuzz "$work" fuzz/corpus/"$name" "${budget[@]}" -seed=1 \
    -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 -close_fd_mask=1 -print_final_stats=1 \
    -artifact_prefix="$found/" >"$log" 2>&1
  local rc=$? runs findings
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  findings=$(find "$found" -type f | wc -l)
  if [ "$rc" -ne 0 ] && [ "$findings" -eq 0 ]; then findings=1; fi
  printf '%-14s %10s executions  %d findings\n' "$name" "${runs:-?}" "$findings"
  [ "$findings" -eq 0 ]
}

targets=("${@:2}")
if [ ${#targets[@]} -eq 0 ]; then
  for t in fuzz/*_fuzz.cpp; do targets+=("$(basename "$t" _fuzz.cpp)"); done
fi
rm -rf build-fuzz/findings
pids=() names=() passed=0 failed=0
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  run_target "$name" &
  pids+=($!) names+=("$name")
done
for i in "${!pids[@]}"; do
  if wait "${pids[$i]}"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
