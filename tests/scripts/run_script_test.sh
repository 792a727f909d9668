#!/usr/bin/env bash
# Runs the project's run.sh in a copy of its folder where cmake, the package
# installer and the program are stand-ins that log their arguments, and
# checks that the first run builds the program target alone and then starts
# the program with the arguments given to run.sh.
# Usage: run_script_test.sh PROJECT_FOLDER
set -euo pipefail
project="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/log" ] && sed 's/^/  log: /' "$work/log" >&2
  exit 1
}

mkdir -p "$work/clone/scripts" "$work/clone/build/release/src/app" "$work/bin"
cp "$project/run.sh" "$work/clone/"
cp "$project/scripts/build_packages.txt" "$work/clone/scripts/"
log="$work/log"
cat > "$work/clone/scripts/ensure_packages.sh" <<STUB
echo "ensure_packages \$*" >> "$log"
STUB
cat > "$work/bin/cmake" <<STUB
#!/usr/bin/env bash
echo "cmake \$*" >> "$log"
STUB
cat > "$work/clone/build/release/src/app/syllabrix" <<STUB
#!/usr/bin/env bash
echo "syllabrix \$*" >> "$log"
STUB
chmod +x "$work/bin/cmake" "$work/clone/build/release/src/app/syllabrix"

PATH="$work/bin:$PATH" bash "$work/clone/run.sh" profile.sxs || fail "run.sh ended with an error"

grep -q "^ensure_packages .*qt6-base-dev" "$log" || fail "the build packages were not ensured"
grep -q "^cmake -S \. -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release$" "$log" || fail "no release configuration"
builds=$(grep -c "^cmake --build" "$log" || true)
[ "$builds" -eq 1 ] || fail "expected one build step, found $builds"
build=$(grep "^cmake --build" "$log")
# One target, the program; no "all", no tests or benchmarks.
[[ "$build" =~ ^cmake\ --build\ build/release\ -j\ [0-9]+\ --target\ syllabrix$ ]] ||
  fail "the build step must name only the program target: '$build'"
[ "$(tail -n1 "$log")" = "syllabrix profile.sxs" ] || fail "the program did not start last with the arguments"
echo "OK: $build"
