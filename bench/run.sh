#!/usr/bin/env bash
# Installs the peers the benchmarks compare with (bench/tool_packages.txt),
# builds the benchmarks in Release (build/release) and runs them; names given
# as arguments run only those programs (for example: bash bench/run.sh
# bench_counter). The load of the machine is printed before and after, as
# the ratios are only as good as the quiet they were measured in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure_packages.sh $(cat scripts/build_packages.txt) $(grep -v '^#' bench/tool_packages.txt)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSYLLABRIX_BENCH=ON
programs=("$@")
if [ ${#programs[@]} -eq 0 ]; then
  programs=($(cd bench && ls bench_*.cpp | sed 's/\.cpp$//'))
fi
cmake --build build/release --target "${programs[@]}"
echo "=== load before: $(uptime)"
start=$SECONDS
for p in "${programs[@]}"; do
  echo "=== $p"
  "build/release/bench/$p"
done
echo "=== load after: $(uptime)"
echo "=== all benchmarks took $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
