#!/usr/bin/env bash
# Starts the built program as a person would, on a virtual X display with a
# window manager and a fresh configuration folder: waits for the main window,
# clicks the create button, reads the words back through the program's copy
# command and the clipboard. Then, in English, Russian and Arabic (chosen on
# the language tab of the settings window, as a user does), it opens every
# menu and submenu of the menu bar, the info dialog and every tab of the
# settings window, closing the dialogs with Escape and stepping through their
# tabs with Ctrl+Tab, and leaves a screenshot of each. Finally it closes the
# window with its Escape shortcut and checks that the program ended with 0
# and wrote no settings file.
# Usage: program_in_xvfb.sh PATH_TO_SYLLABRIX [SCREENSHOT_FOLDER]
set -euo pipefail
program="$(readlink -f "$1")"
shots="${2:-}"
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/../../../scripts/ensure_packages.sh" xvfb xdotool xclip x11-utils openbox imagemagick

# shellcheck source=xvfb_session.sh
source "$here/xvfb_session.sh"
fail() { xvfb_fail "$@"; }
xvfb_start "$(mktemp -d)"
work="$xvfb_work"
alive() { kill -0 "$xvfb_app_pid" 2>/dev/null || fail "the program ended unexpectedly ($*)"; }

# A window manager, as on a desktop: it frames, places and activates the windows.
HOME="$work" openbox --sm-disable > "$work/wm.log" 2>&1 &
xvfb_also_stop+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

xvfb_start_program "$program"

