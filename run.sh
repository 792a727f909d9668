#!/usr/bin/env bash
# Installs what is missing, builds the release version into build/release and starts Syllabrix.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/ensure_packages.sh $(cat scripts/build_packages.txt)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)"
exec build/release/src/app/syllabrix "$@"
