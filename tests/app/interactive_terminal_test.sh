#!/usr/bin/env bash
# veskar-sim interactive in a real terminal. Bad command lines first; then tmux runs the
# view in detached 80 x 24 panes on a private server: open the release command, arm,
# speed time up, and read from the screen that the payload was thrown and the button reads
# "Arm Payload Release" again; resize; quit, saving. A stop signal and an unknown terminal
# type give the terminal back. Every wait polls the screen under one overall deadline, and
# the server goes at the end whatever happened.
#
#   interactive_terminal_test.sh VESKAR_SIM [TMUX]
set -euo pipefail

program=$1
tmux_program=${2:-tmux}
work=$(mktemp -d)
socket="veskar-interactive-$$"
deadline=$((SECONDS + 180))
life=200  # [s] the longest any program or pane here lives

tm() { "$tmux_program" -L "$socket" -f /dev/null "$@"; }
cleanup() {
  tm kill-server >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM HUP

fail() {
  echo "FAIL: $*"
  exit 1
}
screen() { tm capture-pane -p -t "$1" 2>/dev/null || true; }
# wait_for SESSION PATTERN: until a line of the pane matches the extended regular
# expression, or fail at the deadline showing the screen.
wait_for() {
  while ! screen "$1" | grep -qE -- "$2"; do
    if ((SECONDS > deadline)); then
      echo "FAIL: /$2/ never appeared in $1; the screen:"
      screen "$1"
      exit 1
    fi
    sleep 0.1
  done
}
absent() {
  if screen "$1" | grep -qE -- "$2"; then
    screen "$1"
    fail "/$2/ is still on the screen of $1"
  fi
}
# start SESSION ARGS...: the program in a new pane; when it ends the pane shows its exit
# code and whether the terminal was left in its usual (canonical, echoing) mode.
start() {
  local name=$1
  shift
  local script="$work/$name.sh"
  {
    echo "cd '$work'"
    printf 'timeout --foreground %d' "$life"
    printf ' %q' "$@"
    echo
    echo 'echo "[exit $?]"'
    echo 'if stty -a | tr " ;" "\n\n" | grep -qx -- "-icanon\|-echo"; then echo "[tty raw]"; else echo "[tty restored]"; fi'
    echo "exec sleep $life"
  } >"$script"
  # exec: no sh between the pane and the script; sh would end on the Ctrl-C sent to the
  # program and take the pane with it.
  tm new-session -d -s "$name" -x 80 -y 24 -e LANG=C.UTF-8 -e LC_ALL=C.UTF-8 "exec bash '$script'"
}

# -- Bad command lines: a clear message and a non-zero exit, no terminal taken over.
printf 'BEGIN_SHIPS\n  Veskar1:Veskar\n  RPOS 1 2\n  END\nEND_SHIPS\n' >"$work/bad.scn"
refused() {
  local expected=$1
  shift
  local out status=0
  out=$(timeout "$life" "$program" interactive "$@" 2>&1 </dev/null) || status=$?
  ((status != 0)) || fail "interactive $* exited 0"
  [[ $out == *"$expected"* ]] || fail "interactive $*: expected \"$expected\" in: $out"
}
refused "$work/missing.scn" "$work/missing.scn"
refused "$work/bad.scn:3: " "$work/bad.scn"
refused "--step" --step 0
refused "standard input and output must be a terminal"

# -- The throw, watched and steered from the keyboard.
start view "$program" interactive --paused --save state.scn
wait_for view 'PAUSED'
wait_for view 'No dialog open\.'
tm send-keys -t view F4
wait_for view '> Veskar Payload Release'
tm send-keys -t view Enter
button='\| +%s +\|'
wait_for view "$(printf "$button" 'Arm Payload Release')"
wait_for view 'Tether: Veskar1'
wait_for view '\[ *-xxx\.xx *\]'
tm send-keys -t view Enter
wait_for view "$(printf "$button" 'Disarm Payload Release')"
tm send-keys -t view Space + + +
wait_for view 'x1000 +running'
wait_for view 'payload Canister released by Veskar1'
wait_for view "$(printf "$button" 'Arm Payload Release')"
wait_for view '^Payload +none'
absent view "$(printf "$button" 'Disarm Payload Release')"

# The lights answer L.
lights() { screen view | grep -E '^Lights' || true; }
before=$(lights)
tm send-keys -t view l
while [[ $(lights) == "$before" ]]; do
  ((SECONDS <= deadline)) || fail "L left the lights as they were: $before"
  sleep 0.1
done

# Resized: too small, larger, and back; every time drawn afresh.
tm resize-window -t view -x 60 -y 20
wait_for view 'The view needs 80 x 24 cells; this terminal has 60 x 20\.'
absent view 'Vessels'
tm resize-window -t view -x 100 -y 30
wait_for view '^Vessels +\[Veskar1\] Canister'
absent view 'The view needs'
[[ $(screen view | sed -n 29p) == Debug:* ]] || fail "the debug line is not second from the bottom at 100 x 30"
tm resize-window -t view -x 80 -y 24
wait_for view '^Commands +Veskar Payload Release \(F4\)'

# Quit, saving where offered.
tm send-keys -t view q
wait_for view '^Save to: state\.scn_'
tm send-keys -t view Enter
wait_for view '^\[exit 0\]'
wait_for view "saved the state at t = [0-9.]+ s to $work/state\.scn"
wait_for view '^\[tty restored\]'
absent view 'Vessels'
grep -q '^ *Canister:Payload' "$work/state.scn" || fail "the saved state has no payload: $(cat "$work/state.scn")"
! grep -q 'DOCKINFO' "$work/state.scn" || fail "the saved payload is still docked"
"$program" run "$work/state.scn" --until 1 >/dev/null || fail "the saved state does not run"

# -- A stop signal ends the view and gives the terminal back.
start stop "$program" interactive
wait_for stop 'x1 +running'
tm send-keys -t stop C-c
wait_for stop '^\[exit 130\]'
wait_for stop 'stopped by signal 2 at t = [0-9.]+ s, the state not saved'
wait_for stop '^\[tty restored\]'

# -- A terminal type nobody knows: refused with its name.
start term env TERM=no-such-terminal "$program" interactive
wait_for term 'cannot use the terminal \(TERM=no-such-terminal\)'
wait_for term '^\[exit 1\]'

echo "interactive view in tmux: all checks passed"
