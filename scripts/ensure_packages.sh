#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet.
# Runs apt-get update only when something is missing.
set -euo pipefail
# Several test processes may call this at once: one at a time, so that apt's
# own lock never refuses the second.
exec 9>"${TMPDIR:-/tmp}/syllabrix-ensure-packages.lock"
flock 9
missing=()
for pkg in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
