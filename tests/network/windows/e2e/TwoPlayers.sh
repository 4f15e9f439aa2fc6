#!/usr/bin/env bash
# Two copies of the game on one machine, each with its own program folder and temporary folder,
# driven by real keys and the mouse on a virtual screen: Alice hosts, Bob joins through the connect
# dialog, both chat, Alice deals and each plays by hand (Alice with the keypad, Bob with the
# mouse), Alice sends a saved game a few cards from its end, they play it out, each names the
# other's avatar with "Save Opponent", and Bob leaves. After every move the centers and the mover's
# hold pile must look the same on both boards; at the end both score files and both avatar files
# must tell the same game. Score files are written only when a side pile runs out, never when a
# player leaves, hence the saved game. Pictures of every step go to the work folder.
#
#   TwoPlayers.sh GAME_FOLDER WORK_FOLDER LAST_CARDS_TOOL
# shellcheck disable=SC2154  # board_<side> and pid_<side> are set by `start`
set -u
game=$1
work=$2
lastCards=$3
here=$(dirname "$0")
source "$here/Desktop.sh"
source "$here/Table.sh"
layout 2

seats=(host remote)
rm -rf "$work"
mkdir -p "$work"
prepare host
prepare remote
"$lastCards" "$work/host" 2 || fail "the saved game was not written"
port=$(free_port)
scores_written() { [ -s "$work/host/users/Alice_2.ran" ] && [ -s "$work/remote/users/Bob_2.ran" ]; }
desktop_start 2200x1000x24

note "Alice hosts, Bob joins"
start host Alice 0
host_game "$board_host" "$pid_host"
[ -n "$(window "$pid_host" "ZARLEful Thoughts")" ] || fail "Alice has no chat window"
start remote Bob 1100
join_game "$board_remote" "$pid_remote"
within 15 connections -ge 2 || fail "Bob is not connected to Alice"
shot "1-joined"

note "chat both ways"
chat "$pid_remote" "hello from Bob"
chat "$pid_host" "hi Bob ;-)"
shot "2-chat"

note "deal: Alice presses F2 in her chat line, as she just typed there"
deal "$(window "$pid_host" "ZARLEful Thoughts")" "$board_remote"
shot "3-dealt"

note "moves"
play_rounds 2
shot "4-moves"

note "the saved game's last cards"
send_saved_game "$board_host" "$pid_host" "$board_remote"
# Alice: her Ace to center 1, her Six onto hold pile 1.
move host keypad 1 center 1
move host keypad 2 hold 1
# Bob: his Two and Three to center 1; the Three is his last side card.
move remote mouse 1 center 1
move remote mouse 1 center 1
within 20 scores_written ||
  fail "the score files were not written at the end of the game"
shot "5-game-over"

note "each names the other's avatar"
save_opponent "$board_host" "$pid_host"
save_opponent "$board_remote" "$pid_remote"
shot "6-avatars-saved"

note "Bob leaves"
leave "$pid_remote" "$board_remote"
sleep 1
shot "7-bob-leaving"
answerBoxes "$pid_remote" "$board_remote"
answerBoxes "$pid_host" "$board_host"
shot "8-bob-left"
alive "$pid_host" "Alice's game"
alive "$pid_remote" "Bob's game"
within 10 connections -eq 0 || fail "the connection is still open after Bob left"

note "the files"
python3 "$here/SameGame.py" "$work/host" Alice "$work/remote" Bob || fail "the two sides' files differ"
echo "passed: pictures in $work"
