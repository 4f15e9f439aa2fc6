#!/usr/bin/env bash
# Two copies of the game on one machine, each with its own program folder and temporary folder,
# driven by real keys on a virtual screen: Alice hosts, Bob joins through the connect dialog, both
# chat, Alice deals, Bob leaves. Checks that the connection stood and ended and that both programs
# lived through it; pictures of every step go to the work folder.
#
#   TwoPlayers.sh GAME_FOLDER WORK_FOLDER
set -u
for tool in Xvfb xdotool import ss python3; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
game=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
for side in host remote; do
  cp -r "$game" "$work/$side"
  mkdir -p "$work/$side-tmp"
done
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 2200x1000x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  kill "$xpid" 2>/dev/null
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
export DISPLAY=":$n"
unset QT_QPA_PLATFORM

fail() {
  echo "FAILED: $*" >&2
  shot "failure"
  exit 1
}
shot() { import -window root "$work/$1.png"; }
alive() { kill -0 "$1" 2>/dev/null || fail "$2 is no longer running"; }
keys() { xdotool key --delay 80 "$@"; sleep 0.6; }
typed() { xdotool type --delay 40 "$1"; sleep 0.4; }
# The visible window of program `pid` titled `name` (exactly, blanks at the ends aside).
window() {
  local w
  for _ in $(seq 40); do
    for w in $(xdotool search --all --onlyvisible --pid "$1" --name "" 2>/dev/null); do
      [ "$(xdotool getwindowname "$w" | sed 's/^ *//; s/ *$//')" = "$2" ] && { echo "$w"; return; }
    done
    sleep 0.5
  done
}
focus() {
  [ -n "$1" ] || fail "$2 did not open"
  xdotool windowfocus --sync "$1"
  sleep 0.3
}
# Answers every message box of a program with Escape (No, or OK), a few rounds as they come.
answerBoxes() {
  local w name
  for _ in 1 2 3 4; do
    for w in $(xdotool search --all --onlyvisible --pid "$1" --name "" 2>/dev/null); do
      name=$(xdotool getwindowname "$w" | sed 's/^ *//; s/ *$//')
      case "$name" in ZarleNET | "ZARLEful Thoughts" | "Tip of the Day") continue ;; esac
      xdotool windowfocus --sync "$w"
      keys Escape
    done
    sleep 1
  done
}
connected() { ss -tn state established "( sport = :$port or dport = :$port )" | grep -c ":$port" || true; }

start() {
  (cd "$work/$1" && TMPDIR="$work/$1-tmp" exec ./zarlenet >"$work/$1.log" 2>&1) &
  pids+=($!)
  sleep 4
}

# Alice hosts.
start host
host=${pids[0]}
hostWin=$(window "$host" ZarleNET)
focus "$(window "$host" zarlenet)" "Alice's welcome"
typed "Alice"
keys Return
focus "$(window "$host" "Tip of the Day")" "Alice's tip of the day"
keys Return
focus "$hostWin" "Alice's board"
keys F11
focus "$(window "$host" "Internet Game Connection")" "Alice's connect dialog"
keys alt+p ctrl+a
typed "$port"
keys Return
sleep 1
shot "1-host-waiting"
alive "$host" "Alice's game"
[ -n "$(window "$host" "ZARLEful Thoughts")" ] || fail "Alice has no chat window"

# Bob joins.
start remote
remote=${pids[1]}
remoteWin=$(window "$remote" ZarleNET)
[ -n "$remoteWin" ] || fail "Bob's board did not open"
xdotool windowmove "$remoteWin" 1100 0
focus "$(window "$remote" zarlenet)" "Bob's welcome"
typed "Bob"
keys Return
focus "$(window "$remote" "Tip of the Day")" "Bob's tip of the day"
keys Return
focus "$remoteWin" "Bob's board"
keys F11
focus "$(window "$remote" "Internet Game Connection")" "Bob's connect dialog"
keys alt+r
typed "127.0.0.1"
keys alt+p ctrl+a
typed "$port"
keys Return
sleep 3
shot "2-joined"
alive "$host" "Alice's game"
alive "$remote" "Bob's game"
[ "$(connected)" -ge 2 ] || fail "Bob is not connected to Alice"

# Both chat: the chat window has the typing line's focus when it opens.
focus "$(window "$remote" "ZARLEful Thoughts")" "Bob's chat"
typed "hello from Bob"
keys Return
focus "$(window "$host" "ZARLEful Thoughts")" "Alice's chat"
typed "hi Bob ;-)"
keys Return
sleep 1
shot "3-chat"

# Alice starts a new game; Bob takes his cards with the Deal button beside the centers.
focus "$hostWin" "Alice's board"
keys F2
sleep 3
xdotool mousemove --window "$remoteWin" 328 354 click 1
sleep 5
shot "4-dealt"
alive "$host" "Alice's game"
alive "$remote" "Bob's game"

# Bob leaves and keeps no game.
focus "$remoteWin" "Bob's board"
keys F11
sleep 2
answerBoxes "$remote"
answerBoxes "$host"
shot "5-bob-left"
alive "$host" "Alice's game"
alive "$remote" "Bob's game"
[ "$(connected)" -eq 0 ] || fail "the connection is still open after Bob left"
echo "passed: pictures in $work"
