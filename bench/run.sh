#!/usr/bin/env bash
# Installs the peers the benchmarks compare with, builds the benchmarks in
# Release (build/release) and runs them; names given as arguments run only
# those programs (for example: bash bench/run.sh bench_counter).
set -euo pipefail
cd "$(dirname "$0")/.."
# gawk and mawk (counter and containers), pcre2grep (containers), iconv
# (libc-bin, text files), gzip (the counter's texts), find and fdfind (the
# finder), rhash, exiftool and mediainfo (the file list's readers).
bash scripts/ensure_packages.sh $(cat scripts/build_packages.txt) gawk mawk pcre2-utils libc-bin gzip findutils fd-find \
  rhash libimage-exiftool-perl mediainfo
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSYLLABRIX_BENCH=ON
programs=("$@")
if [ ${#programs[@]} -eq 0 ]; then
  programs=($(cd bench && ls bench_*.cpp | sed 's/\.cpp$//'))
fi
cmake --build build/release --target "${programs[@]}"
for p in "${programs[@]}"; do
  echo "=== $p"
  "build/release/bench/$p"
done
