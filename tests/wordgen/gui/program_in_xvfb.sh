#!/usr/bin/env bash
# Starts the built program as a person would, on a virtual X display with a
# fresh configuration folder: waits for the main window, clicks the create
# button, reads the words back through the program's copy command and the
# clipboard, closes the window with its Escape shortcut and checks that the
# program ended with 0 and wrote no settings file.
# Usage: program_in_xvfb.sh PATH_TO_SYLLABRIX
set -euo pipefail
program="$(readlink -f "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/../../../scripts/ensure_packages.sh" xvfb xdotool xclip x11-utils

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/app.log" ] && sed 's/^/  program: /' "$work/app.log" >&2
  exit 1
}

# A display number of our own, told by the server itself.
exec 3<> "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  display=$(head -n1 "$work/displayfd" 2>/dev/null || true)
  [ -n "$display" ] && break
  sleep 0.1
done
[ -n "${display:-}" ] || fail "Xvfb did not start"
export DISPLAY=":$display"

mkdir -p "$work/config" "$work/home"
# System libraries the program loads keep a few blocks to the end of the
# process; the sanitizer's leak check is to judge our own code.
printf 'leak:libdbus-1.so\nleak:libfontconfig.so\nleak:libxcb\nleak:libX11.so\nleak:libQt6XcbQpa.so\n' > "$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
(
  cd "$work"
  export XDG_CONFIG_HOME="$work/config" HOME="$work/home" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LANGUAGE=en
  exec "$program"
) > "$work/app.log" 2>&1 &
app_pid=$!

# The main window: the visible "Syllabrix" window at least as high as its
# smallest height (the splash screen is lower).
find_main_window() {
  local id h
  for id in $(xdotool search --onlyvisible --name "Syllabrix" 2>/dev/null); do
    h=$(xwininfo -id "$id" 2>/dev/null | awk '/Height:/ {print $2}')
    if [ "${h:-0}" -ge 480 ]; then
      echo "$id"
      return
    fi
  done
}
wid=""
for _ in $(seq 600); do
  wid=$(find_main_window)
  [ -n "$wid" ] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its window appeared"
  sleep 0.1
done
[ -n "$wid" ] || fail "no main window within 60 s"
# Let the splash screen go and the window settle.
sleep 3
wid=$(find_main_window)
[ -n "$wid" ] || fail "the main window went away"

width=$(xwininfo -id "$wid" | awk '/Width:/ {print $2}')
height=$(xwininfo -id "$wid" | awk '/Height:/ {print $2}')
# The create button stands in the bottom right corner of the creator tab.
xdotool mousemove --window "$wid" $((width - 60)) $((height - 30)) click 1
sleep 1
# Copy the result (Shift+Ctrl+C) and read it from the clipboard.
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool key --window "$wid" --clearmodifiers shift+ctrl+c
sleep 1
words=$(xclip -o -selection clipboard 2>/dev/null || true)
count=$(printf '%s\n' "$words" | grep -c '[A-Z]' || true)
[ "$count" -eq 6 ] || fail "expected six words, the clipboard holds: '$words'"
printf '%s\n' "$words" | grep -Eqv '^[A-Z]{3,6}$' && fail "a word is not 3 to 6 letters: '$words'"

# Escape is the close command (the window may be gone before the key is released).
xdotool key --window "$wid" Escape 2>/dev/null || true
for _ in $(seq 100); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then fail "the program did not end after Escape"; fi
set +e
wait "$app_pid"
rc=$?
set -e
app_pid=""
[ "$rc" -eq 0 ] || fail "exit code $rc"
settings=$(find "$work/config" "$work/home" -name '*.sxs' 2>/dev/null)
[ -z "$settings" ] || fail "a settings file was written: $settings"
echo "OK: six words created, program ended with 0, no settings file"
