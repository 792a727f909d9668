#!/usr/bin/env bash
# Installs what is missing, builds the release version of the program into
# build/release and starts Syllabrix. Only the program and the libraries it
# links are built; ./test.sh builds the tests, benchmarks and fuzz replays.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/ensure_packages.sh $(cat scripts/build_packages.txt)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target syllabrix
exec build/release/src/app/syllabrix "$@"
