# shellcheck shell=bash disable=SC2154  # work and seats come from the caller
# The game's boards in the end-to-end runs, sourced after Desktop.sh: where the piles are, whose
# turn it is, moves by keypad and mouse checked on every board, and the dialogs a run goes
# through. The caller lists its sides in `seats` (the host first); each side has board_<side>
# and pid_<side> from `start`.

# Pixels of a board window at its start-up size.
HoldLeft=399 # the first hold pile's card; the next ones follow every 80 pixels
OwnHoldTop=272
OppositeHoldTop=127

board_shot() {
  local X Y geometry
  geometry=$(xdotool getwindowgeometry --shell "$1") || fail "a board is gone"
  eval "$geometry"
  import -window root -crop "924x571+$X+$Y" +repage "$2"
}
# The inside of hold pile `k`'s top card at `top` (its rounded corners left out).
hold_card() { crop "$1" $((HoldLeft + 80 * ($2 - 1) + 4)) $(($3 + 4)) 65 90 "$4"; }
centers() { crop "$1" 128 185 248 122 "$2"; }
own_hand() { crop "$1" 170 390 500 100 "$2"; }
# The board's own turn marker, the green arrow beside the stock, is lit.
my_turn() {
  local p
  board_shot "$1" "$work/turn.png"
  p=$(convert "$work/turn.png" -format '%[fx:int(255*p{840,312}.g)] %[fx:int(255*p{840,312}.r)]' info:)
  [ "${p% *}" -gt 180 ] && [ "${p#* }" -lt 120 ]
}
whose_turn() {
  local side board
  for side in "${seats[@]}"; do
    board=board_$side
    my_turn "${!board}" && { echo "$side"; return; }
  done
}

slot_point() { if [ "$1" -eq 1 ]; then echo "213 440"; else echo "$((302 + 80 * ($1 - 2))) 440"; fi; }
hold_point() { echo "$((435 + 80 * ($1 - 1))) 320"; }
center_point() { echo "$((166 + 80 * ($1 - 1))) 250"; }

# A card dragged with the mouse from one point of a board to another.
drag() {
  local board=$1 x0=$2 y0=$3 x1=$4 y1=$5
  xdotool mousemove --window "$board" "$x0" "$y0" mousedown 1
  sleep 0.3
  xdotool mousemove --window "$board" $(((x0 + x1) / 2)) $(((y0 + y1) / 2))
  sleep 0.2
  xdotool mousemove --window "$board" "$x1" "$y1"
  sleep 0.3
  xdotool mouseup 1
}

moves=0
# `move SIDE keypad|mouse SLOT center|hold PILE`: the side plays the card of its slot, then every
# board must show the same centers (after a play there) or the mover's hold pile with the card
# just put on it. Pictures of each board after the move are kept.
move() {
  local side=$1 how=$2 slot=$3 kind=$4 pile=$5 board=board_$1 other digit before="$work/before.png"
  moves=$((moves + 1))
  board_shot "${!board}" "$before"
  if [ "$how" = keypad ]; then
    [ "$kind" = center ] && digit=$pile || digit=$((6 + pile))
    focus "${!board}" "the board of $side"
    keys "KP_$slot" Return "KP_$((digit % 10))"
  else
    # shellcheck disable=SC2046
    drag "${!board}" $(slot_point "$slot") $("${kind}_point" "$pile")
  fi
  within 20 move_seen "$side" "$kind" "$pile" "$before" ||
    fail "move $moves ($side, slot $slot to $kind $pile) is not the same on every board"
  for other in "${seats[@]}"; do
    board=board_$other
    board_shot "${!board}" "$work/move-$moves-$other.png"
  done
}
# The mover's pile changed, and every other board shows it as the mover does.
move_seen() {
  local side=$1 kind=$2 pile=$3 before=$4 board=board_$1 other mine="$work/mine.png" seen="$work/seen.png"
  board_shot "${!board}" "$work/now.png"
  if [ "$kind" = center ]; then
    centers "$work/now.png" "$mine"
    centers "$before" "$seen"
  else
    hold_card "$work/now.png" "$pile" $OwnHoldTop "$mine"
    hold_card "$before" "$pile" $OwnHoldTop "$seen"
  fi
  same "$mine" "$seen" && return 1
  for other in "${seats[@]}"; do
    [ "$other" = "$side" ] && continue
    board=board_$other
    board_shot "${!board}" "$work/other.png"
    if [ "$kind" = center ]; then
      centers "$work/other.png" "$seen"
    else
      hold_card "$work/other.png" "$pile" "$(hold_top_seen "$other" "$side")" "$seen"
    fi
    same "$mine" "$seen" || return 1
  done
}
# Where the board of `viewer` shows the hold piles of `mover`.
hold_top_seen() { echo $OppositeHoldTop; }

