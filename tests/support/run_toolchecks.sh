#!/usr/bin/env bash
# Runs the checks of a test binary that compare our results with real tools,
# installing those tools first.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/../../scripts/ensure_packages.sh" $(cat "$here/../../scripts/tool_packages.txt")
exec "$1" --gtest_filter='ToolCheck*'
