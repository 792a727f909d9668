#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# into build/test and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
# The tools of the checks come first too, so that no test waits on a package install.
bash scripts/ensure_packages.sh $(cat scripts/build_packages.txt) $(cat scripts/tool_packages.txt) \
  $(find tests -name tool_packages.txt -exec grep -hv '^#' {} +)
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSYLLABRIX_SANITIZE=ON -DSYLLABRIX_WERROR=ON
cmake --build build/test -j "$jobs"
cd build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j "$jobs"

# The reader threads once more under ThreadSanitizer, in a small build of their own.
cd ../..
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSYLLABRIX_TSAN=ON -DSYLLABRIX_WERROR=ON
cmake --build build/tsan -j "$jobs" --target filelist_qt_tsan_tests
cd build/tsan
ctest --output-on-failure