# `play_rounds N`: every side puts its hand card of slot 2 on a hold pile, N times round the
# table, whoever the flip chose to begin; the host with the keypad, the others with the mouse.
# Ends when the host is to move.
play_rounds() {
  local side done=0 total=$((${#seats[@]} * $1)) how
  declare -A count=()
  while [ $done -lt $total ] || [ "$(whose_turn)" != "${seats[0]}" ]; do
    side=
    for _ in $(seq 20); do
      side=$(whose_turn)
      [ -n "$side" ] && break
      sleep 0.5
    done
    [ -n "$side" ] || fail "no board shows whose turn it is"
    count[$side]=$((${count[$side]:-0} % 4 + 1))
    [ "$side" = "${seats[0]}" ] && how=keypad || how=mouse
    move "$side" "$how" 2 hold "${count[$side]}"
    done=$((done + 1))
    [ $done -le $((total + ${#seats[@]})) ] || fail "the turns do not come round to the host"
  done
}

# The Deal button of a remote board (the pointer comes from elsewhere, as a hand's would).
click_deal() {
  xdotool mousemove --window "$1" 600 520
  sleep 0.2
  xdotool mousemove --window "$1" 328 354 click 1
}

# The host starts a game with F2; every other side takes its cards with the Deal button.
deal() {
  local host=$1 side board
  focus "$host" "the host's board"
  keys F2
  for _ in $(seq 30); do
    for side in "${seats[@]:1}"; do
      board=board_$side
      click_deal "${!board}"
    done
    sleep 1
    [ -n "$(whose_turn)" ] && return
  done
  fail "the cards were not dealt"
}

# The host sends saved game 1 from the Internet menu; the others take it with the Deal button.
send_saved_game() {
  local host=$1 hostPid=$2 side board dialog
  focus "$host" "the host's board"
  keys alt
  xdotool mousemove --window "$host" 418 41 click 1
  sleep 1
  xdotool mousemove --window "$host" 434 199 click 1
  dialog=$(window "$hostPid" "Restore Game")
  [ -n "$dialog" ] || fail "the saved games did not open"
  xdotool mousemove --window "$dialog" 155 24 click 1
  sleep 0.3
  xdotool mousemove --window "$dialog" 138 314 click 1
  for side in "${seats[@]:1}"; do
    board=board_$side
    board_shot "${!board}" "$work/before.png"
    own_hand "$work/before.png" "$work/hand-before.png"
    within 20 took_game "${!board}" || fail "the $side side did not take the saved game"
  done
}
took_game() {
  click_deal "$1"
  sleep 1
  board_shot "$1" "$work/now.png"
  own_hand "$work/now.png" "$work/hand-now.png"
  ! same "$work/hand-before.png" "$work/hand-now.png"
}

# In the internet players setup, opponent 1 gets the avatar before the one shown, "Save
# Opponent" stores it and "Done" closes. Places count from the dialog's bottom, which is the same
# on the host and on a remote side (the remote lacks the table-size rows at the top).
save_opponent() {
  local board=$1 pid=$2 dialog HEIGHT
  focus "$board" "a board"
  keys F10
  dialog=$(window "$pid" "Internet Opponents Setup")
  [ -n "$dialog" ] || fail "the internet players setup did not open"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove --window "$dialog" 138 $((HEIGHT - 115)) click 1
  sleep 0.5
  xdotool mousemove --window "$dialog" 289 $((HEIGHT - 63)) click 1
  sleep 0.5
  xdotool mousemove --window "$dialog" 462 $((HEIGHT - 23)) click 1
  sleep 1
}
