#!/usr/bin/env bash
# Opens files without an extension through the program's real open dialog,
# as a person does: Ctrl+O, "All Files" chosen, the full path typed, Return.
# Each file must arrive in the syllable field as it is. Loaded text is
# nothing to lose; typed text is: Escape then asks before the program ends
# with exit code 0.
# Usage: open_dialog_in_xvfb.sh PATH_TO_SYLLABRIX
set -euo pipefail
program="$(readlink -f "$1")"
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/../../../scripts/ensure_packages.sh" xvfb xdotool xclip x11-utils
# shellcheck source=xvfb_session.sh
source "$here/xvfb_session.sh"

xvfb_start "$(mktemp -d)"
work="$xvfb_work"
printf '0100 KA\n0200 TI\n0300 RO' > "$work/README"
files=("$work/README")
[ -f /usr/share/common-licenses/GPL-3 ] && files+=(/usr/share/common-licenses/GPL-3)

# The id of the visible window whose title matches the pattern, waited for
# up to 10 s; "" when none came.
window_named() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

xvfb_start_program "$program"
xvfb_wait_main_window
wid=$(xvfb_main_window)
width=$(xwininfo -id "$wid" | awk '/Width:/ {print $2}')
height=$(xwininfo -id "$wid" | awk '/Height:/ {print $2}')

for file in "${files[@]}"; do
  # Without a window manager the keys go to the window under the pointer.
  xdotool mousemove --window "$wid" $((width * 2 / 3)) $((height / 2)) click 1
  sleep 0.3
  xdotool key --clearmodifiers ctrl+o
  dialog=$(window_named "Load File")
  if [ -z "$dialog" ]; then
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do echo "window $id: $(xdotool getwindowname "$id")" >&2; done
    xvfb_fail "no open dialog after Ctrl+O"
  fi
  xdotool mousemove --window "$dialog" 20 5
  sleep 0.5
  # The name field has the focus; the filter list is the next control.
  xdotool key --clearmodifiers Tab Down shift+Tab
  sleep 0.3
  xdotool type --delay 10 "$file"
  sleep 0.5
  # The first Return may only close the name's completion list.
  xdotool key --clearmodifiers Return
  sleep 0.5
  if xdotool search --onlyvisible --name "Load File" > /dev/null 2>&1; then
    xdotool key --clearmodifiers Return
    sleep 0.5
  fi
  xdotool search --onlyvisible --name "Load File" > /dev/null 2>&1 && xvfb_fail "the dialog refused $file"
  # Copy the syllable field (left pane) and compare it with the file.
  xdotool mousemove --window "$wid" $((width / 6)) $((height / 2)) click 1
  sleep 0.3
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.5
  xclip -o -selection clipboard > "$work/field" 2>/dev/null || true
  # The field holds LF line breaks, as the file does.
  cmp -s "$work/field" "$file" || xvfb_fail "the syllable field does not hold $file (first line: '$(head -n1 "$work/field")')"
  echo "opened $file"
done

# A typed change is work to lose: Escape asks, and Escape or Return in the
# question answers no (the default) and keeps the program; Yes ends it.
# ask_and_answer WHAT KEYS...: Escape in the main window must ask; the keys answer.
ask_and_answer() {
  local what=$1
  shift
  xdotool mousemove --window "$wid" $((width / 6)) $((height / 2)) click 1
  sleep 0.3
  xdotool key --clearmodifiers Escape
  question=$(window_named "^Warning$")
  [ -n "$question" ] || xvfb_fail "$what did not ask"
  xdotool mousemove --window "$question" 20 5
  sleep 0.3
  xdotool key --clearmodifiers "$@"
}
xdotool mousemove --window "$wid" $((width / 6)) $((height / 2)) click 1
xdotool type --delay 10 "typed"
ask_and_answer "Escape over typed text" Escape
sleep 1
kill -0 "$xvfb_app_pid" 2>/dev/null || xvfb_fail "answering no ended the program"
ask_and_answer "the second Escape" Return
sleep 1
kill -0 "$xvfb_app_pid" 2>/dev/null || xvfb_fail "Return in the question ended the program"
# Yes stands before the default No: the focus moves back to it and Space presses it.
ask_and_answer "the third Escape" shift+Tab space
xvfb_wait_for_end
[ "$xvfb_exit_code" -eq 0 ] || xvfb_fail "exit code $xvfb_exit_code"
echo "OK: files without an extension opened as typed; Escape over typed text asked, No by default; the program ended with 0"
