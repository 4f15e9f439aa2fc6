# shellcheck shell=bash disable=SC2154  # work and seats come from the caller
# The game's boards in the end-to-end runs, sourced after Desktop.sh: where the piles are, whose
# turn it is, moves by keypad and mouse checked on every board, and the dialogs a run goes
# through. The caller lists its sides in `seats` (the host first); each side has board_<side>
# and pid_<side> from `start`.

# Pixels of a board window at its start-up size, for two or three players (`layout N`).
layout() {
  if [ "$1" -eq 2 ]; then
    BoardWidth=924
    DealPoint=(328 354)
    SidePoint=(213 440)      # slot 1
    HandLeft=302             # the middle of slot 2; the next slots follow every HandStep
    HandStep=80
    HoldLeft=399             # the own first hold pile's card; the next ones every 80 pixels
    CentersBox=(128 185 248 119) # clear of the status line under the box
    CenterPoints=("166 250" "246 250" "326 250")
    MenuPoints=("418 41" "434 199") # the Internet menu's title, "Send Saved Internet Game"
  else
    BoardWidth=1082
    DealPoint=(326 289)
    SidePoint=(379 440)
    HandLeft=468
    HandStep=72
    HoldLeft=432
    CentersBox=(119 192 166 226)
    CenterPoints=("161 260" "241 260" "161 362" "241 362")
    MenuPoints=("418 41" "434 199")
  fi
  OwnHoldTop=272
  OppositeHoldTop=127  # two players: the opponent's hold piles, cards as large as the player's
  OppositeHoldTop3=103 # three players: both opponents' hold piles, smaller cards
}

# One picture of the screen cut into the boards, which stay where `start` put them:
# `shoot_all NAME` gives NAME-<side>.png for every side.
shoot_all() {
  local side x
  import -window root "$work/screen.png"
  for side in "${seats[@]}"; do
    x=x_$side
    crop "$work/screen.png" "${!x}" 0 "$BoardWidth" 571 "$work/$1-$side.png"
  done
}
# `colour_at SIDE X Y`: the colour of a board's point in the last screen picture, as "R G B".
colour_at() {
  local x=x_$1
  convert "$work/screen.png" -format \
    "%[fx:int(255*p{$((${!x} + $2)),$3}.r)] %[fx:int(255*p{$((${!x} + $2)),$3}.g)] %[fx:int(255*p{$((${!x} + $2)),$3}.b)]" info:
}
# The inside of hold pile `k`'s top card at `top` (its rounded corners left out).
hold_card() { crop "$1" $((HoldLeft + 80 * ($2 - 1) + 4)) $(($3 + 4)) 65 90 "$4"; }
centers() { crop "$1" "${CentersBox[@]}" "$2"; }
# The side whose board has its own turn marker lit (the green arrow beside the stock, which keeps
# its distance from the window's right edge), if any.
whose_turn() {
  local side r g b board WIDTH
  import -window root "$work/screen.png"
  for side in "${seats[@]}"; do
    board=board_$side
    eval "$(xdotool getwindowgeometry --shell "${!board}")"
    read -r r g b <<<"$(colour_at "$side" $((WIDTH - 84)) 312)"
    [ "$g" -gt 180 ] && [ "$r" -lt 120 ] && { echo "$side"; return; }
  done
}
# Every remote board shows the Deal button (light, where the table is brown), or none does.
deal_buttons() {
  local side r g b
  import -window root "$work/screen.png"
  for side in "${seats[@]:1}"; do
    read -r r g b <<<"$(colour_at "$side" $((DealPoint[0] - 20)) "${DealPoint[1]}")"
    if [ "$1" = shown ]; then [ "$b" -gt 200 ] || return 1; else [ "$b" -lt 200 ] || return 1; fi
  done
}

