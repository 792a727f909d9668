#!/usr/bin/env bash
# Runs the checks of a test binary that compare our results with real tools,
# installing those tools first: the common ones of scripts/tool_packages.txt
# and the folder's own list, when it has one.
# Usage: run_toolchecks.sh TEST_BINARY [PACKAGE_LIST_FILE]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
packages=$(cat "$here/../../scripts/tool_packages.txt")
if [ $# -ge 2 ] && [ -f "$2" ]; then
  packages="$packages $(grep -v '^#' "$2")"
fi
bash "$here/../../scripts/ensure_packages.sh" $packages
exec "$1" --gtest_filter='ToolCheck*'