# The program's visible windows (main window, dialogs, menus).
windows() { xdotool search --onlyvisible --class syllabrix 2>/dev/null || true; }
# x y width height of a window.
geometry() {
  xwininfo -id "$1" 2>/dev/null |
    awk '/Absolute upper-left X:/ {x=$NF} /Absolute upper-left Y:/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF}
         END {print x, y, w, h}'
}
# The visible windows other than the main window and those given.
others() {
  local id skip
  for id in $(windows); do
    skip=0
    for known in "$wid" "$@"; do [ "$id" = "$known" ] && skip=1; done
    [ "$skip" -eq 0 ] && echo "$id"
  done
  return 0
}
# Saves the part of the screen that holds the program's windows.
shot() {
  [ -n "$shots" ] || return 0
  local box
  box=$(for id in $(windows); do geometry "$id"; done |
    awk 'NR==1 {l=$1; t=$2; r=$1+$3; b=$2+$4}
         {if ($1<l) l=$1; if ($2<t) t=$2; if ($1+$3>r) r=$1+$3; if ($2+$4>b) b=$2+$4}
         END {l-=30; t-=30; if (l<0) l=0; if (t<0) t=0; printf "%dx%d+%d+%d", r-l+30, b-t+30, l, t}')
  mkdir -p "$shots"
  import -window root -crop "$box" +repage "$shots/xvfb_$1.png"
}
wait_for() {  # seconds, command...
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
no_dialog() { [ -z "$(others)" ]; }
a_dialog() { [ -n "$(others)" ]; }
focus_main() { xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid" 2>/dev/null || true; }

xvfb_wait_main_window
wid=$(xvfb_main_window)
read -r win_x win_y width height < <(geometry "$wid")

# The create button stands in the bottom right corner of the creator tab.
xdotool mousemove --window "$wid" $((width - 60)) $((height - 30)) click 1
sleep 1
# Copy the result (Shift+Ctrl+C) and read it from the clipboard.
focus_main
xdotool key --window "$wid" --clearmodifiers shift+ctrl+c
sleep 1
words=$(xclip -o -selection clipboard 2>/dev/null || true)
count=$(printf '%s\n' "$words" | grep -c '[A-Z]' || true)
[ "$count" -eq 6 ] || fail "expected six words, the clipboard holds: '$words'"
printf '%s\n' "$words" | grep -Eqv '^[A-Z]{3,6}$' && fail "a word is not 3 to 6 letters: '$words'"

# Every menu of the menu bar, and every submenu, in the language shown. The
# menus are found by clicking along the bar; submenus open when the pointer
# rests on their entry. Leaves the menus' places on the bar, in reading order,
# in $menus.
open_every_menu() {
  local lang=$1 rtl=$2 bar_y=$((win_y + 11)) px popup sub seen="" subseen="" n=0 places=()
  for ((px = win_x + 4; px < win_x + width - 4; px += 8)); do
    xdotool mousemove "$px" "$bar_y" click 1
    sleep 0.3
    popup=$(others | head -n1)
    [ -n "$popup" ] || continue
    read -r mx my mw mh < <(geometry "$popup")
    case " $seen " in *" $mx "*) continue ;; esac
    seen="$seen $mx"
    places+=("$px")
    n=$((n + 1))
    shot "${lang}_menu$n"
    for ((py = my + 6; py < my + mh - 4; py += 11)); do
      xdotool mousemove $((mx + mw / 2)) "$py"
      sleep 0.35
      sub=$(others "$popup" | head -n1)
      [ -n "$sub" ] || continue
      read -r sx _ _ _ < <(geometry "$sub")
      case " $subseen " in *" $n:$sx:$py "*) continue ;; esac
      # One screenshot per submenu: the entry's rows give the same window.
      case " $subseen " in *" $n:$sx "*) continue ;; esac
      subseen="$subseen $n:$sx"
      shot "${lang}_menu${n}_sub$(echo "$subseen" | wc -w)"
    done
    # Back onto the bar, where the next click switches to the next menu.
    xdotool mousemove "$px" "$bar_y"
    sleep 0.2
  done
  # A click on the bar beside the menus closes the last one.
  xdotool mousemove $((win_x + width - 3)) "$bar_y" click 1
  sleep 0.3
  wait_for 3 no_dialog || fail "$lang: a menu stayed open"
  [ "$n" -eq 5 ] || fail "$lang: found $n menus on the menu bar, expected 5"
  [ "$(echo "$subseen" | wc -w)" -ge 2 ] || fail "$lang: the submenus did not open"
  if [ "$rtl" -eq 1 ]; then
    menus=()
    for ((i = ${#places[@]} - 1; i >= 0; i--)); do menus+=("${places[$i]}"); done
  else
    menus=("${places[@]}")
  fi
}

# The info dialog (F1): every page by Ctrl+Tab, then Escape closes it.
show_info_dialog() {
  local lang=$1
  focus_main
  xdotool key --clearmodifiers F1
  wait_for 10 a_dialog || fail "$lang: F1 opened no info dialog"
  sleep 1
  for page in 1 2 3 4; do
    shot "${lang}_info$page"
    xdotool key --clearmodifiers ctrl+Tab
    sleep 0.5
  done
  xdotool key --clearmodifiers Escape
  wait_for 5 no_dialog || fail "$lang: Escape did not close the info dialog"
  alive "after Escape in the info dialog"
}

# Opens the settings window on its language tab from the settings menu (the
# second menu; the language entry is the third from its end).
open_language_tab() {
  xdotool mousemove "${menus[1]}" $((win_y + 11)) click 1
  sleep 0.5
  xdotool key Up Up Up Return
  wait_for 10 a_dialog || fail "the settings menu opened no settings window"
  sleep 1
}

# Every tab of the settings window by Ctrl+Tab from the language tab, then
# Escape closes it.
show_settings() {
  local lang=$1
  open_language_tab
  for tab in $(seq 9); do
    shot "${lang}_settings$tab"
    xdotool key --clearmodifiers ctrl+Tab
    sleep 0.6
  done
  xdotool key --clearmodifiers Escape
  wait_for 5 no_dialog || fail "$lang: Escape did not close the settings window"
  alive "after Escape in the settings window"
}

# Chooses a language on the language tab as a user does, with the keys given; then "Save Language", whose
# notice is confirmed, and Escape closes the window.
choose_language() {
  local code=$1
  shift
  open_language_tab
  xdotool key Tab
  sleep 0.3
  for key in "$@"; do
    xdotool key "$key"
    sleep 1
  done
  xdotool key Tab
  sleep 0.3
  xdotool key space
  wait_for 10 grep -qx "lang=$code" "$work/config/Pellwick/Syllabrix/lang.cfg" ||
    fail "the language tab did not switch to $code: $(cat "$work/config/Pellwick/Syllabrix/lang.cfg" 2>/dev/null)"
  sleep 1
  shot "${code}_language_saved"
  xdotool key Return
  sleep 0.5
  xdotool key --clearmodifiers Escape
  wait_for 5 no_dialog || fail "$code: Escape did not close the settings window"
  alive "after choosing $code"
  read -r win_x win_y width height < <(geometry "$wid")
}

for lang in en ru ar; do
  case $lang in
    # Tab reaches the first language; Space checks it, and each arrow key checks the next.
    ru) choose_language ru space Right Down Down ;;          # English, Polski, Português, Русский
    ar) choose_language ar space Right Down Down Down Down ;; # ... Русский, Српски, العربية
  esac
  shot "${lang}_main"
  open_every_menu "$lang" "$([ "$lang" = ar ] && echo 1 || echo 0)"
  show_info_dialog "$lang"
  show_settings "$lang"
done

# Escape is the close command (the window may be gone before the key is released).
focus_main
xdotool key --window "$wid" Escape 2>/dev/null || true
xvfb_wait_for_end
[ "$xvfb_exit_code" -eq 0 ] || fail "exit code $xvfb_exit_code"
settings=$(find "$work/config" "$work/home" -name '*.sxs' 2>/dev/null)
[ -z "$settings" ] || fail "a settings file was written: $settings"
echo "OK: six words created; menus, info dialog and settings window opened in English, Russian and Arabic;" \
  "program ended with 0, no settings file"
