#!/usr/bin/env bash
# A scripted session of the real program on an X display of its own (Xvfb), driven with xdotool as a user
# would: it takes a picture of every window the README shows, adds a dowsing record and a diary entry, ends the
# program, starts it again and checks that both are still there; last the launcher in German.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" tools/session/session.sh PROGRAM PICTURES_FOLDER
#
# It runs as a new user would: in a home folder of its own, made afresh and removed at the end, so that neither
# the data nor the remembered windows of whoever runs it come in. Buttons are pressed by their keys where they
# have one, clicks land inside each window otherwise; pictures are for looking at, the checks at the end are what
# passes or fails. The README's pictures: PICTURES_FOLDER docs, PROGRAM an installed or a release build.
set -euo pipefail
program=$(realpath "${1:?program}")
pictures=$(realpath -m "${2:?folder for the pictures}")
mkdir -p "$pictures"
HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT
export HOME XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_RUNTIME_DIR=$HOME/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LANG=en_US.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE

window() { # the newest visible window whose title matches, waiting for it
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window called $1" >&2
    exit 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-0.6}"; }
keys() { xdotool windowfocus --sync "$1" key --delay 80 "${@:2}"; sleep 0.8; } # into that window
picture() { sleep 0.4; import -window "$1" "$pictures/$2.png"; }
ok_box() { local box; box=$(window '^Velloran$'); keys "$box" Return; }

start() {
    "$program" &
    pid=$!
    launcher=$(window 'Velloran v1.30')
    sleep 1
}
finish() {
    keys "$launcher" alt+f x
    wait "$pid"
}

# First run: every window, one record, one diary entry.
start
picture "$launcher" launcher
keys "$launcher" alt+h a
about=$(window 'Velloran v1.30')
picture "$about" about
click "$about" 429 244 # OK

click "$launcher" 182 264 1.5 # Dowsing
frame=$(window 'Quarrow')
keys "$frame" alt+r
xdotool type --delay 20 "ann smith"
xdotool key Tab
xdotool type --delay 20 "1 Mill Lane"
picture "$frame" dowsing-wizard
keys "$frame" alt+n alt+n
click "$frame" 314 408 0.5 # the notes
xdotool type --delay 20 "found water by the old oak"
keys "$frame" alt+a
ok_box
keys "$frame" alt+v
picture "$frame" dowsing-grid
xdotool mousemove --window "$frame" 178 168 click --repeat 2 --delay 80 1
sleep 1.5
picture "$frame" record-sheet
keys "$frame" alt+b # the sheet's Back
keys "$frame" ctrl+f # Find Records, a window inside the frame
xdotool type --delay 20 "oak"
sleep 1
picture "$frame" find-records
keys "$frame" alt+c
click "$frame" 300 68 0.3 # the grid's title: no window in the frame is active once Find Records closed
keys "$frame" alt+b # the grid's Back
keys "$frame" alt+e # the wizard's Exit: the launcher again

click "$launcher" 182 352 1.5 # Pagan Diary
chooser=$(window 'Velloran Diary')
picture "$chooser" diary-chooser
click "$chooser" 39 263 0.3 # Spell Section
keys "$chooser" alt+c
book=$(window 'Velloran Diary')
click "$book" 259 301 0.5 # Open Spell
click "$book" 259 329 0.5 # Add Spell
click "$book" 259 463 0.3
xdotool type --delay 20 "moon water"
click "$book" 259 541 0.3
xdotool type --delay 20 "Water left out under the full moon"
click "$book" 259 329 1 # Add Spell again: saved
click "$book" 40 165 0.5 # the new keyword
picture "$book" keyword-book
keys "$book" ctrl+f
diaryFind=$(window 'Find in the Diary')
xdotool type --delay 20 "moon"
sleep 1
picture "$diaryFind" diary-find
keys "$diaryFind" alt+c
keys "$book" alt+f x

click "$launcher" 182 176 1.5 # Pagan
browser=$(window '^Velloran$')
click "$browser" 662 302 0.3 # 2010
picture "$browser" calendar-browser
keys "$browser" alt+t Return
wheel=$(window 'Wheel of the Year')
picture "$wheel" wheel-of-the-year
keys "$wheel" alt+c
click "$browser" 687 370 1.5 # Show Pagan Calendar
month=$(window '^Velloran$')
picture "$month" month-view
keys "$month" alt+f x
finish

# Second run: what was added is still there.
start
click "$launcher" 182 264 1.5
frame=$(window 'Quarrow')
keys "$frame" alt+v
keys "$frame" alt+b alt+e
click "$launcher" 182 352 1.5
chooser=$(window 'Velloran Diary')
click "$chooser" 39 263 0.3
keys "$chooser" alt+c
book=$(window 'Velloran Diary')
click "$book" 259 301 0.5
click "$book" 40 165 0.5
keys "$book" alt+f x
finish

# The launcher in German.
LANG=de_DE.UTF-8 start
picture "$launcher" launcher-de
kill "$pid"
wait "$pid" || true

data=$XDG_DATA_HOME/velloran
[ -f "$data/Dowsing.dll" ] || data=$(dirname "$(command -v "$program" || echo "$program")")
python3 - "$data" <<'PY'
import sqlite3, sys
folder = sys.argv[1]
records = sqlite3.connect(f"{folder}/Dowsing.dll").execute("select Name, Address from Details").fetchall()
spells = sqlite3.connect(f"{folder}/diary.dll").execute("select Keyword, Meaning from tblspell").fetchall()
print(f"{folder}: records {records}, spells {spells}")
ok = ("ANN SMITH", "1 Mill Lane") in records and ("moon water", "Water left out under the full moon") in spells
sys.exit(0 if ok else 1)
PY
