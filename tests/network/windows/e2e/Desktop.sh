# shellcheck shell=bash disable=SC2154  # work, game and port come from the caller
# Helpers of the end-to-end runs, sourced by TwoPlayers.sh and ThreePlayers.sh: a virtual screen,
# copies of the game each with its own program and temporary folder, keys, clicks and pictures.
# The caller sets `work` (the work folder) before `desktop_start`.

for tool in Xvfb xdotool import convert compare ss python3; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

pids=()
xpid=
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*" >&2
  shot "failure"
  exit 1
}
note() { echo "$(date +%T) $*"; }

# A free virtual screen with room for the boards side by side.
desktop_start() {
  local n=
  # The server picks a free display itself and names it, so that runs side by side never share one.
  # -noreset: Num Lock stays on when the client that turned it on disconnects as the only one.
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  xpid=$!
  for _ in $(seq 100); do
    n=$(cat "$work/display" 2>/dev/null)
    [ -n "$n" ] && break
    sleep 0.1
  done
  [ -n "$n" ] || fail "the virtual screen did not start"
  export DISPLAY=":$n"
  unset QT_QPA_PLATFORM
  # The standard keymap with Num Lock on, as a player who uses the keypad has it.
  "$xkeys" numlock || fail "Num Lock cannot be turned on"
}

free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

shot() { import -window root "$work/$1.png"; }
alive() { kill -0 "$1" 2>/dev/null || fail "$2 is no longer running"; }
keys() { xdotool key --delay 80 "$@"; sleep 0.6; }
# Keys by their keycodes alone, as a keyboard sends them: xdotool would press Num Lock around every
# keypad digit, and the board takes that key, as any other, as the end of a keypad move.
xkeys="$(dirname "${BASH_SOURCE[0]}")/../../../board/menus/XKeys.py"
keycodes() { "$xkeys" key "$@"; sleep 0.6; }
typed() { xdotool type --delay 40 "$1"; sleep 0.4; }

# The visible window of program `pid` titled `name` (exactly, blanks at the ends aside), waiting
# up to 20 seconds for it.
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
# Answers every message box of program `pid` (whose board is `board`) with Escape (No, or OK), a
# few rounds as they come. A box may bear the board's own title, so the board counts by its id.
answerBoxes() {
  local w name
  for _ in 1 2 3 4; do
    for w in $(xdotool search --all --onlyvisible --pid "$1" --name "" 2>/dev/null); do
      [ "$w" = "$2" ] && continue
      name=$(xdotool getwindowname "$w" | sed 's/^ *//; s/ *$//')
      case "$name" in "ZARLEful Thoughts" | "Tip of the Day") continue ;; esac
      xdotool windowfocus --sync "$w"
      keys Escape
    done
    sleep 1
  done
}
# `leave PID BOARD`: the player ends the network game from the Internet menu's key and says Yes.
leave() {
  focus "$2" "the board of the player who leaves"
  keys F11
  focus "$(window "$1" "TERMINATE ZarleNET Connection")" "the question whether to end the game"
  keys alt+y
}
# Established connections on the game's port, both ends counted; `connections -ge 2` tests them.
connected() { ss -tn state established "( sport = :$port or dport = :$port )" | grep -c ":$port" || true; }
connections() { test "$(connected)" "$1" "$2"; }
# Waits up to `seconds` for the command to succeed.
within() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 2))); do "$@" && return 0; sleep 0.5; done
  return 1
}

# The copy `side` of the game: its own program folder and temporary folder.
prepare() {
  cp -r "$game" "$work/$1"
  mkdir -p "$work/$1-tmp"
}
# `start SIDE PLAYER X` runs the copy, answers its welcome and tip of the day as the player and
# puts its board at X on the screen. Sets board_<side>, pid_<side> and x_<side>.
start() {
  local side=$1 player=$2 x=$3 pid board
  (cd "$work/$side" && TMPDIR="$work/$side-tmp" exec ./zarlenet >"$work/$side.log" 2>&1) &
  pid=$!
  pids+=("$pid")
  board=$(window "$pid" ZarleNET)
  [ -n "$board" ] || fail "$player's board did not open"
  xdotool windowmove --sync "$board" "$x" 0
  focus "$(window "$pid" zarlenet)" "$player's welcome"
  typed "$player"
  keys Return
  focus "$(window "$pid" "Tip of the Day")" "$player's tip of the day"
  keys Return
  printf -v "pid_$side" %s "$pid"
  printf -v "x_$side" %s "$x"
  printf -v "board_$side" %s "$board"
}

# The connect dialog: host on `port`, or join the host at 127.0.0.1.
host_game() {
  focus "$1" "the host's board"
  keys F11
  focus "$(window "$2" "Internet Game Connection")" "the host's connect dialog"
  keys alt+p ctrl+a
  typed "$port"
  keys Return
}
join_game() {
  focus "$1" "a joiner's board"
  keys F11
  focus "$(window "$2" "Internet Game Connection")" "a joiner's connect dialog"
  keys alt+r
  typed "127.0.0.1"
  keys alt+p ctrl+a
  typed "$port"
  keys Return
}
chat() {
  focus "$(window "$1" "ZARLEful Thoughts")" "the chat window"
  typed "$2"
  keys Return
}

# Pictures: `crop PICTURE X Y W H OUT` cuts a part of a screen shot; `same A B` holds when two
# pictures are equal pixel for pixel.
crop() { convert "$1" -crop "$4x$5+$2+$3" +repage "$6"; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }

