#!/usr/bin/env bash
# The program on a virtual screen, driven by real keys and mouse clicks only: the player's name,
# the Game menu opened from its title and Scores and Stats chosen from it, Esc on the Help menu,
# F2 for a game (whoever plays first) with F3 pressed while it is dealt, the saved-games window
# from the keyboard alone, and F12 to end. Pictures of the screen are saved in the pictures folder
# given; files show that the board reacted.
# Exit code 77 (skipped) when the virtual screen cannot start.
set -u
game_dir=${1:?program folder}
shots=${2:?pictures folder}
for tool in Xvfb xdotool import; do command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }; done
work=$(mktemp -d "${TMPDIR:-/tmp}/blackbox.XXXXXX")
cp -r "$game_dir" "$work/game"
rm -f "$work/game/Data/backup.sav"
mkdir -p "$work/tmp" "$work/config" "$shots"
rm -f "$shots/blackbox-failure.png"
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
gpid=
cleanup() { [ -n "$gpid" ] && kill "$gpid" 2>/dev/null; kill "$xpid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$n" ] || { echo "the virtual screen did not start: skipped"; exit 77; }
export DISPLAY=":$n" TMPDIR="$work/tmp" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM

fail() { echo "FAILED: $*"; import -window root "$shots/blackbox-failure.png"; exit 1; }
# The window whose title is exactly $1, once it shows (10 s at most, or $2 tenths of a second).
window() {
    for _ in $(seq "${2:-100}"); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

"$work/game/zarlenet" >"$work/game.log" 2>&1 &
gpid=$!
board=$(window "ZarleNET") || fail "no board window"
# The welcome window over the board asks for the player's name (the splash is 500 wide).
welcome=
for _ in $(seq 150); do
    for w in $(xdotool search --onlyvisible --pid "$gpid" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        [ "$w" != "$board" ] && [ "$WIDTH" != 500 ] && welcome=$w
    done
    [ -n "$welcome" ] && break
    sleep 0.1
done
[ -n "$welcome" ] || fail "no welcome window"
xdotool windowfocus "$welcome" 2>/dev/null
xdotool type --delay 20 "Tester"
xdotool key Return
# The tip of the day closes with its OK button, at its top right.
if tip=$(window "Tip of the Day"); then
    eval "$(xdotool getwindowgeometry --shell "$tip")"
    xdotool mousemove $((X + WIDTH - 51)) $((Y + 20)) click 1
    gone "Tip of the Day" || fail "the tip of the day stayed"
fi
xdotool windowfocus "$board" 2>/dev/null
eval "$(xdotool getwindowgeometry --shell "$board")"
bx=$X by=$Y

# The top edge shows the strip; a click on the Game title opens its menu.
xdotool mousemove $((bx + 300)) $((by + 1))
sleep 0.3
xdotool mousemove $((bx + 100)) $((by + 40))
sleep 0.3
xdotool click 1
menu=$(window "Game menu") || fail "the Game menu did not open"
sleep 0.3
import -window root "$shots/blackbox-game-menu.png"
eval "$(xdotool getwindowgeometry --shell "$menu")"
# 13 entries under the 24-pixel title; Scores and Stats is entry 10.
row=$(((HEIGHT - 35) / 13))
xdotool mousemove $((X + 40)) $((Y + 24 + row * 10 + row / 2))
sleep 0.2
xdotool click 1
gone "Game menu" || fail "the menu stayed open"
scores=$(window "Scores and Stats") || fail "Scores and Stats did not open"
import -window root "$shots/blackbox-scores.png"
xdotool windowfocus "$scores" 2>/dev/null
xdotool key Escape
gone "Scores and Stats" || fail "the scoreboard did not close"

# Esc closes a menu without a command.
xdotool mousemove $((bx + 300)) $((by + 1))
sleep 0.3
xdotool mousemove $((bx + 570)) $((by + 40)) click 1
window "Help menu" >/dev/null || fail "the Help menu did not open"
xdotool windowfocus "$board" 2>/dev/null
xdotool key Escape
gone "Help menu" || fail "Esc left the Help menu open"

# F2 deals: the start of the game is saved at once, when the hands have been dealt. F3 pressed
# while the cards fly waits for the deal and then opens the scores.
dealt() { [ "$(stat -c %s "$work/game/Data/backup.sav" 2>/dev/null || echo 0)" -ge $((13 * 6038)) ]; }
xdotool mousemove $((bx + 400)) $((by + 300)) click 1
xdotool windowfocus "$board" 2>/dev/null
xdotool key F2
sleep 1.5
dealt && fail "the deal was over before F3 could be pressed during it"
xdotool key F3
scores=$(window "Scores and Stats") || fail "F3 pressed during the deal was lost"
dealt || fail "F3 pressed during the deal ran inside it"
import -window root "$shots/blackbox-dealt.png"
xdotool windowfocus "$scores" 2>/dev/null
xdotool key Escape
gone "Scores and Stats" || fail "the scoreboard did not close"

# The saved-games window from the keyboard alone, on the player's turn: a name typed where the
# cursor starts and Enter save into slot 1; Tab, a name and Enter into slot 2; Ctrl+R, Down and
# Enter restore slot 2, which then is also the start of the game (slot 13).
record=6038
slot_name() {
    dd if="$work/game/Data/backup.sav" bs=1 skip=$((($1 - 1) * record + 6008)) count=30 2>/dev/null | tr -d ' \0'
}
slot_game() { dd if="$work/game/Data/backup.sav" bs=1 skip=$((($1 - 1) * record)) count=6008 2>/dev/null | md5sum; }
# Ctrl+$1 on the board until the window titled $2 opens: a computer seat may be playing.
open_saves() {
    for _ in $(seq 40); do
        xdotool windowfocus "$board" 2>/dev/null
        xdotool key "ctrl+$1"
        window "$2" 20 && return 0
        # "Wait!  Let me finish my turn first!"
        window "Zarle:" 5 >/dev/null && xdotool key Return
        sleep 0.5
    done
    return 1
}
saves=$(open_saves s "Save Game") || fail "Ctrl+S opened no saved-games window"
xdotool windowfocus "$saves" 2>/dev/null
sleep 0.3
xdotool type --delay 20 "friday"
import -window root "$shots/blackbox-save-typed.png"
xdotool key Return
gone "Save Game" || fail "Enter did not save the name typed"
[ "$(slot_name 1)" = friday ] || fail "slot 1 holds '$(slot_name 1)', not the name typed"
saves=$(open_saves s "Save Game") || fail "Ctrl+S opened no saved-games window again"
xdotool windowfocus "$saves" 2>/dev/null
sleep 0.3
xdotool key Tab
xdotool type --delay 20 "x"
xdotool key Return
gone "Save Game" || fail "Tab did not choose a slot"
case $(slot_name 2) in [234]P_x) ;; *) fail "slot 2 holds '$(slot_name 2)' after Tab";; esac
saves=$(open_saves r "Restore Game") || fail "Ctrl+R opened no saved-games window"
xdotool windowfocus "$saves" 2>/dev/null
sleep 0.3
xdotool key Down
import -window root "$shots/blackbox-restore-chosen.png"
xdotool key Return
gone "Restore Game" || fail "Down and Enter restored nothing"
for _ in $(seq 20); do [ "$(slot_game 13)" = "$(slot_game 2)" ] && break; sleep 0.2; done
[ "$(slot_game 13)" = "$(slot_game 2)" ] || fail "slot 2 was not the game restored"

# F12 ends the program; the shut-down deletes the temporary sound files.
xdotool windowfocus "$board" 2>/dev/null
xdotool key F12
for _ in $(seq 50); do kill -0 "$gpid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$gpid" 2>/dev/null && fail "F12 did not end the program"
gpid=
ls "$work/game/Data/"*.tmp >/dev/null 2>&1 && fail "temporary files left after the shut-down"
echo "black-box run passed"
