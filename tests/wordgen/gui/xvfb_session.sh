# Shell functions for tests that drive the built program on a virtual X
# display as a person would (sourced, not run). They need xvfb, xdotool,
# xclip and x11-utils.
#
#   xvfb_start WORKDIR         starts Xvfb on a display of its own and exports DISPLAY
#   xvfb_start_program PROGRAM starts the program with a fresh configuration folder
#   xvfb_main_window           prints the id of the program's main window
#   xvfb_wait_main_window      waits for it (60 s) and lets the splash screen go
#   xvfb_wait_for_end          waits for the program to end; its exit code is then in xvfb_exit_code
#   xvfb_fail MESSAGE          reports a failure with the program's output and exits
# xvfb_cleanup runs on exit and ends what xvfb_start and xvfb_start_program
# started, and the processes whose ids a script adds to xvfb_also_stop (a
# window manager).

xvfb_work=""
xvfb_pid=""
xvfb_app_pid=""
xvfb_also_stop=()

xvfb_cleanup() {
  local pid
  [ -n "$xvfb_app_pid" ] && kill "$xvfb_app_pid" 2>/dev/null || true
  for pid in "${xvfb_also_stop[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "$xvfb_work" ] && rm -rf "$xvfb_work"
}

xvfb_fail() {
  echo "FAIL: $*" >&2
  [ -f "$xvfb_work/app.log" ] && sed 's/^/  program: /' "$xvfb_work/app.log" >&2
  exit 1
}

xvfb_start() {
  xvfb_work="$1"
  trap xvfb_cleanup EXIT
  exec 3<> "$xvfb_work/displayfd"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp > "$xvfb_work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local display=""
  for _ in $(seq 100); do
    display=$(head -n1 "$xvfb_work/displayfd" 2>/dev/null || true)
    [ -n "$display" ] && break
    sleep 0.1
  done
  [ -n "$display" ] || xvfb_fail "Xvfb did not start"
  export DISPLAY=":$display"
}

xvfb_start_program() {
  local program="$1"
  mkdir -p "$xvfb_work/config" "$xvfb_work/home"
  # System libraries the program loads keep a few blocks to the end of the
  # process; the sanitizer's leak check is to judge our own code.
  printf 'leak:libdbus-1.so\nleak:libfontconfig.so\nleak:libxcb\nleak:libX11.so\nleak:libQt6XcbQpa.so\n' \
    > "$xvfb_work/lsan.supp"
  export LSAN_OPTIONS="suppressions=$xvfb_work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
  (
    cd "$xvfb_work"
    export XDG_CONFIG_HOME="$xvfb_work/config" HOME="$xvfb_work/home" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LANGUAGE=en
    exec "$program"
  ) > "$xvfb_work/app.log" 2>&1 &
  xvfb_app_pid=$!
}

# The visible "Syllabrix" window at least as high as the main window's
# smallest height (the splash screen is lower).
xvfb_main_window() {
  local id h
  for id in $(xdotool search --onlyvisible --name "Syllabrix" 2>/dev/null); do
    h=$(xwininfo -id "$id" 2>/dev/null | awk '/Height:/ {print $2}')
    if [ "${h:-0}" -ge 480 ]; then
      echo "$id"
      return
    fi
  done
}

xvfb_wait_main_window() {
  local wid=""
  for _ in $(seq 600); do
    wid=$(xvfb_main_window)
    [ -n "$wid" ] && break
    kill -0 "$xvfb_app_pid" 2>/dev/null || xvfb_fail "the program ended before its window appeared"
    sleep 0.1
  done
  [ -n "$wid" ] || xvfb_fail "no main window within 60 s"
  sleep 3
  [ -n "$(xvfb_main_window)" ] || xvfb_fail "the main window went away"
}

xvfb_wait_for_end() {
  for _ in $(seq 100); do
    kill -0 "$xvfb_app_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$xvfb_app_pid" 2>/dev/null; then xvfb_fail "the program did not end"; fi
  xvfb_exit_code=0
  wait "$xvfb_app_pid" || xvfb_exit_code=$?
  xvfb_app_pid=""
}
