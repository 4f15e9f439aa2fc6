#!/usr/bin/env bash
# Three copies of the game on one machine, driven by real keys and the mouse on a virtual screen:
# Alice hosts, Bob joins, Alice makes the table one of three in the internet players setup, Carol
# joins and Alice lets her in; all chat through the host, Alice deals and everyone plays a card
# by hand; Alice sends a saved game a few cards from its end and wins it; Carol leaves, Alice and
# Bob play on at a table of two, and Bob leaves. After every move the boards must agree, and the
# three score files must tell the same game. Pictures of every step go to the work folder.
#
#   ThreePlayers.sh GAME_FOLDER WORK_FOLDER LAST_CARDS_TOOL
# shellcheck disable=SC2154  # board_<side> and pid_<side> are set by `start`
set -u
game=$1
work=$2
lastCards=$3
here=$(dirname "$0")
source "$here/Desktop.sh"
source "$here/Table.sh"
layout 3

seats=(host bob carol)
rm -rf "$work"
mkdir -p "$work"
for side in "${seats[@]}"; do prepare "$side"; done
"$lastCards" "$work/host" 3 || fail "the saved game was not written"
port=$(free_port)
scores_written() {
  [ -s "$work/host/users/Alice_3.ran" ] && [ -s "$work/bob/users/Bob_3.ran" ] &&
    [ -s "$work/carol/users/Carol_3.ran" ]
}
desktop_start 3300x1000x24

note "Alice hosts, Bob joins, the table grows to three, Carol joins"
start host Alice 0
host_game "$board_host" "$pid_host"
start bob Bob 1100
join_game "$board_bob" "$pid_bob"
within 15 connections -ge 2 || fail "Bob is not connected to Alice"
table_size 3
start carol Carol 2200
join_game "$board_carol" "$pid_carol"
accept_joiner
within 15 connections -ge 4 || fail "Carol is not connected to Alice"
shot "1-joined"

note "chat, relayed by the host"
chat "$pid_bob" "hello from Bob"
chat "$pid_carol" "hi from Carol"
chat "$pid_host" "welcome both"
shot "2-chat"

note "deal and a round of moves"
deal "$board_host"
play_rounds 1
shot "3-moves"

note "the saved game's last cards"
send_saved_game "$board_host" "$pid_host"
# Alice's Ace and Two, her last side cards, to center 1.
move host keypad 1 center 1
move host keypad 1 center 1
within 20 scores_written || fail "the score files were not written at the end of the game"
shot "4-game-over"

note "Carol leaves, Alice and Bob play on"
leave "$pid_carol" "$board_carol"
sleep 1
answerBoxes "$pid_carol" "$board_carol"
answerBoxes "$pid_host" "$board_host"
answerBoxes "$pid_bob" "$board_bob"
within 10 connections -eq 2 || fail "Carol's connection is still open, or Bob's is gone"
alive "$pid_carol" "Carol's game"
shot "5-carol-left"
seats=(host bob)
table_size 2
layout 2
deal "$board_host"
play_rounds 1
shot "6-two-play-on"

note "Bob leaves"
leave "$pid_bob" "$board_bob"
sleep 1
answerBoxes "$pid_bob" "$board_bob"
answerBoxes "$pid_host" "$board_host"
within 10 connections -eq 0 || fail "the connection is still open after Bob left"
alive "$pid_host" "Alice's game"
alive "$pid_bob" "Bob's game"
shot "7-bob-left"

note "the files"
python3 "$here/SameGame.py" "$work/host" Alice "$work/bob" Bob "$work/carol" Carol ||
  fail "the three sides' score files differ"
echo "passed: pictures in $work"