slot_point() {
  if [ "$1" -eq 1 ]; then echo "${SidePoint[@]}"; else echo "$((HandLeft + HandStep * ($1 - 2))) 440"; fi
}
hold_point() { echo "$((HoldLeft + 36 + 80 * ($1 - 1))) 320"; }
center_point() { echo "${CenterPoints[$1 - 1]}"; }

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
# board must show the change: the same centers after a play there, the mover's hold pile with the
# card just put on it. Pictures of each board after the move are kept.
move() {
  local side=$1 how=$2 slot=$3 kind=$4 pile=$5 board=board_$1 other digit
  moves=$((moves + 1))
  shoot_all before
  if [ "$how" = keypad ]; then
    [ "$kind" = center ] && digit=$pile || digit=$((6 + pile))
    focus "${!board}" "the board of $side"
    keycodes "KP_$slot" Return "KP_$((digit % 10))"
  else
    # shellcheck disable=SC2046
    drag "${!board}" $(slot_point "$slot") $("${kind}_point" "$pile")
  fi
  within 20 move_seen "$side" "$kind" "$pile" ||
    fail "move $moves ($side, slot $slot to $kind $pile) is not the same on every board"
  for other in "${seats[@]}"; do cp "$work/now-$other.png" "$work/move-$moves-$other.png"; done
}
# The mover's pile changed, and the other boards show it as the mover does (the same centers), or
# show the mover's hold pile changed alike (on a three-player board an opponent's cards are
# smaller than the player's own, so those boards are compared with each other).
move_seen() {
  local side=$1 kind=$2 pile=$3 other first='' mine="$work/mine.png" seen="$work/seen.png"
  shoot_all now
  if [ "$kind" = center ]; then
    centers "$work/now-$side.png" "$mine"
    centers "$work/before-$side.png" "$seen"
  else
    hold_card "$work/now-$side.png" "$pile" "$OwnHoldTop" "$mine"
    hold_card "$work/before-$side.png" "$pile" "$OwnHoldTop" "$seen"
  fi
  same "$mine" "$seen" && return 1
  for other in "${seats[@]}"; do
    [ "$other" = "$side" ] && continue
    if [ "$kind" = center ]; then
      centers "$work/now-$other.png" "$seen"
      same "$mine" "$seen" || return 1
    elif [ ${#seats[@]} -eq 2 ]; then
      hold_card "$work/now-$other.png" "$pile" "$OppositeHoldTop" "$seen"
      same "$mine" "$seen" || return 1
    elif [ -z "$first" ]; then
      first=$other
      seen_hold "$other" "$side" "$pile" "$work/before-$other.png" "$work/first-before.png"
      seen_hold "$other" "$side" "$pile" "$work/now-$other.png" "$work/first.png"
      same "$work/first.png" "$work/first-before.png" && return 1
    else
      seen_hold "$other" "$side" "$pile" "$work/now-$other.png" "$seen"
      same "$work/first.png" "$seen" || return 1
    fi
  done
  return 0
}
# `seen_hold VIEWER MOVER PILE PICTURE OUT`: the inside of the mover's hold pile as the viewer's
# three-player board shows it: the next seat at the table on the left, the other on the right.
seen_hold() {
  local viewer mover i left
  for i in "${!seats[@]}"; do
    [ "${seats[$i]}" = "$1" ] && viewer=$i
    [ "${seats[$i]}" = "$2" ] && mover=$i
  done
  [ $(((mover - viewer + 3) % 3)) -eq 1 ] && left=200 || left=530
  crop "$4" $((left + 61 * ($3 - 1) + 4)) $((OppositeHoldTop3 + 4)) 54 74 "$5"
}

# `play_rounds N`: every side puts its hand card of slot 2 on a hold pile, N times round the
# table, whoever the flip chose to begin; the host with the keypad, the others with the mouse.
# Ends when the host is to move.
play_rounds() {
  local side last='' done=0 total=$((${#seats[@]} * $1)) how
  declare -A count=()
  while :; do
    side=$(next_mover "$last") || fail "no board shows whose turn it is"
    [ $done -ge $total ] && [ "$side" = "${seats[0]}" ] && return
    [ $done -lt $((total + ${#seats[@]})) ] || fail "the turns do not come round to the host"
    count[$side]=$((${count[$side]:-0} % 4 + 1))
    [ "$side" = "${seats[0]}" ] && how=keypad || how=mouse
    move "$side" "$how" 2 hold "${count[$side]}"
    done=$((done + 1))
    last=$side
  done
}
# The side to move once the turn has left `last`, waiting up to 20 seconds.
next_mover() {
  local side
  for _ in $(seq 40); do
    side=$(whose_turn)
    [ -n "$side" ] && [ "$side" != "$1" ] && { echo "$side"; return 0; }
    sleep 0.5
  done
  return 1
}

# The Deal button of a remote board (the pointer comes from elsewhere, as a hand's would).
click_deal() {
  xdotool mousemove --window "$1" 600 520
  sleep 0.2
  xdotool mousemove --window "$1" "${DealPoint[@]}" click 1
}

# The host starts a game with F2 in the window given (its board, or its chat window with the
# focus in the chat line); every other side takes its cards with the Deal button.
deal() {
  local host=$1 side board
  focus "$host" "the host's window for F2"
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
  # shellcheck disable=SC2086
  xdotool mousemove --window "$host" ${MenuPoints[0]} click 1
  sleep 1
  # shellcheck disable=SC2086
  xdotool mousemove --window "$host" ${MenuPoints[1]} click 1
  dialog=$(window "$hostPid" "Restore Game")
  [ -n "$dialog" ] || fail "the saved games did not open"
  xdotool mousemove --window "$dialog" 155 24 click 1
  sleep 0.3
  xdotool mousemove --window "$dialog" 138 314 click 1
  within 20 deal_buttons shown || fail "the saved game did not reach every remote board"
  for side in "${seats[@]:1}"; do
    board=board_$side
    click_deal "${!board}"
  done
  within 20 deal_buttons gone || fail "a remote board did not take the saved game"
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

# The host's internet players setup: `table_size N` picks N - 1 opponents and closes with "Done".
# The opponent counts stand higher at a table of three, where the dialog has no center choice.
TablePlayers=2
table_size() {
  local dialog HEIGHT row=54
  [ "$TablePlayers" -eq 2 ] || row=39
  focus "$board_host" "the host's board"
  keys F10
  dialog=$(window "$pid_host" "Internet Opponents Setup")
  [ -n "$dialog" ] || fail "the internet players setup did not open"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove --window "$dialog" $((17 + 106 * ($1 - 2))) $row click 1
  sleep 0.5
  shot "table-of-$1"
  # The center choice comes and goes with the count, and the dialog's height with it.
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove --window "$dialog" 462 $((HEIGHT - 23)) click 1
  sleep 1
  TablePlayers=$1
}
# The host lets a further player join the table.
accept_joiner() {
  focus "$(window "$pid_host" "New opponent joining")" "the host's question about a new player"
  keys alt+y
}
